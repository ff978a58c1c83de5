// Entry point of the headless GUI tests: one QApplication on the offscreen platform, any
// message box or save dialog that no test expects fails the test instead of waiting for a click,
// and quotes, settings and proposed documents that a test saves without pointing them elsewhere
// stay out of the user's own folders.

#include "gui_support.h"
#include "ui/message_box.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir user_folders;
    qputenv("XDG_DATA_HOME", QFile::encodeName(user_folders.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(user_folders.filePath("config")));
    // Saves propose the documents folder under home, and make it when it is missing.
    QDir().mkpath(user_folders.filePath("home"));
    qputenv("HOME", QFile::encodeName(user_folders.filePath("home")));
    qputenv("APPDATA", QFile::encodeName(user_folders.filePath("roaming")));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    carloan::set_message_hook([](const carloan::message_request& request) {
        ADD_FAILURE() << "unexpected message box [" << request.caption.toStdString()
                      << "]: " << request.text.toStdString();
        return request.default_answer;
    });
    carloan::testing::refuse_save_dialogs();
    return RUN_ALL_TESTS();
}
