// Version check and results update at start, both from the update server.
#include "app/tgenerator.hpp"
#include "files/file_ops.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "update/results_update.hpp"
#include "update/version_note.hpp"

namespace kulko {
namespace {

// Only a modem or a local network counts; a proxy alone is no connection.
bool Connected(System& system) {
    return (system.ConnectionFlags() & (kConnectionModem | kConnectionLan)) != 0;
}

// The server to ask: the one chosen for this run, else the built-in one.
// Empty when there is none: then there is nothing to ask, as without a
// connection.
std::string ServerHost(System& system, const std::string& builtIn) {
    std::string chosen = system.RunTimeUpdateHost();
    return chosen.empty() ? builtIn : chosen;
}

// The address of a file in the server's folder of the program.
std::string ServerUrl(const std::string& host, const char* name) {
    return "http://" + host + "/" + kServerFolder + "/" + name;
}

constexpr const char* kNoNews = "Brak informacji o nowych wersjach tego programu.";

constexpr const char* kNewVersionQuestion =
    "Znaleziono nowszą wersję programu.\r"
    "Czy chcesz teraz aktualizować program ?";

}  // namespace

void Tgenerator::AktualizujWersje() {
    const std::string host = ServerHost(system_, updateHost_);
    if (host.empty() || !Connected(system_)) {
        return;
    }
    // A note left from an earlier start must never be taken for today's.
    DeleteFileIfAny(File(kServerVersionNote));
    if (!system_.Download(ServerUrl(host, kPublishedVersionNote), File(kServerVersionNote))) {
        return;
    }
    // The running version comes from the note start-up has just written.
    if (ServerVersionIsNewer(File(kLocalVersionNote), File(kServerVersionNote)) &&
        screen_.Ask(kNewVersionQuestion)) {
        system_.StartProgram(workDir_, kUpdaterProgram, {"L"});
        system_.Exit();
    }
}

void Tgenerator::Aktualizacja() {
    const std::string host = ServerHost(system_, updateHost_);
    if (host.empty() || !Connected(system_)) {
        return;
    }
    // The download replaces the download target only when it succeeds, so a
    // failed fetch leaves an older copy as it was.
    if (!system_.Download(ServerUrl(host, kResultsFile), File(kResultsDownload))) {
        screen_.Inform(kNoNews);
        return;
    }
    // From the comparison to the rename no other program changes the
    // directory: draws another program adds are either in the history
    // compared here or added after the replacement. The message waits until
    // the directory is free again.
    const char* message = nullptr;
    {
        const WorkDirLock lock(workDir_, PaintWhileWaiting());
        // Gone: another program has put the same download in place meanwhile.
        if (!FileExists(File(kResultsDownload))) {
            return;
        }
        const FileIdentity read = IdentityOf(File(kResultsFile));
        const auto localKey = LastDateKey(File(kResultsFile), DateKeySource::Local);
        const auto fetchedKey = LastDateKey(File(kResultsDownload), DateKeySource::Fetched);
        if (!FetchedResultsAreNewer(localKey, fetchedKey)) {
            return;
        }
        // A damaged download never replaces the history: it would fail the
        // start-up read that follows, with no copy of the old file left. It
        // stays where it was downloaded and counts as a failed fetch.
        if (!ResultsFileIsSound(File(kResultsDownload))) {
            message = kNoNews;
        } else {
            // One atomic rename over the history compared: either the fetched
            // history is in place, or the old one still is (and the download
            // keeps the fetched data); a failure goes to the error box and
            // nothing is announced.
            ReplaceFileWith(File(kResultsFile), File(kResultsDownload), read);
            message = "Baza losowań została zaktualizowana.";
        }
    }
    screen_.Inform(message);
}

}  // namespace kulko
