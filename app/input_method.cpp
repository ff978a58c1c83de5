#include "app/input_method.h"

#include <QEvent>
#include <QWidget>

#include <utility>

#ifdef Q_OS_WIN
#include "app/input_method_windows.h"
#endif

namespace carloan {
namespace {

input_method_switch& replaced_switch() {
    static input_method_switch replacement;
    return replacement;
}

const char* const japanese_property = "carloan_japanese_input";

}  // namespace

void switch_input_method(QWidget* dialog, bool on) {
    if (const input_method_switch& replacement = replaced_switch()) {
        replacement(dialog, on);
        return;
    }
#ifdef Q_OS_WIN
    set_native_input_method(reinterpret_cast<void*>(dialog->winId()), on);
#else
    Q_UNUSED(dialog);
    Q_UNUSED(on);
#endif
}

void set_input_method_switch(input_method_switch replacement) {
    replaced_switch() = std::move(replacement);
}

input_method_router::input_method_router(QWidget* dialog,
                                         std::initializer_list<QWidget*> japanese_fields,
                                         std::initializer_list<QWidget*> other_fields)
    : QObject(dialog), dialog_(dialog) {
    for (QWidget* field : japanese_fields) {
        field->setProperty(japanese_property, true);
        field->installEventFilter(this);
    }
    for (QWidget* field : other_fields) {
        field->installEventFilter(this);
    }
}

bool input_method_router::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched->property(japanese_property).toBool()) {
        switch_input_method(dialog_, true);
    } else if (event->type() == QEvent::FocusOut) {
        switch_input_method(dialog_, false);
    }
    return QObject::eventFilter(watched, event);
}

void refuse_input_method(QWidget* field) {
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
}

}  // namespace carloan
