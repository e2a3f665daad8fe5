#include "report/report_renderer.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace tensorium {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kRuleWidthMm = 0.25;

QFont FontOf(const ReportFont& f)
{
    QFont font(f.family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(f.pointSize);
    font.setBold(f.bold);
    return font;
}

QString TextOf(const ReportElement& element, const QDateTime& when, const QLocale& locale)
{
    return element.kind == ReportElement::Kind::DateTime ? ReportDateTimeText(when, locale) : element.text;
}

}  // namespace

QString ReportDateTimeText(const QDateTime& when, const QLocale& locale)
{
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() == QTime(0, 0)) return date;
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove('t');  // the time zone name
    return date + ' ' + locale.toString(when.time(), format.trimmed());
}

QRectF ElementBoxMm(const ReportDesign& design, const ReportElement& element, const QPaintDevice& device,
                    const QString& text)
{
    const QFontMetricsF metrics(FontOf(element.font), const_cast<QPaintDevice*>(&device));
    const double pxPerMm = device.logicalDpiX() / kMmPerInch;
    const double pyPerMm = device.logicalDpiY() / kMmPerInch;
    const double width = metrics.horizontalAdvance(text) / pxPerMm;
    const double height = metrics.height() / pyPerMm;
    const double left =
        design.margin + (element.align == ReportElement::Align::Right ? element.x - width : element.x);
    return {left, design.margin + element.y, width, height};
}

void RenderReportPage(QPainter& painter, const ReportDesign& design, const QDateTime& when,
                      const QLocale& locale)
{
    QPaintDevice* device = painter.device();
    const double pxPerMm = device->logicalDpiX() / kMmPerInch;
    const double pyPerMm = device->logicalDpiY() / kMmPerInch;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(design.margin * pxPerMm, design.margin * pyPerMm, design.bandWidth * pxPerMm,
                            design.bandHeight * pyPerMm),
                     Qt::white);
    for (const ReportElement& element : design.elements) {
        if (element.kind == ReportElement::Kind::Rule) {
            const double y = (design.margin + element.y + element.height / 2) * pyPerMm;
            const double x0 = (design.margin + element.x) * pxPerMm;
            const double x1 = (design.margin + element.x + element.width) * pxPerMm;
            painter.setPen(QPen(Qt::black, kRuleWidthMm * pxPerMm));
            painter.drawLine(QPointF(x0, y), QPointF(x1, y));
            continue;
        }
        const QString text = TextOf(element, when, locale);
        if (text.isEmpty()) continue;
        const QFont font = FontOf(element.font);
        const QRectF box = ElementBoxMm(design, element, *device, text);
        const QFontMetricsF metrics(font, device);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(box.left() * pxPerMm, box.top() * pyPerMm + metrics.ascent()), text);
    }
    painter.restore();
}

}  // namespace tensorium
