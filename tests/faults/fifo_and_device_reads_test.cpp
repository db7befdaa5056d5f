// A file the program reads that is a FIFO or a device: refused at once with
// "File access denied", never a start-up that blocks forever on a FIFO
// without a writer or reads /dev/zero until memory runs out. Each scenario
// runs in a child under an alarm, so a reader that blocks ends the child
// instead of the test run.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "faults/fault_support.hpp"
#include "files/text_file.hpp"
#include "generator/ball_pictures.hpp"
#include "ledger/ledger_file.hpp"
#include "settings/settings_files.hpp"
#include "support/window_fixture.hpp"
#include "update/version_note.hpp"

namespace kulko::test {
namespace {

constexpr unsigned kAlarmSeconds = 5;

using MakeNonPlainFile = std::function<void(const std::filesystem::path&)>;

const std::vector<std::pair<std::string, MakeNonPlainFile>>& NonPlainFiles() {
    static const std::vector<std::pair<std::string, MakeNonPlainFile>> kinds = {
        {"FIFO", [](const std::filesystem::path& at) { ::mkfifo(at.c_str(), 0600); }},
        {"link to /dev/zero",
         [](const std::filesystem::path& at) { std::filesystem::create_symlink("/dev/zero", at); }},
    };
    return kinds;
}

class FifoAndDeviceReadsTest : public WindowTest {};

TEST_F(FifoAndDeviceReadsTest, FifoAndDeviceAreRefusedAtOnceByEveryReader) {
    const std::vector<std::pair<std::string, std::function<void(const std::filesystem::path&)>>>
        readers = {
            {"whole file", [](const auto& file) { ReadWholeFile(file); }},
            {"lines", [](const auto& file) { TextReader reader(file); }},
            {"ledger", [](const auto& file) { ReadLedgerFile(file); }},
            {"setting", [](const auto& file) { ReadSettingFile(file); }},
            {"version note", [](const auto& file) { ReadVersionNote(file); }},
            {"ball picture", [](const auto& file) { LoadJpegPicture(file, 40, 40); }},
        };
    for (const auto& [kind, make] : NonPlainFiles()) {
        const auto file = dir / "not-plain";
        make(file);
        for (const auto& [reader, read] : readers) {
            EXPECT_EQ(RunInChild({},
                                 [&](ChildReport& report) {
                                     ::alarm(kAlarmSeconds);
                                     report.Equal(ErrorOf([&] { read(file); }),
                                                  "File access denied", reader);
                                 }),
                      "")
                << kind << ", " << reader;
        }
        std::filesystem::remove(file);
    }
}

TEST_F(FifoAndDeviceReadsTest, ResultsFileThatIsAFifoOrADeviceStopsStartUpWithTheBox) {
    WriteUserFiles(dir);
    for (const auto& [kind, make] : NonPlainFiles()) {
        std::filesystem::remove(dir / "kulko.txt");
        make(dir / "kulko.txt");
        EXPECT_EQ(RunInChild({},
                             [&](ChildReport& report) {
                                 ::alarm(kAlarmSeconds);
                                 report.Equal(ErrorOf([&] { Start(); }), "File access denied",
                                              "start-up");
                             }),
                  "")
            << kind;
    }
}

}  // namespace
}  // namespace kulko::test
