#include "ui/input_method.h"

#include "ui/input_method_platform.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <array>
#include <utility>

namespace carloan {
namespace {

input_method_switch& replaced_switch() {
    static input_method_switch replacement;
    return replacement;
}

// Branch name, staff name, the two opening lines and the three note lines; not the telephone.
constexpr std::array branch_settings_japanese{1005, 1007, 1020, 1008, 1009, 1010, 1011};
// Customer name and the four remarks.
constexpr std::array print_confirmation_japanese{1005, 1007, 1020, 1008, 1009};

const char* const focused_control = "carloan_input_method_focus";

}  // namespace

void switch_input_method(QWidget* dialog, bool on) {
    if (const input_method_switch& replacement = replaced_switch()) {
        replacement(dialog, on);
        return;
    }
    set_native_input_method([dialog] { return reinterpret_cast<void*>(dialog->window()->winId()); },
                            on);
}

void set_input_method_switch(input_method_switch replacement) {
    replaced_switch() = std::move(replacement);
}

bool takes_japanese(input_method_dialog dialog, int control) {
    if (dialog == input_method_dialog::branch_settings) {
        return std::ranges::find(branch_settings_japanese, control) !=
               branch_settings_japanese.end();
    }
    return std::ranges::find(print_confirmation_japanese, control) !=
           print_confirmation_japanese.end();
}

// Qt reports a field gaining the focus twice while its window opens (once as the dialog is shown,
// once as it becomes active); a field that has not lost the focus since is not switched again.
void input_method_focus_gained(QWidget* dialog, input_method_dialog which, int control) {
    if (dialog->property(focused_control).toInt() == control) {
        return;
    }
    dialog->setProperty(focused_control, control);
    if (takes_japanese(which, control)) {
        switch_input_method(dialog, true);
    }
}

void input_method_focus_lost(QWidget* dialog) {
    dialog->setProperty(focused_control, 0);
    switch_input_method(dialog, false);
}

input_method_router::input_method_router(QWidget* dialog, input_method_dialog which,
                                         std::initializer_list<std::pair<QWidget*, int>> fields)
    : QObject(dialog), dialog_(dialog), which_(which) {
    for (const auto& [field, control] : fields) {
        fields_.emplace_back(field, control);
        field->installEventFilter(this);
    }
}

bool input_method_router::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (const auto& [field, control] : fields_) {
            if (field != watched) {
                continue;
            }
            if (event->type() == QEvent::FocusIn) {
                input_method_focus_gained(dialog_, which_, control);
            } else {
                input_method_focus_lost(dialog_);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void refuse_input_method(QWidget* field) {
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
}

}  // namespace carloan
