#include "systemy_qt/systemy_main_window.hpp"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/fetch_into_memory.hpp"
#include "qt_shared/message_boxes.hpp"
#include "qt_shared/window_fonts.hpp"
#include "systemy_qt/analysis_page_widgets.hpp"
#include "systemy_qt/print_system.hpp"
#include "systemy_qt/results_page_widget.hpp"
#include "systemy_qt/system_page_widget.hpp"

namespace kulko {
namespace {

// Where "Zapisz" and a PDF of "Drukuj" start: the player's documents folder
// (XDG's), else the home folder, never the hidden working directory.
QString PlayersDocuments() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

SystemyMainWindow::SystemyMainWindow(const std::filesystem::path& workDir,
                                     const std::filesystem::path& tablePath) {
    ProvideWindowsFonts();
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    window_ = std::make_unique<SystemyWindow>(workDir, tablePath, *this);
    setWindowTitle(QString::fromStdString(window_->Caption));

    const auto run = [this](const std::function<void()>& handler) { Run(handler); };
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("strony"));
    systemPage_ = new SystemPageWidget(window_->systemPage, run);
    analysisPages_ = {MakeHistoryPageWidget(window_->historyPage, run),
                      MakeFiltersPageWidget(window_->filtersPage, run),
                      MakeNumbersPageWidget(window_->numbersPage, run),
                      MakeResultsPageWidget(window_->resultsPage, run)};
    // Addresses are fetched under the limits of every download of the program.
    window_->resultsPage.fetch = [](const std::string& address) {
        MemoryFetch fetched = FetchIntoMemory(address);
        return FetchedInput{std::move(fetched.bytes), std::move(fetched.error)};
    };
    const std::vector<std::string> titles = SystemyWindow::PageTitles();
    tabs_->addTab(systemPage_, QString::fromStdString(titles.at(0)));
    for (std::size_t i = 0; i < analysisPages_.size(); ++i) {
        tabs_->addTab(analysisPages_[i], QString::fromStdString(titles.at(i + 1)));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(1000, 700);

    Run([this] { window_->FormCreate(); });
    tabs_->setCurrentIndex(window_->strona);
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int index) { window_->strona = index; });
    // The widgets are brought up to date only when a tick changed a
    // control: an idle window is not laid out or drawn again.
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (waiting_) {
            return;
        }
        bool changed = false;
        RunShowingErrors(
            this, [this, &changed] { changed = window_->Timer(); },
            [this, &changed] {
                if (changed) {
                    Sync();
                }
            });
        PaceTimer();
    });
    PaceTimer();
}

SystemyMainWindow::~SystemyMainWindow() {
    timer_.stop();
    // A search still running is ended before the page it reports to goes.
    try {
        window_->FormClose();
    } catch (const std::exception&) {
        // The window is gone; nothing is left to show the error in.
    }
}

void SystemyMainWindow::Run(const std::function<void()>& handler) {
    RunShowingErrors(this, handler, [this] { Sync(); });
    PaceTimer();
}

void SystemyMainWindow::PaceTimer() {
    // A press may have started a count: its progress is wanted at once.
    const int interval = window_->TickMilliseconds();
    if (!timer_.isActive() || timer_.interval() != interval) {
        timer_.start(interval);
    }
}

void SystemyMainWindow::Sync() {
    systemPage_->Sync();
    for (BoundPageWidget* page : analysisPages_) {
        page->Sync();
    }
}

void SystemyMainWindow::Inform(const std::string& text) {
    Sync();
    ShowInformation(isVisible() ? this : nullptr, QString::fromStdString(text));
}

bool SystemyMainWindow::Ask(const std::string& question) {
    Sync();
    return AskYesNo(isVisible() ? this : nullptr, QString::fromStdString(question));
}

std::optional<std::filesystem::path> SystemyMainWindow::AskSavePath(const std::string& suggested) {
    // The Qt dialog, which speaks the toolkit's Polish, starts in the
    // player's documents and shows the whole suggested name.
    QFileDialog dialog(this, QStringLiteral("Zapisz zakłady"), PlayersDocuments(),
                       QStringLiteral("Pliki tekstowe (*.txt);;Wszystkie pliki (*)"));
    dialog.setObjectName(QStringLiteral("zapiszDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(QString::fromStdString(suggested));
    const QString path = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                             ? dialog.selectedFiles().front()
                             : QString();
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(path.toStdString());
}

void SystemyMainWindow::CopyToClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool SystemyMainWindow::Print(const PrintedSystem& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(document.title));
    // Printed to a PDF, the file goes to the player's documents.
    printer.setOutputFileName(
        QDir(PlayersDocuments())
            .filePath(QString::fromStdString(document.title) + QStringLiteral(".pdf")));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drukuj zakłady"));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    PrintSystem(document, printer);
    return true;
}

void SystemyMainWindow::AnswerPaints() {
    // No input reaches the window meanwhile; paints and the window system's
    // other events are answered.
    waiting_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    waiting_ = false;
}

void SystemyMainWindow::closeEvent(QCloseEvent* event) {
    if (waiting_) {
        event->ignore();
        return;
    }
    timer_.stop();
    Run([this] { window_->FormClose(); });
    event->accept();
}

}  // namespace kulko
