#pragma once

namespace kulko {

// Every program of the project calls this first thing in its main. A write
// beyond the file-size limit (RLIMIT_FSIZE) would otherwise kill the process
// with SIGXFSZ in the middle of the write, leaving a torn line or a
// temporary file; with the signal ignored the write fails with EFBIG, which
// is undone and reported as "Disk full" like a full disk.
void TreatFileSizeLimitAsFullDisk();

}  // namespace kulko
