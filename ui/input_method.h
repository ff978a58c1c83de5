#pragma once
// Per-field switching of the Japanese input method in the dialogs that take free Japanese text.
// Each dialog names its own text fields and which of them take Japanese; a field that does
// switches it on when it gains the focus, and any field switches it off when it loses the focus,
// so moving between two Japanese fields closes and reopens it, and moving to a button or to the
// telephone field leaves it closed.

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace carloan {

// The one operation that talks to the platform: the dialog's own input context on (full-width
// hiragana, romaji typing) or off. Windows uses the input-method manager; elsewhere it does
// nothing.
void switch_input_method(QWidget* dialog, bool on);

using input_method_switch = std::function<void(QWidget* dialog, bool on)>;

// Replaces the switch (tests record the calls); an empty switch restores the platform's.
void set_input_method_switch(input_method_switch replacement);

// A text field of a dialog, its control number, and whether it takes Japanese text.
struct input_method_field {
    QWidget* field;
    int control;
    bool japanese;
};

// Watches a dialog's text fields and switches the input method as the focus enters and leaves
// them; owned by the dialog.
class input_method_router : public QObject {
    Q_OBJECT

  public:
    input_method_router(QWidget* dialog, std::vector<input_method_field> fields);

    // True for a field of this dialog that takes Japanese text.
    bool takes_japanese(int control) const;

  signals:
    // The focus entering and leaving each field, by control number, after the switch.
    void focus_gained(int control);
    void focus_lost(int control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* dialog_;
    std::vector<input_method_field> fields_;
    // Qt reports a field gaining the focus twice while its window opens (once as the dialog is
    // shown, once as it becomes active); a field that has not lost the focus since is not
    // switched again.
    int focused_control_ = 0;
};

// A field that never takes input-method text, whatever the platform's input method does.
void refuse_input_method(QWidget* field);

}  // namespace carloan
