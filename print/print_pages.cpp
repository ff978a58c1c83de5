#include "print/print_pages.h"

#include "ui/message_box.h"

#include <QDateTime>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace carloan {
namespace {

print_platform& current_platform() {
    static print_platform platform = system_print_platform();
    return platform;
}

local_time system_local_time() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

QString system_default_printer_name() {
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<QPrinter> open_system_printer(const QString& name) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid()) {
        return nullptr;
    }
    return printer;
}

}  // namespace

print_platform system_print_platform() {
    return {system_local_time, system_default_printer_name, open_system_printer};
}

void set_print_platform(print_platform platform) {
    current_platform() = std::move(platform);
}

local_time print_time() {
    return current_platform().local_clock();
}

void print_pages(QWidget* owner, const QString& document_name, int page_count,
                 const page_drawing& draw) {
    const print_platform& platform = current_platform();
    const QString name = platform.default_printer_name();
    if (name.isEmpty()) {
        show_message(owner, QString(), QStringLiteral("プリンタ名の取得に失敗しました"));
        return;
    }
    const std::unique_ptr<QPrinter> printer = platform.open_printer(name);
    if (!printer) {
        show_message(owner, QString(), QStringLiteral("プリンタの初期化に失敗しました"));
        return;
    }
    printer->setResolution(page_dots_per_inch);
    printer->setDocName(document_name);

    QPainter painter;
    if (!painter.begin(printer.get())) {
        show_message(owner, QStringLiteral("Quillane"), QStringLiteral("StartDocに失敗しました"));
        return;
    }
    for (int index = 0; index < page_count; ++index) {
        if (index > 0) {
            printer->newPage();
        }
        draw(painter, index);
    }
    painter.end();
}

}  // namespace carloan
