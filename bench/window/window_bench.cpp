// The real window on the offscreen platform, timed as whole processes by the
// processor time the system charges them:
// - coming up: from the start of the process to the end of the window's first
//   paint, on a million-line history, against `wc -l` of that file;
// - idle: the window with a million-line history and a million-line draw
//   log left alone for ten seconds (after three to settle), its 100 ms timer
//   and clock running, in percent of one core.
// Run without arguments; the program starts itself for each measurement.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.hpp"
#include "app_qt/main_window.hpp"
#include "platform/linux_system.hpp"

extern char** environ;

namespace {

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

double CpuSeconds(const rusage& usage) {
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

double OwnCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return CpuSeconds(usage);
}

// Counts the window's paints, and those whose region reaches the chart.
class PaintCount : public QObject {
  public:
    explicit PaintCount(const QRect& chart) : chart_(chart) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            chartPaints += static_cast<QPaintEvent*>(event)->region().intersects(chart_) ? 1 : 0;
        }
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
    int chartPaints = 0;

  private:
    QRect chart_;
};

// The window as the program makes it, shown and painted once.
struct ShownWindow {
    explicit ShownWindow(const char* dir)
        : window(dir, system), count([this] {
              const kulko::Bounds b = window.Window().Bevel2.bounds;
              return QRect(b.left, b.top, b.width, b.height);
          }()) {
        window.installEventFilter(&count);
        window.show();
        while (count.paints == 0) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QApplication::processEvents();
    }
    kulko::LinuxSystem system;
    kulko::MainWindow window;
    PaintCount count;
};

// The toolkit's own floor: an empty widget of the window's size, shown and
// painted once on the same platform.
int BareWidgetUp(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget widget;
    widget.resize(kulko::Tgenerator::kClientWidth, kulko::Tgenerator::kClientHeight);
    PaintCount count(widget.rect());
    widget.installEventFilter(&count);
    widget.show();
    while (count.paints == 0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QApplication::processEvents();
    return 0;
}

int WindowUp(int argc, char** argv) {
    QApplication application(argc, argv);
    ShownWindow shown(argv[2]);
    return 0;
}

int Idle(int argc, char** argv) {
    QApplication application(argc, argv);
    ShownWindow shown(argv[2]);
    double start = 0;
    QTimer::singleShot(3000, [&] {
        shown.count.paints = 0;
        shown.count.chartPaints = 0;
        start = OwnCpuSeconds();
        QTimer::singleShot(10000, [&] {
            const double used = OwnCpuSeconds() - start;
            std::printf(
                "idle window, 1,000,000-line history and draw log: %.3f%% of a core "
                "over 10 s (%.1f ms; %d paints, %d reaching the chart)\n",
                used / 10 * 100, used * 1000, shown.count.paints, shown.count.chartPaints);
            std::fflush(stdout);
            // Leaves the event loop without closing the window, which would
            // ask whether to end the program.
            QCoreApplication::exit(0);
        });
    });
    return QApplication::exec();
}

// Runs the program and returns the processor time the system charged it.
double RunProcess(const std::vector<std::string>& args, bool quiet) {
    std::vector<char*> argv;
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::perror(argv[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    return CpuSeconds(usage);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Orchestrate() {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string self = std::filesystem::read_symlink("/proc/self/exe");

    const auto history = kulko::bench::SyntheticHistory(1000000);
    const auto upDir = kulko::bench::WindowDirectory("up", history);
    kulko::bench::WaitUntilSettled(upDir / "kulko.txt");
    std::vector<double> window;
    std::vector<double> wc;
    RunProcess({self, "--window-up", upDir.string()}, false);  // the first start writes its files
    for (int run = 0; run < 5; ++run) {
        window.push_back(RunProcess({self, "--window-up", upDir.string()}, false));
        wc.push_back(RunProcess({"wc", "-l", (upDir / "kulko.txt").string()}, true));
    }
    std::printf(
        "window up on a 1,000,000-line history: %.1f ms; wc -l of the file: %.1f ms; "
        "ratio %.1f (medians of 5, processor time of the whole processes)\n",
        Median(window) * 1000, Median(wc) * 1000, Median(window) / Median(wc));
    // What the toolkit costs whatever the file: the same window on a history
    // of a hundred lines. The difference is what the million lines cost.
    const auto smallDir =
        kulko::bench::WindowDirectory("small", kulko::bench::SyntheticHistory(100));
    kulko::bench::WaitUntilSettled(smallDir / "kulko.txt");
    RunProcess({self, "--window-up", smallDir.string()}, false);
    std::vector<double> small;
    for (int run = 0; run < 5; ++run) {
        small.push_back(RunProcess({self, "--window-up", smallDir.string()}, false));
    }
    std::printf(
        "window up on a 100-line history: %.1f ms; the million lines add %.1f ms, "
        "%.1f times wc -l\n",
        Median(small) * 1000, (Median(window) - Median(small)) * 1000,
        (Median(window) - Median(small)) / Median(wc));
    RunProcess({self, "--bare"}, false);
    std::vector<double> bare;
    for (int run = 0; run < 5; ++run) {
        bare.push_back(RunProcess({self, "--bare"}, false));
    }
    std::printf(
        "the toolkit alone (an empty widget shown and painted): %.1f ms, %.1f times wc -l\n",
        Median(bare) * 1000, Median(bare) / Median(wc));

    const auto idleDir =
        kulko::bench::WindowDirectory("idle", history, kulko::bench::SyntheticDrawLog(1000000));
    kulko::bench::WaitUntilSettled(idleDir / "kulko.txt");
    kulko::bench::WaitUntilSettled(idleDir / "losowania_kulko.txt");
    std::fflush(stdout);
    RunProcess({self, "--idle", idleDir.string()}, false);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--window-up") {
        return WindowUp(argc, argv);
    }
    if (argc == 2 && std::string(argv[1]) == "--bare") {
        return BareWidgetUp(argc, argv);
    }
    if (argc == 3 && std::string(argv[1]) == "--idle") {
        return Idle(argc, argv);
    }
    return Orchestrate();
}
