// The PDF files that the private printing service's PDF printer writes,
// found by their title, and what a reader sees in them.
#pragma once

#include <QDateTime>
#include <QString>

namespace tensorium::testing_support {

struct PrintedPdf {
    QString path;  // empty when none arrived in time
    int pages = 0;
    QString title;
    int images = 0;       // embedded pictures
    int vectorPaths = 0;  // drawn paths, as a vector reader sees them
};

// Waits (up to 60 s) for a PDF titled `title` written at or after `since`
// into the PDF printer's folder, then reads it.
PrintedPdf WaitForPrintedPdf(const QString& title, const QDateTime& since);

// Reads a PDF with poppler's tools (pdfinfo, pdfimages, pdftocairo).
PrintedPdf ReadPrintedPdf(const QString& path);

}  // namespace tensorium::testing_support
