// The options panel: loading, storing and showing the three settings.
#include "app/tgenerator.hpp"
#include "files/work_dir_lock.hpp"
#include "settings/settings_files.hpp"

namespace kulko {
namespace {

struct SettingControls {
    Control& on;
    Control& off;
    Control& status;
    const char* onText;
    const char* offText;
};

}  // namespace

void Tgenerator::LoadSettings(SettingsTexts texts) {
    const bool startUp = texts == SettingsTexts::StartUp;
    const SettingControls entries[] = {
        {akt1, akt2, Label23, startUp ? "Aktualizacje baz włączone" : "Aktualizacje włączone",
         startUp ? "Aktualizacje baz wyłączone" : "Aktualizacje wyłączone"},
        {akt3, akt4, Label25, "Aktualizacje programu włączone", "Aktualizacje programu wyłączone"},
        {kontrola1, kontrola2, Label24, "Kontrola baz włączona", "Kontrola baz wyłączona"},
    };
    for (std::size_t i = 0; i < kAllSettings.size(); ++i) {
        const SettingControls& entry = entries[i];
        const std::optional<bool> value = ReadSettingFile(File(SettingFileName(kAllSettings[i])));
        if (!value.has_value()) {
            continue;  // a byte other than 0 and 1 changes nothing
        }
        Select(*value ? entry.on : entry.off);
        entry.status.caption = *value ? entry.onText : entry.offText;
    }
}

void Tgenerator::SaveSettings() {
    const Control* onButtons[] = {&akt1, &akt3, &kontrola1};
    for (std::size_t i = 0; i < kAllSettings.size(); ++i) {
        WriteSettingFile(File(SettingFileName(kAllSettings[i])), onButtons[i]->checked);
    }
}

void Tgenerator::SpeedButton12Click() {
    LoadSettings(SettingsTexts::Ustaw);
    Place(Panel3, 218, 122, 425, 279);
}

void Tgenerator::BitBtn1Click() {
    const WorkDirLock lock(workDir_, PaintWhileWaiting());
    SaveSettings();
    LoadSettings(SettingsTexts::StartUp);
}

void Tgenerator::BitBtn2Click() {
    Panel3.visible = false;
}

}  // namespace kulko
