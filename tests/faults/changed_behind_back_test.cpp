// The window keeps what it counted of the results file and the draw log and
// trusts it while a file is provably unchanged. Files changed by another
// program after the window had settled on them (same size and modification
// time with other bytes, cut shorter, replaced by another file, appended to)
// must be seen at the very next paint and the very next press.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "files/in_out_error.hpp"
#include "stats/frequency_view.hpp"
#include "stats/number_counts.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

constexpr const char* kResults = "kulko.txt";
constexpr const char* kLog = "losowania_kulko.txt";

// Overwrites the file's bytes in place and puts its modification time back,
// so that only the change time tells of the change.
void RewriteKeepingTime(const std::filesystem::path& file, const std::string& bytes) {
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    const int fd = ::open(file.c_str(), O_WRONLY);
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    const timespec times[2] = {{0, UTIME_OMIT}, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

// One window started on its own directory and left to settle.
struct SettledWindow {
    explicit SettledWindow(const std::string& log) {
        dir.Write("ustalenia_kulko.dat", std::string(1, '\0'));
        dir.Write("ustalenia_kulko_apli.dat", std::string(1, '\0'));
        dir.Write("ustalenia_kulko_kontrola.dat", std::string(1, '\1'));
        dir.Write(kResults, Lines({"0001;27.01.1957;1;2;3;4;5;6", "0002;03.02.1957;1;2;3;7;8;9"}));
        window = std::make_unique<Tgenerator>(dir.Path(), screen, system, "updates.test");
        window->FormCreate();
        dir.Write(kLog, log);
    }
    std::vector<CanvasStep> Paint() const {
        Canvas canvas;
        window->FormPaint(canvas);
        return canvas.Steps();
    }
    // The chart as a window that has kept nothing paints it.
    std::vector<CanvasStep> FreshPaint() {
        Tgenerator fresh(dir.Path(), screen, system, "updates.test");
        fresh.HighestNumber = window->HighestNumber;
        Canvas canvas;
        fresh.FormPaint(canvas);
        return canvas.Steps();
    }

    TempDir dir;
    FakeScreen screen;
    FakeSystem system;
    std::unique_ptr<Tgenerator> window;
};

struct Change {
    const char* name;
    std::function<void(const TempDir&)> make;
    std::string logBeforeSet;  // the draw log a press of "Losuj" must leave,
    std::string logAfterSet;   // around the line of the set it shows
};

TEST(ChangedBehindBack, EveryKindOfChangeIsSeenAtTheNextPaintAndTheNextPress) {
    const std::string log = Lines({"1;2;3;4;5;6", "40;41;42;43;44;45"});
    const std::vector<Change> changes = {
        {"results, same size and time, other bytes",
         [](const TempDir& dir) {
             RewriteKeepingTime(dir / kResults, "0001;27.01.1957;9;8;7;4;5;6");
         },
         log, ""},
        {"draw log, same size and time, a Ctrl-Z among other bytes",
         [](const TempDir& dir) { RewriteKeepingTime(dir / kLog, "1;2;3;4;5;6\r\n40;41\x1A"); },
         "1;2;3;4;5;6\r\n40;41\r\n",
         "\x1A"
         "42;43;44;45\r\n"},
        {"draw log cut shorter, its last line unended",
         [](const TempDir& dir) { std::filesystem::resize_file(dir / kLog, 18); },
         "1;2;3;4;5;6\r\n40;41\r\n", ""},
        {"draw log replaced by another of the same size and time",
         [](const TempDir& dir) {
             struct stat old {};
             ::stat((dir / kLog).c_str(), &old);
             dir.Write("other.txt",
                       "9;9;9;9;9;9\r\n\x1A"
                       "1;41;42;43;44;45\r\n");
             const timespec times[2] = {{0, UTIME_OMIT}, old.st_mtim};
             ::utimensat(AT_FDCWD, (dir / "other.txt").c_str(), times, 0);
             std::filesystem::rename(dir / "other.txt", dir / kLog);
         },
         "9;9;9;9;9;9\r\n",
         "\x1A"
         "1;41;42;43;44;45\r\n"},
        {"draw log appended to by another program without a line end",
         [](const TempDir& dir) {
             const int fd = ::open((dir / kLog).c_str(), O_WRONLY | O_APPEND);
             EXPECT_EQ(::write(fd, "7;7;7;7;7;7", 11), 11);
             ::close(fd);
         },
         log + "7;7;7;7;7;7\r\n", ""},
    };

    // Two windows per change, one to paint and one to press, so that each
    // meets the change with what it kept of the files still trusted.
    std::vector<std::unique_ptr<SettledWindow>> painted;
    std::vector<std::unique_ptr<SettledWindow>> pressed;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        painted.push_back(std::make_unique<SettledWindow>(log));
        pressed.push_back(std::make_unique<SettledWindow>(log));
    }
    // A file changed less than two seconds before it was read proves nothing.
    std::this_thread::sleep_for(std::chrono::milliseconds(2200));

    for (std::size_t i = 0; i < changes.size(); ++i) {
        const Change& change = changes[i];
        SCOPED_TRACE(change.name);
        const auto before = painted[i]->Paint();
        pressed[i]->Paint();
        pressed[i]->window->SpeedButton3Click();  // "Częstość": the counts kept
        change.make(painted[i]->dir);
        change.make(pressed[i]->dir);

        const auto fresh = painted[i]->FreshPaint();
        EXPECT_TRUE(before != fresh) << "the change shows on the chart at all";
        EXPECT_TRUE(painted[i]->Paint() == fresh) << "the paint shows the files as they are";

        SettledWindow& press = *pressed[i];
        press.window->SpeedButton3Click();
        EXPECT_EQ(press.window->ListBox1.items.All(),
                  FrequencyLines(CountResultsNumbers(press.dir / kResults)));
        ASSERT_NO_THROW(press.window->SpeedButton2Click());  // "Losuj"
        EXPECT_EQ(press.dir.Read(kLog),
                  change.logBeforeSet + press.window->Panel1.caption + "\r\n" + change.logAfterSet);
    }
}

}  // namespace
}  // namespace kulko::test
