// Qt's own dialogs speak Japanese: its translation is found in the first folder that has it.

#include "ui/qt_translation.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace carloan {
namespace {

QString print_preview_title() {
    return QCoreApplication::translate("QPrintPreviewDialog", "Print Preview");
}

TEST(qt_translation, comes_from_the_first_folder_that_holds_it) {
    ASSERT_EQ(print_preview_title(), "Print Preview");
    QTemporaryDir beside_program;
    const QString installed = qt_translation_folders().front() + "/qtbase_ja.qm";
    ASSERT_TRUE(QFile::copy(installed, beside_program.filePath("qtbase_ja.qm")))
        << "qt6-translations-l10n is installed";
    EXPECT_EQ(qt_translation_folders().back(),
              QCoreApplication::applicationDirPath() + "/translations");

    EXPECT_FALSE(install_qt_translation({beside_program.filePath("none")}));
    EXPECT_EQ(print_preview_title(), "Print Preview");
    EXPECT_TRUE(install_qt_translation({beside_program.filePath("none"), beside_program.path()}));
    EXPECT_EQ(print_preview_title(), "印刷のプレビュー");
}

}  // namespace
}  // namespace carloan
