#include "ui/message_box.h"

#include <QMessageBox>

#include <utility>

namespace carloan {
namespace {

message_hook& current_hook() {
    static message_hook hook;
    return hook;
}

}  // namespace

void show_message(QWidget* parent, const QString& caption, const QString& text) {
    if (const message_hook& hook = current_hook()) {
        hook(parent, caption, text);
        return;
    }
    // The platform fills an empty title with the program's name; a lone blank shows as nothing.
    const QString title = caption.isEmpty() ? QStringLiteral(" ") : caption;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void set_message_hook(message_hook hook) {
    current_hook() = std::move(hook);
}

}  // namespace carloan
