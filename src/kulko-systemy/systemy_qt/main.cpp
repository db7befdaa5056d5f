// kulko-systemy: the window of reduced systems, or with the command
// "system" its command mode, which needs no display.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "files/file_size_limit.hpp"
#include "qt_shared/toolkit_polish.hpp"
#include "systemy_cli/systemy_command.hpp"
#include "qt_shared/no_screen.hpp"
#include "systemy/table_location.hpp"
#include "systemy_qt/systemy_main_window.hpp"

int main(int argc, char** argv) {
    kulko::TreatFileSizeLimitAsFullDisk();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::filesystem::path shipped = kulko::ShippedTablePath(kulko::RunningProgram());
    if (kulko::IsSystemyCommand(args)) {
        try {
            const int status = kulko::RunSystemyCommand(args, shipped, std::cout, std::cerr);
            // Tickets that never reached their reader are no success.
            if (!std::cout.flush() && status == kulko::kCommandSuccess) {
                std::cerr << "kulko-systemy: nie można zapisać zakładów na wyjście standardowe\n";
                return kulko::kCommandRefused;
            }
            return status;
        } catch (const std::exception& error) {
            std::cerr << "kulko-systemy: " << error.what() << "\n";
            return kulko::kCommandRefused;
        }
    }
    if (!kulko::ScreenNamed(argc, argv)) {
        std::cerr << kulko::NoScreenText("kulko-systemy", kulko::kCommandsWithoutScreen) << "\n";
        return kulko::kNoScreenStatus;
    }
    QApplication application(argc, argv);
    kulko::InstallToolkitPolish();  // the toolkit's own dialogs speak Polish
    // What Qt leaves of the arguments: only the table may be named.
    std::filesystem::path table = shipped;
    const QStringList rest = QApplication::arguments().mid(1);
    if (rest.size() == 2 && rest[0] == QStringLiteral("--tabela")) {
        table = rest[1].toStdString();
    } else if (!rest.isEmpty()) {
        std::cerr << "kulko-systemy: nieznany argument „" << rest[0].toStdString() << "”\n"
                  << kulko::SystemyHelpText();
        return kulko::kCommandWrongUsage;
    }
    kulko::SystemyMainWindow window(".", table);
    window.show();
    return QApplication::exec();
}
