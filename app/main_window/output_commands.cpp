// The output commands: printing the window and the diagrams, the printer
// setup, copying the diagrams, and the About page's links.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

#include "app/app_identity.h"
#include "app/main_window/frm_tensorium.h"
#include "chart/print_layout.h"
#include "chart/tchart.h"
#include "core/tensor_error.h"

namespace tensorium {

// The printer of the print commands: the one chosen in the printer setup,
// else the system's default printer, looked up at the time of printing.
QPrinter& TFrmTensorium::CurrentPrinter()
{
    if (!printerChosen_) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) throw TensorError("There is no default printer currently selected");
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    return *printer_;
}

void TFrmTensorium::mnuPrintFormClick()
{
    QPrinter& printer = CurrentPrinter();
    const QPixmap form = centralWidget()->grab();
    printer.setDocName(identity::kWindowCaption);
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer)) throw TensorError("Printing failed");
    // The size it has on a 96 pixels-per-inch screen, at the printable area's corner.
    const double scale = printer.resolution() / 96.0;
    painter.drawPixmap(QRectF(0, 0, centralWidget()->width() * scale, centralWidget()->height() * scale),
                       form, QRectF(form.rect()));
    painter.end();
}

void TFrmTensorium::PrintChart(const TChart& chart)
{
    QPrinter& printer = CurrentPrinter();
    printer.setDocName(chart.objectName());
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer)) throw TensorError("Printing failed");
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    chart.Paint(painter, ChartPrintRect(page, chart.size()));
    painter.end();
}

void TFrmTensorium::mnuPrintStereographClick() { PrintChart(*Chart1); }
void TFrmTensorium::mnuPrintMohrCirclesClick() { PrintChart(*Chart2); }

void TFrmTensorium::mnuPrinterSetupClick()
{
    // The dialog works on a copy, so that a cancel leaves the printer as it was.
    QPrinter candidate(QPrinter::HighResolution);
    if (printerChosen_) {
        candidate.setPrinterName(printer_->printerName());
        candidate.setOutputFileName(printer_->outputFileName());
        candidate.setPageLayout(printer_->pageLayout());
    }
    QPrintDialog dialog(&candidate, this);
    dialog.setObjectName("PrinterSetupDialog");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) return;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPrinterName(candidate.printerName());
    printer_->setOutputFileName(candidate.outputFileName());
    printer_->setPageLayout(candidate.pageLayout());
    printerChosen_ = true;
}

// A scalable picture for programs that take SVG, and the same picture as a
// bitmap for those that take only images.
void TFrmTensorium::CopyChart(const TChart& chart)
{
    auto* mime = new QMimeData;
    mime->setData("image/svg+xml", chart.ToSvg());
    QImage bitmap(chart.size(), QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    chart.Paint(painter, QRectF(bitmap.rect()));
    painter.end();
    mime->setImageData(bitmap);
    QApplication::clipboard()->setMimeData(mime);
}

void TFrmTensorium::mnuCopyStereographClick() { CopyChart(*Chart1); }
void TFrmTensorium::mnuCopyMohrCirclesClick() { CopyChart(*Chart2); }

// A page that cannot be opened is ignored, as the desktop leaves it.
void TFrmTensorium::Label28Click() { QDesktopServices::openUrl(QUrl(identity::kInstitutionUrl)); }
void TFrmTensorium::Label32Click() { QDesktopServices::openUrl(QUrl(identity::kLaboratoryUrl)); }
void TFrmTensorium::Label33Click() { QDesktopServices::openUrl(QUrl(identity::kSchoolUrl)); }

}  // namespace tensorium
