// Program entry: the one window on the working directory the program was
// started in.
#include <QApplication>
#include <iostream>
#include <string_view>

#include "app_qt/main_window.hpp"
#include "files/file_size_limit.hpp"
#include "platform/linux_system.hpp"
#include "qt_shared/no_screen.hpp"

int main(int argc, char** argv) {
    kulko::TreatFileSizeLimitAsFullDisk();
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << "kulko " << KULKO_VERSION << "\n";
        return 0;
    }
    if (!kulko::ScreenNamed(argc, argv)) {
        std::cerr << kulko::NoScreenText("kulko") << "\n";
        return kulko::kNoScreenStatus;
    }
    QApplication application(argc, argv);
    kulko::LinuxSystem system;
    kulko::MainWindow window(".", system);
    window.show();
    return QApplication::exec();
}
