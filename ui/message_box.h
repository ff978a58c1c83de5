#pragma once
// Every message box of the program goes through here, so that tests can see and answer them
// instead of hanging on a modal box.

#include <QString>

#include <functional>

class QWidget;

namespace carloan {

inline const QString caption_tavri = QStringLiteral("Tavri");

// Shows a message with a single OK button over `parent`, and returns when it is dismissed.
void show_message(QWidget* parent, const QString& caption, const QString& text);

using message_hook =
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

// Replaces the message box (tests); an empty hook restores it.
void set_message_hook(message_hook hook);

}  // namespace carloan
