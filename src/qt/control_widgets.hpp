#pragma once

#include <QWidget>
#include <functional>
#include <unordered_map>

#include "app/controls.hpp"
#include "app/tgenerator.hpp"

namespace kulko {

class ItemListModel;
class GridCellsModel;

// One widget per control, created in the window's creation order so that
// later panels lie above earlier ones.
class ControlWidgets {
  public:
    using RunHandler = std::function<void(const std::function<void()>&)>;

    ControlWidgets(Tgenerator& window, QWidget* surface, RunHandler run);
    ~ControlWidgets();
    ControlWidgets(const ControlWidgets&) = delete;
    ControlWidgets& operator=(const ControlWidgets&) = delete;

    // Pushes every control's values into its widget.
    void SyncAll();
    QWidget* WidgetOf(const Control& control) const;

  private:
    QWidget* Create(Control& control, QWidget* parent);
    void Connect(Control& control, QWidget* widget);
    void Apply(Control& control, QWidget* widget);

    Tgenerator& window_;
    RunHandler run_;
    bool syncing_ = false;
    std::unordered_map<const Control*, QWidget*> widgets_;
    std::unordered_map<const Control*, QWidget*> panelCaptions_;
    std::unordered_map<const Control*, ItemListModel*> listModels_;
    std::unordered_map<const Control*, GridCellsModel*> gridModels_;
    std::unordered_map<const Control*, std::uint64_t> comboRevisions_;
};

}  // namespace kulko
