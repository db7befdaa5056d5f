#pragma once

// Every file the program keeps or touches in its working directory, and the
// names the update server gives out. This is the one place that spells them:
// everything else speaks of "the results file", "the draw log" and so on.
namespace kulko {

// The history of draws, one line a draw: read at start-up, charted, searched,
// listed, renumbered, replaced by a newer download, kept by the results tool.
inline constexpr const char* kResultsFile = "kulko.txt";
// Added to the results file's name for the history as it was before the
// results tool last added draws to it, kept beside it so that an import can
// be undone: kPreviousHistory in the working directory.
inline constexpr const char* kPreviousHistorySuffix = ".poprzednia";
inline constexpr const char* kPreviousHistory = "kulko.txt.poprzednia";
// Where the results update downloads the server's results file to; it
// replaces the results file only when it is sound and newer.
inline constexpr const char* kResultsDownload = "kulko.bak";
// Where the version check downloads the server's version note to.
inline constexpr const char* kServerVersionNote = "kulko.ser";
// The running program's version, written at every start for the check.
inline constexpr const char* kLocalVersionNote = "kulko.wer";
// The program that updates the program, started when the user accepts a newer version.
inline constexpr const char* kUpdaterProgram = "pobierz.exe";
// An empty file whose presence says the news panel has been shown once.
inline constexpr const char* kFirstRunMarker = "komunikat_l.113";
// Where the renumbering writes the renumbered results before they replace
// the results file.
inline constexpr const char* kRenumberingScratch = "baza.txt";
// Every set shown, one line each; the chart's grey series counts it.
inline constexpr const char* kDrawLog = "losowania_kulko.txt";
// The sets the user kept, one line each.
inline constexpr const char* kMemoryFile = "wyniki_kulko.txt";
// The stake per ticket that kulko-systemy remembers, as typed.
inline constexpr const char* kStakeFile = "stawka_kulko.txt";
// What kulko-systemy's player chose last (numbers, guarantee, each page's
// options, the page open), one "key=value" line each, UTF-8.
inline constexpr const char* kSystemyChoicesFile = "ustalenia_systemy.txt";
// The two ledger files of the finance panel.
inline constexpr const char* kExpensesLedger = "wydatki_l.dat";
inline constexpr const char* kIncomesLedger = "przychody_l.dat";
// The three one-byte settings files: the update of the results file, the
// update of the program and the check of the results file at start-up.
inline constexpr const char* kDatabaseUpdateSetting = "ustalenia_kulko.dat";
inline constexpr const char* kProgramUpdateSetting = "ustalenia_kulko_apli.dat";
inline constexpr const char* kDatabaseCheckSetting = "ustalenia_kulko_kontrola.dat";
// The lock file: while a program of the project changes files of the
// working directory, it holds a lock on this file (see WorkDirLock). It is
// removed again when the lock is released.
inline constexpr const char* kLockFile = "kulko.lck";
// The tag between a file's name and the process id in the name of a
// temporary file written to replace it: "kulko.txt.tmp-812-0".
inline constexpr const char* kTemporaryTag = ".tmp-";
// Every file that a temporary file may be written beside: start-up removes
// the temporary files of these whose writer is gone.
inline constexpr const char* kReplacedFiles[] = {
    kResultsFile,          kResultsDownload,
    kServerVersionNote,    kLocalVersionNote,
    kRenumberingScratch,   kDrawLog,
    kMemoryFile,           kStakeFile,
    kSystemyChoicesFile,   kExpensesLedger,
    kIncomesLedger,        kDatabaseUpdateSetting,
    kProgramUpdateSetting, kDatabaseCheckSetting,
    kPreviousHistory,
};
// The ball pictures: the picture of number n is <folder>/<n><suffix>.
inline constexpr const char* kBallPictureFolder = "Ikonki";
inline constexpr const char* kBallPictureSuffix = ".jpg";

// On the update server, one folder holds the results file (under the name it
// has in the working directory) and the version note of the newest program.
// The results tool publishes both into a folder of that name.
inline constexpr const char* kServerFolder = "Kulko";
inline constexpr const char* kPublishedVersionNote = "wersja_l.txt";

}  // namespace kulko
