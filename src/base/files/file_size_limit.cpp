#include "files/file_size_limit.hpp"

#include <csignal>

namespace kulko {

void TreatFileSizeLimitAsFullDisk() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace kulko
