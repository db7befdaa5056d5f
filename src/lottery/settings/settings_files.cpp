#include "settings/settings_files.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/read_some.hpp"
#include "files/regular_file.hpp"
#include "files/work_files.hpp"

namespace kulko {

const char* SettingFileName(Setting setting) {
    switch (setting) {
        case Setting::DatabaseUpdate:
            return kDatabaseUpdateSetting;
        case Setting::ProgramUpdate:
            return kProgramUpdateSetting;
        case Setting::DatabaseCheck:
            return kDatabaseCheckSetting;
    }
    return "";
}

std::optional<bool> ReadSettingFile(const std::filesystem::path& path) {
    const int fd = OpenRegularFile(path, O_RDONLY);
    unsigned char byte = 0;
    const ssize_t got = ReadSome(fd, reinterpret_cast<char*>(&byte), 1);
    const int error = errno;
    ::close(fd);
    if (got < 0) {
        throw InOutError::FromErrno(error);
    }
    if (got == 0) {
        throw InOutError::ReadBeyondEnd();
    }
    if (byte == 1) {
        return true;
    }
    if (byte == 0) {
        return false;
    }
    return std::nullopt;
}

void WriteSettingFile(const std::filesystem::path& path, bool on) {
    const char byte = on ? 1 : 0;
    SafeReplaceWrite(path, std::string_view(&byte, 1));
}

}  // namespace kulko
