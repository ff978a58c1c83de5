#pragma once
// Per-field switching of the Japanese input method in the two dialogs that take free Japanese
// text. A field of the dialog's set switches it on when it gains the focus; any field switches it
// off when it loses the focus, so moving between two Japanese fields closes and reopens it, and
// moving to a button or to the telephone field leaves it closed.

#include <QObject>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QWidget;

namespace carloan {

enum class input_method_dialog { branch_settings, print_confirmation };

// The one operation that talks to the platform: the dialog's own input context on (full-width
// hiragana, romaji typing) or off. Windows uses the input-method manager; elsewhere it does
// nothing.
void switch_input_method(QWidget* dialog, bool on);

using input_method_switch = std::function<void(QWidget* dialog, bool on)>;

// Replaces the switch (tests record the calls); an empty switch restores the platform's.
void set_input_method_switch(input_method_switch replacement);

// True for the fields (control numbers) of a dialog that take Japanese text.
bool takes_japanese(input_method_dialog dialog, int control);

void input_method_focus_gained(QWidget* dialog, input_method_dialog which, int control);
void input_method_focus_lost(QWidget* dialog);

// Watches a dialog's text fields, each with its control number, and routes the focus entering
// and leaving them to the two calls above.
class input_method_router : public QObject {
  public:
    input_method_router(QWidget* dialog, input_method_dialog which,
                        std::initializer_list<std::pair<QWidget*, int>> fields);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* dialog_;
    input_method_dialog which_;
    std::vector<std::pair<QObject*, int>> fields_;
};

// A field that never takes input-method text, whatever the platform's input method does.
void refuse_input_method(QWidget* field);

}  // namespace carloan
