#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "app_qt/main_window.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"

namespace kulko::test {

// Finds a control's widget in the real window by its control name.
template <typename WidgetType>
WidgetType* Find(QWidget& window, const char* name) {
    return window.findChild<WidgetType*>(QString::fromLatin1(name));
}

inline std::string LabelText(QWidget& window, const char* name) {
    QLabel* label = Find<QLabel>(window, name);
    return label == nullptr ? std::string("<missing>") : label->text().toStdString();
}

// Answers the next modal box that opens with the button of this caption,
// and records its text.
void AnswerNextBox(const QString& buttonText, QString* seenText = nullptr);

// A working directory holding the shipped history and settings that keep
// start-up off the network.
void PrepareWorkDir(const TempDir& dir);

// The real window on the shipped history, started with the news already
// seen so that nothing covers the main area, shown and active.
class ShownWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    // Files a test wants in the working directory before start-up.
    virtual void PrepareFiles() {}
    // Clicks a control once the control timer has enabled it.
    void Click(const char* name);

    TempDir dir;
    FakeSystem system;
    std::unique_ptr<MainWindow> window;
};

}  // namespace kulko::test
