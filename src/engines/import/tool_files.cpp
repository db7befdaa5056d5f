#include "import/tool_files.hpp"

#include <sys/stat.h>

#include <cerrno>

#include <istream>
#include <ostream>
#include <string_view>

#include "files/in_out_error.hpp"
#include "files/input_file.hpp"
#include "files/work_files.hpp"
#include "import/input_text.hpp"
#include "import/shown_line.hpp"
#include "results/summary_texts.hpp"
#include "text/cp1250.hpp"

namespace kulko {
namespace {

// The runtime's words for a failed file operation, in Polish.
std::string Polish(const std::exception& error) {
    const std::string_view text = error.what();
    constexpr std::pair<std::string_view, const char*> kWords[] = {
        {"File not found", "nie ma takiego pliku"},
        {"File access denied", "brak dostępu"},
        {"Disk full", "brak miejsca na dysku"},
        {"Invalid filename", "nieprawidłowa nazwa pliku"},
        {"Too many open files", "za dużo otwartych plików"},
        {"Read beyond end of file", "plik skończył się w trakcie czytania"},
    };
    for (const auto& [english, polish] : kWords) {
        if (text == english) {
            return polish;
        }
    }
    if (text.starts_with("I/O error ")) {
        return "błąd wejścia-wyjścia " + std::string(text.substr(10));
    }
    return std::string(text);
}

bool Missing(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

bool IsDirectory(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Why a path cannot be read, looked at before the runtime's words.
std::string ReadFaultText(const std::filesystem::path& path, const std::exception& error) {
    if (Missing(path)) {
        return "nie ma pliku " + path.string();
    }
    if (IsDirectory(path)) {
        return path.string() + " to katalog, a nie plik";
    }
    return path.string() + ": " + Polish(error);
}

bool IsAddress(std::string_view name) {
    const auto starts = [&](std::string_view scheme) {
        return name.size() > scheme.size() &&
               std::equal(scheme.begin(), scheme.end(), name.begin(),
                          [](char a, char b) { return a == (b | 0x20); });
    };
    return starts("http://") || starts("https://");
}

std::optional<std::string> ReadStandardInput(std::istream& in) {
    std::string bytes;
    char chunk[1 << 16];
    while (bytes.size() <= kMaxInputBytes && in.read(chunk, sizeof chunk).gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    return bytes.size() <= kMaxInputBytes ? std::optional(bytes) : std::nullopt;
}

}  // namespace

std::optional<ScannedHistory> ReadHistory(const ChosenResultsFile& file,
                                          const ToolEnvironment& environment, bool mustBeSound,
                                          const HistoryQuestions& questions, std::ostream& err) {
    std::optional<ScannedHistory> history;
    try {
        history = ScanHistory(file.path, questions);
    } catch (const InOutError& error) {
        const bool missing = Missing(file.path);
        if (missing && file.path == kResultsFile && !environment.playerDirectory.empty()) {
            err << kToolName << "nie ma bazy wyników " << kResultsFile
                << " ani w bieżącym katalogu, ani w katalogu roboczym programu "
                << environment.playerDirectory.string() << "; wskaż ją opcją --baza\n";
        } else {
            err << kToolName
                << (missing ? "nie ma bazy wyników " + file.path.string()
                            : ReadFaultText(file.path, error))
                << "\n";
        }
        return std::nullopt;
    }
    if (mustBeSound && history->verdict.kind != ValidationVerdict::Kind::Sound) {
        err << kToolName << file.path.string()
            << " nie przechodzi sprawdzenia programu: " << ShownVerdict(history->verdict) << "\n";
        return std::nullopt;
    }
    return history;
}

std::optional<std::string> ReadInput(const std::string& name, const ToolEnvironment& environment,
                                     std::istream& in, std::ostream& err) {
    std::optional<std::string> bytes;
    if (name == "-") {
        bytes = ReadStandardInput(in);
    } else if (IsAddress(name)) {
        if (!environment.fetch) {
            err << kToolName << name << ": adresy nie są tu obsługiwane\n";
            return std::nullopt;
        }
        FetchedInput fetched = environment.fetch(name);
        if (!fetched.error.empty()) {
            err << kToolName << name << ": " << fetched.error << "\n";
            return std::nullopt;
        }
        bytes = std::move(fetched.bytes);
    } else {
        try {
            bytes = ReadInputFile(name, kMaxInputBytes);
        } catch (const InOutError& error) {
            err << kToolName << ReadFaultText(name, error) << "\n";
            return std::nullopt;
        }
    }
    if (!bytes) {
        err << kToolName << name << ": ma ponad " << (kMaxInputBytes >> 20)
            << " MB, więc nie jest listą wyników\n";
        return std::nullopt;
    }
    auto text = InputText(std::move(*bytes));
    if (auto* notAList = std::get_if<NotAList>(&text)) {
        err << kToolName << name << ": to nie jest lista wyników, tylko " << notAList->what << "\n";
        return std::nullopt;
    }
    return std::move(std::get<std::string>(text));
}

std::string ShownVerdict(const ValidationVerdict& verdict) {
    if (verdict.kind == ValidationVerdict::Kind::Sound) {
        return VerdictText(verdict);
    }
    return DamageReportText(verdict.kind) + ShownLine(Cp1250ToUtf8(verdict.line));
}

std::string WriteFaultText(const std::filesystem::path& path, const std::exception& error) {
    return path.string() + ": " + Polish(error);
}

}  // namespace kulko
