#include "app/explorer/explorer_diagram.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QMimeData>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "app/explorer/halo_text_cache.h"
#include "app/files/file_wording.h"
#include "app/files/whole_file_writer.h"
#include "app/planes/plane_set_document.h"

namespace tensorium {

ExplorerDiagram::ExplorerDiagram(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(200, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ExplorerDiagram::SetTextScale(double scale)
{
    textScale_ = std::clamp(scale, 0.5, 4.0);
    update();
}

double ExplorerDiagram::Unit(const QRectF& target, double base)
{
    return base * std::min(target.width(), target.height()) / 400.0;
}

QFont ExplorerDiagram::TextFont(const QRectF& target, double base) const
{
    QFont font("Liberation Sans");
    font.setPixelSize(
        std::max(6, static_cast<int>(
                        std::lround(base * textScale_ * std::min(target.width(), target.height()) / 400.0))));
    return font;
}

double ExplorerDiagram::Line(const QRectF& target, double base) const
{
    constexpr double kThinnestLine = 2.0;
    return std::max(kThinnestLine, Unit(target, base) * textScale_);
}

void ExplorerDiagram::DrawHaloText(QPainter& painter, const QRectF& rect, int flags,
                                   const QString& text) const
{
    const QFontMetricsF metrics(painter.font());
    const QRectF box = metrics.boundingRect(rect, flags, text);
    // The baseline of a single line placed by `flags` within `rect`.
    DrawHaloText(painter, QPointF(box.left(), box.top() + metrics.ascent()), text);
}

void ExplorerDiagram::DrawHaloText(QPainter& painter, const QPointF& baseline, const QString& text) const
{
    const double width = std::max(2.0, QFontMetricsF(painter.font()).height() / 6.0);
    const QPaintEngine* engine = painter.paintEngine();
    if (engine && engine->type() == QPaintEngine::Raster) {
        if (!haloTexts_.Draw(painter, baseline, text, width)) DrawHaloPixels(painter, baseline, text, width);
        return;
    }
    // In files: one stroked outline, then the glyphs as text, so that files
    // keep the text once and as text.
    painter.save();
    QPainterPath path;
    // Outlines as designed: hinting is for pixels, and hinted outlines
    // vary with what the font engine drew before.
    QFont outline = painter.font();
    outline.setHintingPreference(QFont::PreferNoHinting);
    path.addText(baseline, outline, text);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(HaloColour(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.restore();
    painter.drawText(baseline, text);
}

void ExplorerDiagram::RepaintOnChangesOf(PlaneSetDocument* planes)
{
    if (planes) {
        connect(planes, &PlaneSetDocument::PlanesChanged, this, qOverload<>(&QWidget::update));
        connect(planes, &PlaneSetDocument::OutcomesChanged, this, qOverload<>(&QWidget::update));
        connect(planes, &PlaneSetDocument::SelectionChanged, this, qOverload<>(&QWidget::update));
        connect(planes, &PlaneSetDocument::InversionChanged, this, qOverload<>(&QWidget::update));
    }
    update();
}

void ExplorerDiagram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint(painter, QRectF(rect()));
}

QByteArray ExplorerDiagram::ToSvg() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size());
    svg.setViewBox(QRectF(rect()));
    svg.setTitle(objectName());
    {
        QPainter painter(&svg);
        painter.setRenderHint(QPainter::Antialiasing);
        Paint(painter, QRectF(rect()));
    }
    return buffer.data();
}

QImage ExplorerDiagram::ToImage(double pixelRatio) const
{
    QImage image((QSizeF(size()) * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint(painter, QRectF(rect()));
    return image;
}

bool ExplorerDiagram::SaveTo(const QString& path, QString* error) const
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == "svg") {
        bytes = ToSvg();
    } else if (suffix == "png") {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ToImage(2.0).save(&buffer, "PNG");
    } else if (suffix == "pdf") {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(objectName());
        pdf.setPageSize(QPageSize(QSizeF(size()) * 25.4 / 96.0, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(96);
        QPainter painter(&pdf);
        painter.setRenderHint(QPainter::Antialiasing);
        Paint(painter, QRectF(rect()));
    } else {
        if (error)
            *error = QString("The diagram cannot be saved as %1: it is not a .svg, .pdf or .png file")
                         .arg(QuotedPath(path));
        return false;
    }
    return WriteWholeFile(path, bytes, "The diagram", error);
}

void ExplorerDiagram::CopyToClipboard() const
{
    auto* mime = new QMimeData;
    mime->setData("image/svg+xml", ToSvg());
    mime->setImageData(ToImage(2.0));
    QApplication::clipboard()->setMimeData(mime);
}

}  // namespace tensorium
