#include "print/print_pages.h"

#include "storage/atomic_file.h"
#include "ui/dialog_placement.h"
#include "ui/message_box.h"

#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <filesystem>
#include <span>
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

const QPageLayout pdf_page_layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0));

void draw_pages(QPainter& painter, QPagedPaintDevice& device, const drawn_pages& pages) {
    for (int index = 0; index < pages.count; ++index) {
        if (index > 0) {
            device.newPage();
        }
        pages.draw(painter, index);
    }
}

// The default printer when there is one, so that the preview shows its paper and printable area;
// else a PDF page, so that the clerk still sees what a PDF would hold.
std::unique_ptr<QPrinter> preview_printer() {
    const print_platform& platform = current_platform();
    const QString name = platform.default_printer_name();
    std::unique_ptr<QPrinter> printer = name.isEmpty() ? nullptr : platform.open_printer(name);
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageLayout(pdf_page_layout);
    }
    printer->setResolution(page_dots_per_inch);
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

bool print_pages(QWidget* owner, const QString& document_name, const drawn_pages& pages) {
    const print_platform& platform = current_platform();
    const QString name = platform.default_printer_name();
    if (name.isEmpty()) {
        show_message(owner, message_caption, QStringLiteral("プリンタ名の取得に失敗しました"));
        return false;
    }
    const std::unique_ptr<QPrinter> printer = platform.open_printer(name);
    if (!printer) {
        show_message(owner, message_caption, QStringLiteral("プリンタの初期化に失敗しました"));
        return false;
    }
    printer->setResolution(page_dots_per_inch);
    printer->setDocName(document_name);

    QPainter painter;
    if (!painter.begin(printer.get())) {
        show_message(owner, message_caption, QStringLiteral("StartDocに失敗しました"));
        return false;
    }
    draw_pages(painter, *printer, pages);
    return painter.end();
}

void preview_pages(QWidget* parent, const QString& document_name, const drawn_pages& pages) {
    const std::unique_ptr<QPrinter> printer = preview_printer();
    printer->setDocName(document_name);
    QPrintPreviewDialog preview(printer.get(), parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter* target) {
                         QPainter painter;
                         if (painter.begin(target)) {
                             draw_pages(painter, *target, pages);
                         }
                     });
    // Qt's own size shows the page too small to read.
    if (const QScreen* screen = preview.screen()) {
        preview.resize(screen->availableGeometry().size() * 4 / 5);
    }
    move_to_screen_corner(&preview);
    preview.exec();
}

bool write_pdf(const QString& path, const QString& document_name, const drawn_pages& pages) {
    // Drawn into memory first: the file is then written in one go by the writer every save uses,
    // which reports each failed write, sync or rename and keeps the old file whole.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pdf_page_layout);
        writer.setResolution(page_dots_per_inch);
        writer.setTitle(document_name);
        writer.setCreator(QStringLiteral("carloan"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return false;
        }
        draw_pages(painter, writer, pages);
        if (!painter.end()) {
            return false;
        }
    }
    return write_file_atomically(std::filesystem::path(path.toStdU16String()),
                                 std::span<const char>(bytes.constData(), bytes.size()));
}

}  // namespace carloan
