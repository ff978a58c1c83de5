#include "ui/input_method.h"

#include "ui/input_method_platform.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace carloan {
namespace {

input_method_switch& replaced_switch() {
    static input_method_switch replacement;
    return replacement;
}

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

input_method_router::input_method_router(QWidget* dialog, std::vector<input_method_field> fields)
    : QObject(dialog), dialog_(dialog), fields_(std::move(fields)) {
    for (const input_method_field& entry : fields_) {
        entry.field->installEventFilter(this);
    }
}

bool input_method_router::takes_japanese(int control) const {
    return std::ranges::any_of(fields_, [control](const input_method_field& entry) {
        return entry.control == control && entry.japanese;
    });
}

bool input_method_router::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (const input_method_field& entry : fields_) {
            if (entry.field != watched) {
                continue;
            }
            if (event->type() == QEvent::FocusIn) {
                if (focused_control_ != entry.control) {
                    focused_control_ = entry.control;
                    if (entry.japanese) {
                        switch_input_method(dialog_, true);
                    }
                }
                emit focus_gained(entry.control);
            } else {
                focused_control_ = 0;
                switch_input_method(dialog_, false);
                emit focus_lost(entry.control);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void refuse_input_method(QWidget* field) {
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
}

}  // namespace carloan
