#pragma once
// Driving the quote dialogs: their widgets found the way a screen reader finds them, typing,
// and the quote folder.

#include "gui_support.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QTest>
#include <QWidget>

#include <filesystem>

namespace carloan::testing {

// Points TMPDIR, and so the quote folder, somewhere else while it lives.
class temporary_directory {
  public:
    explicit temporary_directory(const std::filesystem::path& folder)
        : had_(qEnvironmentVariableIsSet("TMPDIR")), old_(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", QFile::encodeName(QString::fromStdU16String(folder.u16string())));
    }
    ~temporary_directory() { had_ ? qputenv("TMPDIR", old_) : qunsetenv("TMPDIR"); }
    temporary_directory(const temporary_directory&) = delete;
    temporary_directory& operator=(const temporary_directory&) = delete;

  private:
    bool had_;
    QByteArray old_;
};

// Types each character as a key press, so the field's validator sees it as it would a clerk's
// typing; QTest::keyClicks takes ASCII only.
inline void type_text(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace carloan::testing
