#include "storage/earlier_quotes_notice.h"

#include "ui/message_box.h"

#include <QDir>
#include <QStringList>

namespace carloan {

QString quotes_left_message(const std::vector<std::filesystem::path>& left) {
    if (left.empty()) {
        return {};
    }
    QStringList names;
    for (const std::filesystem::path& quote : left) {
        names << QString::fromStdU16String(quote.filename().u16string());
    }
    const QString folder =
        QDir::toNativeSeparators(QString::fromStdU16String(left.front().parent_path().u16string()));
    return QStringLiteral(
               "次の見積は同じ名前が既にあるなどのため見積フォルダへ移せず、元の場所に"
               "残しています。\n%1\n%2")
        .arg(folder, names.join(QLatin1Char('\n')));
}

void tell_quotes_left(QWidget* parent, const std::vector<std::filesystem::path>& left) {
    if (!left.empty()) {
        show_message(parent, message_caption, quotes_left_message(left));
    }
}

}  // namespace carloan
