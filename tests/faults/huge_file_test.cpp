// A results file of 2 GB with one long line (a sparse file: a sound first
// line, then nothing but zero bytes) starts the window holding the file once,
// and shows the damage report its second line gives. The read runs in a
// child, which measures its own peak memory: an address-space limit would
// say nothing under AddressSanitizer, which reserves terabytes up front.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>

#include "faults/fault_support.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

constexpr off_t kFileSize = off_t{2} << 30;

// The resident set now, and its peak so far, in bytes.
long ResidentBytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * ::sysconf(_SC_PAGESIZE);
}

long PeakResidentBytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss * 1024;
}

class HugeFileTest : public WindowTest {};

TEST_F(HugeFileTest, TwoGigabyteLineStartsWithinOneCopyAndIsReported) {
    WriteUserFiles(dir);
    const std::string first = "1;01.01.2000;1;2;3;4;5;6\r\n";
    dir.Write("kulko.txt", first);
    ASSERT_EQ(::truncate((dir / "kulko.txt").c_str(), kFileSize), 0);
    const std::string failures = RunInChild({}, [&](ChildReport& report) {
        const long before = ResidentBytes();
        report.Check(PeakResidentBytes() < before + kFileSize / 2,
                     "the peak before the read is unknown");
        Start();
        const long growth = PeakResidentBytes() - before;
        report.Check(growth < kFileSize + kFileSize / 2,
                     "peak memory grew by " + std::to_string(growth) + " bytes");
        const std::string report_text = "Wykryto błąd daty w wierszu ";
        report.Equal(Window().Label24.caption.substr(0, report_text.size()), report_text,
                     "status row");
        report.Check(Window().Label24.caption.size() < report_text.size() + 8192,
                     "status row holds the whole line");
    });
    EXPECT_EQ(failures, "");
}

}  // namespace
}  // namespace kulko::test
