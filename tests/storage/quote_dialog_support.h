#pragma once
// Driving the quote dialogs: their widgets found the way a screen reader finds them, and typing.

#include "gui_support.h"

#include <gtest/gtest.h>
#include <QList>
#include <QString>
#include <QTest>
#include <QWidget>

#include <filesystem>

namespace carloan::testing {

// Types each character as a key press, so the field's validator sees it as it would a clerk's
// typing; QTest::keyClicks takes ASCII only.
inline void type_text(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace carloan::testing
