#include "faults/fault_support.hpp"

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "files/in_out_error.hpp"
#include "ledger/ledger_file.hpp"

namespace kulko::test {
namespace {

// The traditional "nobody".
constexpr uid_t kUnprivilegedId = 65534;

// Drops root for good. Returns what went wrong, or "".
std::string DropPrivileges() {
    if (::geteuid() != 0) {
        return {};  // permission bits already apply
    }
    if (::setgroups(0, nullptr) != 0 ||
        ::setresgid(kUnprivilegedId, kUnprivilegedId, kUnprivilegedId) != 0 ||
        ::setresuid(kUnprivilegedId, kUnprivilegedId, kUnprivilegedId) != 0) {
        return std::string("cannot drop root: ") + std::strerror(errno);
    }
    if (::geteuid() == 0) {
        return "still root after dropping privileges";
    }
    return {};
}

std::string ApplyLimits(const ChildLimits& limits) {
    if (limits.unprivileged) {
        if (std::string failure = DropPrivileges(); !failure.empty()) {
            return failure;
        }
    }
    if (limits.fileSizeLimit) {
        try {
            SetFileSizeLimit(*limits.fileSizeLimit);
        } catch (const std::exception& error) {
            return error.what();
        }
    }
    return {};
}

void WriteAllTo(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote <= 0) {
            return;
        }
        done += static_cast<std::size_t>(wrote);
    }
}

}  // namespace

std::string RunInChild(const ChildLimits& limits,
                       const std::function<void(ChildReport&)>& scenario) {
    std::fflush(nullptr);
    int channel[2];
    if (::pipe(channel) != 0) {
        return "cannot make a pipe";
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return "cannot fork";
    }
    if (child == 0) {
        ::close(channel[0]);
        ChildReport report;
        if (std::string failure = ApplyLimits(limits); !failure.empty()) {
            report.Check(false, failure);
        } else {
            try {
                scenario(report);
            } catch (const std::exception& error) {
                report.Check(false, std::string("scenario threw: ") + error.what());
            }
        }
        WriteAllTo(channel[1], report.Failures());
        ::close(channel[1]);
        // No exit handlers: they belong to the parent (and its leak check).
        ::_exit(report.Failures().empty() ? 0 : 1);
    }
    ::close(channel[1]);
    std::string failures;
    char chunk[512];
    for (;;) {
        const ssize_t got = ::read(channel[0], chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        failures.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status)) {
        failures += "child ended by signal " + std::to_string(WTERMSIG(status)) + "\n";
    } else if (WIFEXITED(status) && WEXITSTATUS(status) != 0 && failures.empty()) {
        failures += "child exited with " + std::to_string(WEXITSTATUS(status)) + "\n";
    }
    return failures;
}

void SetFileSizeLimit(long bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) {
        throw std::runtime_error("cannot read the file-size limit");
    }
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        throw std::runtime_error("cannot set the file-size limit");
    }
}

void LiftFileSizeLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
}

void HandOver(const TempDir& dir) {
    if (::geteuid() != 0) {
        return;
    }
    const auto give = [](const std::filesystem::path& path) {
        if (::lchown(path.c_str(), kUnprivilegedId, kUnprivilegedId) != 0) {
            throw std::runtime_error("cannot hand over " + path.string());
        }
    };
    give(dir.Path());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path())) {
        give(entry.path());
    }
}

std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const InOutError& error) {
        return error.what();
    }
    return {};
}

DirSnapshot Snapshot(const TempDir& dir) {
    DirSnapshot files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path())) {
        if (entry.is_regular_file()) {
            const auto name = std::filesystem::relative(entry.path(), dir.Path()).string();
            files[name] = dir.Read(name);
        }
    }
    return files;
}

std::string SampleHistory() {
    std::string text;
    for (int draw = 1; draw <= 60; ++draw) {
        char line[64];
        const int day = draw % 28 + 1;
        const int month = draw % 12 + 1;
        // Six distinct numbers spread over 1 to 49.
        std::snprintf(line, sizeof line, "%04d;%02d.%02d.%04d;%d;%d;%d;%d;%d;%d\r\n", draw, day,
                      month, 2000 + draw / 12, draw % 8 + 1, draw % 7 + 10, draw % 5 + 18,
                      draw % 6 + 25, draw % 9 + 32, draw % 8 + 42);
        text += line;
    }
    return text;
}

void WriteUserFiles(const TempDir& dir) {
    dir.Write("kulko.txt", SampleHistory());
    dir.Write("ustalenia_kulko.dat", std::string(1, '\0'));
    dir.Write("ustalenia_kulko_apli.dat", std::string(1, '\0'));
    dir.Write("ustalenia_kulko_kontrola.dat", std::string(1, '\1'));
    dir.Write("komunikat_l.113", "");
    dir.Write("kulko.wer", "1.13\r\n");
    dir.Write("losowania_kulko.txt", "1;2;3;4;5;6\r\n7;14;21;28;35;42\r\n");
    dir.Write("wyniki_kulko.txt", "3;11;19;27;35;43\r\n1;2;3;4;5;6\r\n");
    Ledger expenses = EmptyLedger();
    expenses[0] = {"01.02.2026", "12.50",
                   "Zak\xb3"
                   "ad"};
    expenses[1] = {"08.02.2026", "6", "Chybiony"};
    Ledger incomes = EmptyLedger();
    incomes[0] = {"09.02.2026", "24", "Tr\xf3jka"};
    dir.Write("wydatki_l.dat", EncodeLedger(expenses));
    dir.Write("przychody_l.dat", EncodeLedger(incomes));
}

}  // namespace kulko::test
