// The clock of the window on the real system: the time in the long time
// format of the user's locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <optional>
#include <regex>

#include "app/tgenerator.hpp"
#include "support/fakes.hpp"
#include "support/scoped_environment.hpp"
#include "support/temp_dir.hpp"
#include "platform/linux_system.hpp"

namespace kulko::test {
namespace {

TEST(Clock, ShowsTheLongTimeFormatOfTheUsersLocale) {
    // English (US) writes the time with AM or PM; the locale is built here,
    // as a machine need not have it generated.
    TempDir locales;
    const std::string build =
        "localedef -i en_US -f UTF-8 '" + (locales / "en_US.UTF-8").string() + "' 2>/dev/null";
    if (std::system(build.c_str()) != 0) {
        GTEST_SKIP() << "localedef could not build en_US (Debian package locales)";
    }
    {
        const ScopedEnvironment path("LOCPATH", locales.Path().c_str());
        const ScopedEnvironment all("LC_ALL", std::nullopt);
        const ScopedEnvironment time("LC_TIME", "en_US.UTF-8");
        TempDir dir;
        FakeScreen screen;
        LinuxSystem system;
        Tgenerator window(dir.Path(), screen, system);
        window.Timer1Timer();
        EXPECT_TRUE(std::regex_match(window.Label12.caption,
                                     std::regex("[01][0-9]:[0-5][0-9]:[0-5][0-9] [AP]M")))
            << window.Label12.caption;
    }
    std::setlocale(LC_TIME, "C");
}

}  // namespace
}  // namespace kulko::test
