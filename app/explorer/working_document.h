// The worked solution on paper: its text in a fixed-width font on A4 pages
// of its own, numbered, for the print preview and for a PDF file.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QFont;
class QPagedPaintDevice;
class QWidget;

namespace tensorium {

// The fixed-width font of the worked solution, on screen and on paper.
QFont WorkingFont();

// Lays `text` out on the pages of `device`, in the page size set there, and paints it.
void PaintWorking(const QString& text, QPagedPaintDevice& device);

// A PDF of A4 portrait pages without margins of its own (a text document
// keeps its 2 cm), titled `title`, painted by `paint`.
QByteArray A4Pdf(const QString& title, const std::function<void(QPagedPaintDevice&)>& paint);

// Writes the pages, A4 portrait, to `path` whole or not at all.
bool SaveWorkingPdf(const QString& text, const QString& path, QString* error);

// The print preview of the pages, modal, starting on A4 portrait; printing goes to
// the printer chosen there.
void PreviewWorking(const QString& text, QWidget* parent);

}  // namespace tensorium
