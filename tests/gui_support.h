#pragma once
// Small tools for driving the real windows in headless tests.

#include "ui/file_dialog.h"
#include "ui/message_box.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace carloan::testing {

struct shown_message {
    QString caption;
    QString text;
    std::vector<message_answer> answers{message_answer::ok};
    message_answer default_answer = message_answer::ok;
};

// A widget found the way a screen reader finds it: by its accessible name.
template <typename Widget = QLineEdit>
Widget* by_accessible_name(QWidget* root, const QString& name) {
    for (Widget* widget : root->findChildren<Widget*>()) {
        if (widget->accessibleName() == name) {
            return widget;
        }
    }
    ADD_FAILURE() << "no widget named " << name.toStdString();
    return nullptr;
}

// A push button by the text it shows, blanks around it aside.
inline QPushButton* button_labelled(QWidget* root, const QString& text) {
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        if (button->text().trimmed() == text) {
            return button;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

// Records every message box shown while it lives; each is answered at once with the next of
// `answers`, or when none is left with its default button, as Enter would.
class message_recorder {
  public:
    message_recorder() {
        set_message_hook([this](const message_request& request) {
            messages.push_back(
                {request.caption, request.text, request.answers, request.default_answer});
            if (on_message) {
                on_message();
            }
            if (answers.empty()) {
                return request.default_answer;
            }
            const message_answer answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
    }
    ~message_recorder() {
        set_message_hook([](const message_request& request) {
            ADD_FAILURE() << "unexpected message box [" << request.caption.toStdString()
                          << "]: " << request.text.toStdString();
            return request.default_answer;
        });
    }
    message_recorder(const message_recorder&) = delete;
    message_recorder& operator=(const message_recorder&) = delete;

    std::vector<shown_message> messages;
    std::vector<message_answer> answers;
    std::function<void()> on_message;  // runs inside the (would-be) modal box
};

// Runs `act` on the next modal dialog once it is shown, from inside its event loop. The dialog
// is found as the active modal widget; `act` must end it (accept, reject, a click on a button).
inline void when_modal(std::function<void(QWidget*)> act, int timeout_ms = 5000) {
    QWidget* before = QApplication::activeModalWidget();
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, timer, poll, timeout_ms, before]() {
        if (QWidget* modal = QApplication::activeModalWidget();
            modal && modal != before && modal->isVisible()) {
            act(modal);
            return;
        }
        if (timer->elapsed() > timeout_ms) {
            ADD_FAILURE() << "no modal dialog appeared";
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
}

// Fails the test on a save dialog that no test answers, instead of waiting for a click.
inline void refuse_save_dialogs() {
    set_save_file_hook([](QWidget*, const QString& caption, const QString&) {
        ADD_FAILURE() << "unexpected save dialog " << caption.toStdString();
        return QString();
    });
}

// Answers every save dialog while it lives with `name` in a folder of its own (an empty name
// cancels), and remembers the paths proposed.
class save_file_answer {
  public:
    explicit save_file_answer(const QString& name) {
        if (!name.isEmpty()) {
            path = folder.filePath(name);
        }
        set_save_file_hook([this](QWidget*, const QString&, const QString& proposed_path) {
            proposed.push_back(proposed_path);
            return path;
        });
    }
    ~save_file_answer() { refuse_save_dialogs(); }
    save_file_answer(const save_file_answer&) = delete;
    save_file_answer& operator=(const save_file_answer&) = delete;

    QTemporaryDir folder;
    QString path;
    QStringList proposed;
};

}  // namespace carloan::testing
