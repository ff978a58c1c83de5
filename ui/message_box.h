#pragma once
// Every message box of the program goes through here, so that tests can see and answer them
// instead of hanging on a modal box.

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace carloan {

// The caption of every message the program shows.
inline const QString message_caption = QStringLiteral("Tavri");

// The buttons a box can offer, each with the house's own text.
enum class message_answer { ok, yes, no, save, quit, cancel };

struct message_request {
    QWidget* parent = nullptr;
    QString caption;
    QString text;
    std::vector<message_answer> answers{message_answer::ok};  // left to right
    message_answer default_answer = message_answer::ok;       // what Enter chooses
};

// Shows a message with a single OK button over `parent`, and returns when it is dismissed.
void show_message(QWidget* parent, const QString& caption, const QString& text);

// Asks over `parent` with `answers` as buttons, `default_answer` under Enter. Esc and the close
// box answer cancel when it is offered, else no.
message_answer ask_question(QWidget* parent, const QString& caption, const QString& text,
                            std::vector<message_answer> answers, message_answer default_answer);

// Answers in place of the box; it sees every message and question.
using message_hook = std::function<message_answer(const message_request& request)>;

// Replaces the message box (tests); an empty hook restores it.
void set_message_hook(message_hook hook);

}  // namespace carloan
