#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "app/controls.hpp"
#include "app/tgenerator.hpp"

namespace kulko {

class ItemListModel;
class GridCellsModel;

// One widget per control, created in the window's creation order so that
// later panels lie above earlier ones. The controls say all the widgets
// need: kind, look, handler and values; no control is known by its name.
class ControlWidgets {
  public:
    using RunHandler = std::function<void(const std::function<void()>&)>;

    ControlWidgets(Tgenerator& window, QWidget* surface, RunHandler run);
    ~ControlWidgets();
    ControlWidgets(const ControlWidgets&) = delete;
    ControlWidgets& operator=(const ControlWidgets&) = delete;

    // Pushes every control's values into its widget.
    void SyncAll();

  private:
    // A widget of the control's kind and look (widget_creation.cpp).
    QWidget* Create(Control& control, QWidget* parent);
    // Clicks call the control's handler, edits go into the control
    // (widget_signals.cpp).
    void Connect(Control& control, QWidget* widget);
    // Shows the control's values where the widget differs
    // (widget_updates.cpp).
    void Apply(Control& control, QWidget* widget);

    Tgenerator& window_;
    RunHandler run_;
    bool syncing_ = false;
    std::unordered_map<const Control*, QWidget*> widgets_;
    std::unordered_map<const Control*, QWidget*> panelCaptions_;
    std::unordered_map<const Control*, ItemListModel*> listModels_;
    std::unordered_map<const Control*, GridCellsModel*> gridModels_;
    // The revisions of the combos' items and the pictures on screen.
    std::unordered_map<const Control*, std::uint64_t> comboRevisions_;
    std::unordered_map<const Control*, std::uint64_t> pictureRevisions_;
};

}  // namespace kulko
