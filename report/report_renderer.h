// Lays a report page out on any painter: preview, printer and PDF alike.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QRectF>

#include "report/report_design.h"

namespace tensorium {

// The date-and-time text: the short date and the long time of `locale`
// (without a time zone); at exactly midnight the date alone.
QString ReportDateTimeText(const QDateTime& when, const QLocale& locale);

// Draws the page. The painter's origin is the paper's top-left corner and
// its device's logical resolution converts millimetres to device units.
void RenderReportPage(QPainter& painter, const ReportDesign& design, const QDateTime& when,
                      const QLocale& locale);

// Where an element's text sits on the paper, in millimetres (for checks).
QRectF ElementBoxMm(const ReportDesign& design, const ReportElement& element, const QPaintDevice& device,
                    const QString& text);

}  // namespace tensorium
