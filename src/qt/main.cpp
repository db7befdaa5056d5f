// Program entry: the one window on the working directory the program was
// started in.
#include <QApplication>

#include "qt/main_window.hpp"
#include "system/linux_system.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    kulko::LinuxSystem system;
    kulko::MainWindow window(".", system);
    window.show();
    return QApplication::exec();
}
