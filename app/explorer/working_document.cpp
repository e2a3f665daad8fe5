#include "app/explorer/working_document.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

#include "app/files/whole_file_writer.h"

namespace tensorium {

QFont WorkingFont()
{
    QFont font("DejaVu Sans Mono");  // has the Greek letters, subscripts and symbols of the working
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void PaintWorking(const QString& text, QPagedPaintDevice& device)
{
    QTextDocument document;
    QFont font = WorkingFont();
    font.setPointSizeF(9);  // 78 characters fit between the 2 cm margins that print() leaves
    document.setDefaultFont(font);
    document.setPlainText(text);
    // An unpaginated document is laid out on the device's pages with 2 cm
    // margins and a page number at the foot of each.
    document.print(&device);
}

QByteArray A4Pdf(const QString& title, const std::function<void(QPagedPaintDevice&)>& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator("Tensorium");
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        paint(pdf);
    }
    buffer.close();
    return bytes;
}

bool SaveWorkingPdf(const QString& text, const QString& path, QString* error)
{
    const QByteArray bytes =
        A4Pdf("Tensorium - worked solution", [&text](QPagedPaintDevice& pdf) { PaintWorking(text, pdf); });
    return WriteWholeFile(path, bytes, "The worked solution", error);
}

void PreviewWorking(const QString& text, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName("Tensorium - worked solution");
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName("WorkingPrintPreview");
    dialog.setWindowTitle("Print Preview");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&text](QPrinter* target) { PaintWorking(text, *target); });
    dialog.exec();
}

}  // namespace tensorium
