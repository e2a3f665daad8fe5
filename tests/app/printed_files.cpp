#include "tests/app/printed_files.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <pwd.h>
#include <unistd.h>

namespace tensorium::testing_support {
namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF printer writes into the PDF folder of the job's user.
QString PdfFolder()
{
    const passwd* user = getpwuid(getuid());
    return QString::fromLocal8Bit(user ? user->pw_dir : "/root") + "/PDF";
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
    if (pdf.title.startsWith('(') && pdf.title.endsWith(')')) pdf.title = pdf.title.mid(1, pdf.title.size() - 2);
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
    const QDateTime deadline = QDateTime::currentDateTime().addSecs(60);
    while (QDateTime::currentDateTime() < deadline) {
        const QFileInfoList files = QDir(PdfFolder()).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
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
