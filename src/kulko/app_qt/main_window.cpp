#include "app_qt/main_window.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "qt_shared/canvas_painter.hpp"
#include "app_qt/control_widgets.hpp"
#include "qt_shared/conversions.hpp"
#include "qt_shared/message_boxes.hpp"
#include "qt_shared/window_fonts.hpp"

namespace kulko {
MainWindow::MainWindow(const std::filesystem::path& workDir, System& system,
                       const std::string& updateHost)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    ProvideWindowsFonts();
    window_ = std::make_unique<Tgenerator>(workDir, *this, system, updateHost);
    setFixedSize(Tgenerator::kClientWidth, Tgenerator::kClientHeight);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
    setFont(WindowFont());

    widgets_ = std::make_unique<ControlWidgets>(
        *window_, this, [this](const std::function<void()>& handler) { Run(handler); });
    Run([this] { window_->FormCreate(); });
    setWindowTitle(QString::fromStdString(window_->Caption));

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!waiting_) {
            Run([this] { window_->Timer1Timer(); });
        }
    });
    timer_.start(100);
}

MainWindow::~MainWindow() = default;

void MainWindow::Run(const std::function<void()>& handler) {
    RunShowingErrors(this, handler, [this] { Sync(); });
}

void MainWindow::Sync() {
    widgets_->SyncAll();
    const QString caption = QString::fromStdString(window_->Caption);
    if (windowTitle() != caption) {
        setWindowTitle(caption);
    }
}

bool MainWindow::Ask(const std::string& text) {
    Sync();
    return AskYesNo(isVisible() ? this : nullptr, QString::fromStdString(text));
}

void MainWindow::Inform(const std::string& text) {
    Sync();
    ShowInformation(isVisible() ? this : nullptr, QString::fromStdString(text));
}

void MainWindow::RepaintNow() {
    marks_.Clear();
    repaint();
}

void MainWindow::DrawMarks(const Canvas& marks) {
    marks_ = marks;
    update();
}

void MainWindow::AnswerPaints() {
    // No input reaches the window meanwhile; paints and the window system's
    // other events are answered.
    waiting_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    waiting_ = false;
}

// Closing from the window manager asks as "Koniec" does; only "Tak" ends
// the program, and it ends it at once, so the close itself never goes on.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (waiting_) {
        return;
    }
    Run([this] { window_->SpeedButton1Click(); });
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    // Most paints are of a small part of the window (the clock's label every
    // second): the chart is read and drawn only when the part reaches it.
    const Bounds area = window_->ChartArea();
    const bool chartShown =
        event->region().intersects(QRect(area.left, area.top, area.width, area.height));
    Canvas chart;
    try {
        window_->FormPaint(chart, chartShown);
    } catch (const std::exception&) {
        // The chart must never fail the paint nor open a box on every paint;
        // what was filled before the failure is still shown.
    }
    PaintCanvas(chart, painter);
    // The marks of the drawn set are not part of the chart: they show in
    // the paint that follows their drawing and vanish with the next one.
    PaintCanvas(marks_, painter);
    marks_.Clear();
}

}  // namespace kulko
