#pragma once
// Every message box of the program goes through here, so that tests can see and answer them
// instead of hanging on a modal box.

#include <QString>

#include <functional>

class QWidget;

namespace carloan {

// The caption of every message the program shows.
inline const QString message_caption = QStringLiteral("Tavri");
// The former name, until the dialogs now being reworked elsewhere move to message_caption.
inline const QString& caption_tavri = message_caption;

// Shows a message with a single OK button over `parent`, and returns when it is dismissed.
void show_message(QWidget* parent, const QString& caption, const QString& text);

using message_hook =
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

// Replaces the message box (tests); an empty hook restores it.
void set_message_hook(message_hook hook);

}  // namespace carloan
