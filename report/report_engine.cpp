#include "report/report_engine.h"

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/report_renderer.h"

namespace tensorium {

void ReportEngine::SetUpPrinter(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setFromTo(1, 1);
    printer.setPaperSource(QPrinter::Auto);
}

void ReportEngine::Generate(QPrinter& printer)
{
    if (beforePrint_) beforePrint_();
    printer.setFullPage(true);
    QPainter painter(&printer);
    RenderReportPage(painter, design_, QDateTime::currentDateTime(), QLocale::system());
}

void ReportEngine::Preview(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName("PrintPreview");
    dialog.setWindowTitle("Print Preview");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [this](QPrinter* target) { Generate(*target); });
    dialog.exec();
}

bool ReportEngine::Print(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("ReportPrintDialog");
    if (dialog.exec() != QDialog::Accepted) return false;
    Generate(printer);
    return true;
}

}  // namespace tensorium
