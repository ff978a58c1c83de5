#pragma once
// Finding the quote dialogs' widgets the way a screen reader does.

#include <gtest/gtest.h>
#include <QList>
#include <QString>
#include <QTest>
#include <QWidget>

namespace carloan::testing {

template <typename Widget>
Widget* by_accessible_name(QWidget* root, const QString& name) {
    for (Widget* widget : root->findChildren<Widget*>()) {
        if (widget->accessibleName() == name) {
            return widget;
        }
    }
    ADD_FAILURE() << "no widget named " << name.toStdString();
    return nullptr;
}

// Types each character as a key press, so the field's validator sees it as it would a clerk's
// typing; QTest::keyClicks takes ASCII only.
inline void type_text(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace carloan::testing
