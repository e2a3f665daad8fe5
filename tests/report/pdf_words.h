// What a PDF reader sees on a page: its words and their boxes, read back by
// poppler's pdftotext, an independent reader.
#pragma once

#include <QRectF>
#include <QString>
#include <vector>

namespace tensorium::testing_support {

struct PdfWord {
    QString text;
    QRectF boxMm;  // on the page, millimetres from the top-left corner
};

struct PdfPages {
    int count = 0;
    QSizeF pageSizeMm;
    std::vector<PdfWord> words;  // of the first page

    const PdfWord* Word(const QString& text) const;
    // The words on the line that starts with `first`, joined by blanks.
    QString LineStartingWith(const QString& first) const;
};

// Runs pdftotext -bbox on `pdfPath`; an empty result when it cannot.
PdfPages ReadPdf(const QString& pdfPath);

}  // namespace tensorium::testing_support
