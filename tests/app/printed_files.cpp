#include "tests/app/printed_files.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

namespace tensorium::testing_support {
namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The folder of the private printing service's PDF printer, given by the
// test set-up.
QString PdfFolder()
{
    const QString folder = qEnvironmentVariable("TENSORIUM_PRINTED_FOLDER");
    if (folder.isEmpty())
        ADD_FAILURE() << "TENSORIUM_PRINTED_FOLDER is not set; run the printing tests through ctest";
    return folder;
}

}  // namespace

PrintedPdf ReadPrintedPdf(const QString& path)
{
    PrintedPdf pdf;
    if (!QFileInfo::exists(path)) return pdf;
    pdf.path = path;
    const QString info = Run("pdfinfo", {path});
    pdf.pages = QRegularExpression(R"(Pages:\s+(\d+))").match(info).captured(1).toInt();
    pdf.title = QRegularExpression(R"(Title:\s+(.*))").match(info).captured(1).trimmed();
    const QStringList imageRows = Run("pdfimages", {"-list", path}).split('\n', Qt::SkipEmptyParts);
    pdf.images = std::max(0, int(imageRows.size()) - 2);
    QTemporaryDir dir;
    const QString svg = dir.filePath("page.svg");
    Run("pdftocairo", {"-svg", path, svg});
    QFile file(svg);
    if (file.open(QIODevice::ReadOnly)) pdf.vectorPaths = QString::fromUtf8(file.readAll()).count("<path");
    return pdf;
}

PrintedPdf WaitForPrintedPdf(const QString& title, const QDateTime& since)
{
    const QString folder = PdfFolder();
    if (folder.isEmpty()) return {};
    const QDateTime deadline = QDateTime::currentDateTime().addSecs(60);
    while (QDateTime::currentDateTime() < deadline) {
        const QFileInfoList files = QDir(folder).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
        for (const QFileInfo& file : files) {
            if (file.lastModified() < since.addSecs(-1)) continue;
            const PrintedPdf pdf = ReadPrintedPdf(file.absoluteFilePath());
            if (pdf.title == title && pdf.pages > 0) return pdf;
        }
        QApplication::processEvents();
        QThread::msleep(200);
    }
    return {};
}

}  // namespace tensorium::testing_support
