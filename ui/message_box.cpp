#include "ui/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <utility>

namespace carloan {
namespace {

message_hook& current_hook() {
    static message_hook hook;
    return hook;
}

QString button_text(message_answer answer) {
    switch (answer) {
        case message_answer::ok:
            return QStringLiteral("OK");
        case message_answer::yes:
            return QStringLiteral("はい");
        case message_answer::no:
            return QStringLiteral("いいえ");
        case message_answer::save:
            return QStringLiteral("保存");
        case message_answer::quit:
            return QStringLiteral("終了");
        case message_answer::cancel:
            return QStringLiteral("キャンセル");
    }
    return {};
}

QMessageBox::ButtonRole button_role(message_answer answer) {
    switch (answer) {
        case message_answer::ok:
        case message_answer::save:
            return QMessageBox::AcceptRole;
        case message_answer::yes:
            return QMessageBox::YesRole;
        case message_answer::no:
            return QMessageBox::NoRole;
        case message_answer::quit:
            return QMessageBox::DestructiveRole;
        case message_answer::cancel:
            return QMessageBox::RejectRole;
    }
    return QMessageBox::AcceptRole;
}

message_answer run(const message_request& request) {
    if (const message_hook& hook = current_hook()) {
        return hook(request);
    }
    // The platform fills an empty title with the program's name; a lone blank shows as nothing.
    const QString title = request.caption.isEmpty() ? QStringLiteral(" ") : request.caption;
    QMessageBox box(QMessageBox::NoIcon, title, request.text, QMessageBox::NoButton,
                    request.parent);
    // Esc and the close box take the gentlest way out the box offers.
    message_answer escape_answer = request.default_answer;
    for (const message_answer gentle : {message_answer::no, message_answer::cancel}) {
        if (std::ranges::find(request.answers, gentle) != request.answers.end()) {
            escape_answer = gentle;
        }
    }
    std::map<QAbstractButton*, message_answer> answers;
    for (const message_answer answer : request.answers) {
        QPushButton* button = box.addButton(button_text(answer), button_role(answer));
        answers[button] = answer;
        if (answer == request.default_answer) {
            box.setDefaultButton(button);
        }
        if (answer == escape_answer) {
            box.setEscapeButton(button);
        }
    }
    box.exec();
    const auto chosen = answers.find(box.clickedButton());
    return chosen != answers.end() ? chosen->second : escape_answer;
}

}  // namespace

void show_message(QWidget* parent, const QString& caption, const QString& text) {
    run({parent, caption, text});
}

message_answer ask_question(QWidget* parent, const QString& caption, const QString& text,
                            std::vector<message_answer> answers, message_answer default_answer) {
    return run({parent, caption, text, std::move(answers), default_answer});
}

void set_message_hook(message_hook hook) {
    current_hook() = std::move(hook);
}

}  // namespace carloan
