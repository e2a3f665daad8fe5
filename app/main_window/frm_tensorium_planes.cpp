// The main window's part in the plane set: it opens the plane set window,
// imports planes from files and the clipboard, and exports them.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "app/files/file_wording.h"
#include "app/files/whole_file_writer.h"
#include "app/main_window/frm_tensorium.h"
#include "app/planes/frm_planes.h"
#include "app/planes/import_planes_dialog.h"
#include "app/planes/plane_set_document.h"
#include "core/plane_csv_reader.h"
#include "core/plane_csv_writer.h"

namespace tensorium {
namespace {

const char* const kPlaneFilter = "Plane sets (*.csv *.txt *.tsv);;All files (*)";

// The whole file, or why it cannot be read; a file too large is not read.
bool ReadPlaneFile(const QString& path, QByteArray* bytes, QString* problem)
{
    const QString file = "The plane file " + QuotedPath(path);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        *problem = QString("%1 cannot be opened: %2").arg(file, in.errorString());
        return false;
    }
    if (in.size() > static_cast<qint64>(kPlaneCsvMaxBytes)) {
        *problem = QString("%1 is larger than 100 MB, more than Tensorium reads").arg(file);
        return false;
    }
    *bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        *problem = QString("%1 cannot be read: %2").arg(file, in.errorString());
        return false;
    }
    return true;
}

}  // namespace

void TFrmTensorium::mnuPlanesClick()
{
    if (!planesWindow_) {
        planesWindow_ = new FrmPlanes(*planeSet_, session_, this);
        planesWindow_->setWindowFlag(Qt::Window);
        planesWindow_->SetResultsHidden(resultsHidden_);
    }
    planesWindow_->show();
    planesWindow_->raise();
    planesWindow_->activateWindow();
}

bool TFrmTensorium::ImportPlanes(const QString& path)
{
    QByteArray bytes;
    QString problem;
    if (!ReadPlaneFile(path, &bytes, &problem)) {
        session_.ReportFailure(this, problem);
        return false;
    }
    const PlaneReading reading =
        ReadPlaneCsv(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    const QString file = "The plane file " + QuotedPath(path);
    if (!reading.refusal.empty()) {
        session_.ReportFailure(
            this, QString("%1 cannot be imported: %2").arg(file, QString::fromStdString(reading.refusal)));
        return false;
    }
    if (reading.badCount > 0) {
        session_.ReportFailure(
            this,
            QString("%1 is not imported. %2").arg(file, QString::fromStdString(DescribeBadRows(reading))));
        return false;
    }
    planeSet_->ReplaceAll(reading.planes, "Import planes");
    return true;
}

bool TFrmTensorium::ExportPlanes(const QString& path)
{
    std::vector<PlaneCsvRow> rows;
    rows.reserve(planeSet_->Planes().size());
    for (size_t k = 0; k < planeSet_->Planes().size(); ++k) {
        const PlaneOutcome& o = planeSet_->Outcomes()[k];
        const PlaneStability& s = o.stability;
        const PlaneSlipFit& fit = planeSet_->SlipFits()[k];
        rows.push_back({planeSet_->Planes()[k], o.stresses.sigma, o.stresses.tau, s.sigmaEff, s.slipTendency,
                        s.dilationTendency, s.safetyFactor, s.criticalPressureRise, o.critical,
                        fit.predictedRake, fit.misfit});
    }
    const std::string text = PlaneCsv(rows);
    QString error;
    if (!WriteWholeFile(path, QByteArray::fromStdString(text), "The plane set", &error)) {
        session_.ReportFailure(this, error);
        return false;
    }
    return true;
}

// From the menu: the file's rows shown first, its bad rows listed, and the
// valid rows imported only when asked for.
void TFrmTensorium::mnuImportPlanesClick()
{
    QFileDialog dialog(this, "Import planes", exerciseFolder_, kPlaneFilter);
    dialog.setObjectName("ImportPlanesFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    QByteArray bytes;
    QString problem;
    if (!ReadPlaneFile(path, &bytes, &problem)) {
        session_.ReportFailure(this, problem);
        return;
    }
    ImportPlanesDialog check(bytes, QuotedPath(path), this);
    if (check.exec() == QDialog::Accepted) planeSet_->ReplaceAll(check.Planes(), "Import planes");
}

void TFrmTensorium::mnuPastePlanesClick()
{
    const QByteArray bytes = QApplication::clipboard()->text().toUtf8();
    if (bytes.trimmed().isEmpty()) {
        session_.ReportFailure(this, "The clipboard holds no text to read planes from");
        return;
    }
    ImportPlanesDialog check(bytes, "the clipboard", this);
    if (check.exec() == QDialog::Accepted) planeSet_->Append(check.Planes(), "Paste planes");
}

void TFrmTensorium::mnuExportPlanesClick()
{
    QFileDialog dialog(this, "Export planes", exerciseFolder_, "CSV files (*.csv)");
    dialog.setObjectName("ExportPlanesFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("csv");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ExportPlanes(dialog.selectedFiles().first());
}

}  // namespace tensorium
