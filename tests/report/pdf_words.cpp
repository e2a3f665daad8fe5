#include "tests/report/pdf_words.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace tensorium::testing_support {
namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

}  // namespace

const PdfWord* PdfPages::Word(const QString& text) const
{
    for (const PdfWord& w : words)
        if (w.text == text) return &w;
    return nullptr;
}

QString PdfPages::LineStartingWith(const QString& first) const
{
    const PdfWord* start = Word(first);
    if (!start) return {};
    QStringList line;
    for (const PdfWord& w : words)
        if (std::abs(w.boxMm.top() - start->boxMm.top()) < 0.5 && w.boxMm.left() >= start->boxMm.left())
            line << w.text;
    return line.join(' ');
}

PdfPages ReadPdf(const QString& pdfPath)
{
    QProcess process;
    process.start("pdftotext", {"-bbox", pdfPath, "-"});
    PdfPages pages;
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return pages;
    QXmlStreamReader xml(process.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        const auto a = xml.attributes();
        if (xml.name() == u"page") {
            if (++pages.count == 1)
                pages.pageSizeMm = {a.value("width").toDouble() * kMmPerPoint,
                                    a.value("height").toDouble() * kMmPerPoint};
        } else if (xml.name() == u"word" && pages.count == 1) {
            const double x0 = a.value("xMin").toDouble(), y0 = a.value("yMin").toDouble();
            const double x1 = a.value("xMax").toDouble(), y1 = a.value("yMax").toDouble();
            PdfWord word;
            word.boxMm =
                QRectF(x0 * kMmPerPoint, y0 * kMmPerPoint, (x1 - x0) * kMmPerPoint, (y1 - y0) * kMmPerPoint);
            word.text = xml.readElementText();
            pages.words.push_back(word);
        }
    }
    return pages;
}

}  // namespace tensorium::testing_support
