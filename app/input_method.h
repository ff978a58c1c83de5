#pragma once
// Per-field switching of the Japanese input method in the two dialogs that take free Japanese
// text. A field of a dialog's set switches it on when it gains the focus; any field switches it
// off when it loses the focus, so moving between two Japanese fields closes and reopens it.

#include <QObject>

#include <functional>
#include <initializer_list>

class QWidget;

namespace carloan {

// The one operation that talks to the platform: the dialog's own input context on or off.
// Windows uses the input-method manager; elsewhere it does nothing.
using input_method_switch = std::function<void(QWidget* dialog, bool on)>;

void switch_input_method(QWidget* dialog, bool on);

// Replaces the switch (tests record the calls); an empty switch restores the platform's.
void set_input_method_switch(input_method_switch replacement);

// Watches a dialog's text fields and switches the input method as the focus enters and leaves
// them. Fields not in `japanese_fields` only switch it off when they lose the focus.
class input_method_router : public QObject {
  public:
    input_method_router(QWidget* dialog, std::initializer_list<QWidget*> japanese_fields,
                        std::initializer_list<QWidget*> other_fields);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* dialog_;
};

// A field that never takes input-method text, whatever the platform's input method does.
void refuse_input_method(QWidget* field);

}  // namespace carloan
