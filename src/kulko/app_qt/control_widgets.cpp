#include "app_qt/control_widgets.hpp"

namespace kulko {

ControlWidgets::ControlWidgets(Tgenerator& window, QWidget* surface, RunHandler run)
    : window_(window), run_(std::move(run)) {
    for (Control* control : window_.Controls()) {
        QWidget* parent = control->parent == nullptr ? surface : widgets_.at(control->parent);
        QWidget* widget = Create(*control, parent);
        widget->setObjectName(QString::fromStdString(control->name));
        widgets_[control] = widget;
        Connect(*control, widget);
    }
    // No values are pushed yet: the window's creation handler runs next and
    // sets most of them again, and the widgets are synced after it, before
    // the window is first shown.
}

// The list and grid views read the window's items and cells through their
// models, and those go with the window class before the surface deletes its
// child widgets; so these views are taken down first, while the data lives.
ControlWidgets::~ControlWidgets() {
    for (const auto& [control, model] : listModels_) {
        delete widgets_.at(control);
    }
    for (const auto& [control, model] : gridModels_) {
        delete widgets_.at(control);
    }
}

void ControlWidgets::SyncAll() {
    syncing_ = true;
    for (Control* control : window_.Controls()) {
        Apply(*control, widgets_.at(control));
    }
    syncing_ = false;
}

}  // namespace kulko
