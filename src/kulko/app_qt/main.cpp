// Program entry: the one window on the working directory the program was
// started in.
#include <QApplication>

#include "files/file_size_limit.hpp"
#include "app_qt/main_window.hpp"
#include "platform/linux_system.hpp"

int main(int argc, char** argv) {
    kulko::TreatFileSizeLimitAsFullDisk();
    QApplication application(argc, argv);
    kulko::LinuxSystem system;
    kulko::MainWindow window(".", system);
    window.show();
    return QApplication::exec();
}
