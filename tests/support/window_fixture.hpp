#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/tgenerator.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"

namespace kulko::test {

// A window on a fresh directory with fake screen and system. Settings files
// are written "off" for both updates so start-up stays off the network
// unless a test says otherwise.
class WindowTest : public ::testing::Test {
  protected:
    void WriteSettings(char databaseUpdate, char programUpdate, char databaseCheck) {
        dir.Write("ustalenia_kulko.dat", std::string(1, databaseUpdate));
        dir.Write("ustalenia_kulko_apli.dat", std::string(1, programUpdate));
        dir.Write("ustalenia_kulko_kontrola.dat", std::string(1, databaseCheck));
    }
    Tgenerator& Window() {
        if (!window) {
            window = std::make_unique<Tgenerator>(dir.Path(), screen, system, "updates.test");
        }
        return *window;
    }
    // Creates the window and runs start-up.
    Tgenerator& Start() {
        Window().FormCreate();
        return *window;
    }

    TempDir dir;
    FakeScreen screen;
    FakeSystem system;
    std::unique_ptr<Tgenerator> window;
};

// Lines joined with CR LF, each line ended.
std::string Lines(std::initializer_list<std::string_view> lines);

}  // namespace kulko::test
