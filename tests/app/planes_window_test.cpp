// The plane set window beside the real main window: opened from the View
// menu, its table edited and undone, sorted by value, and its counts and
// plot following every cycle and every pore pressure.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <cmath>

#include "app/planes/frm_planes.h"
#include "app/planes/import_planes_dialog.h"
#include "app/planes/plane_set_document.h"
#include "app/planes/plane_table_model.h"
#include "app/planes/plot_critical.h"
#include "core/plane_csv_reader.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

class PlanesWindow : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Action("mnuPlanes")->trigger();
        planes = window->findChild<FrmPlanes*>("FrmPlanes");
        ASSERT_NE(planes, nullptr);
        table = planes->findChild<QTableView*>("tblPlanes");
        ASSERT_NE(table, nullptr);
    }
    PlaneSetDocument& Document() { return window->Planes(); }
    QString Cell(int row, int column) const { return table->model()->index(row, column).data().toString(); }
    QString Output(const char* name) const { return planes->findChild<QLineEdit*>(name)->text(); }
    // Types `text` into a cell as the table's editor would.
    bool TypeInto(int row, int column, const QString& text)
    {
        return table->model()->setData(table->model()->index(row, column), text, Qt::EditRole);
    }
    // Planes and their critical flags as computed directly.
    int CountCritical()
    {
        int count = 0;
        for (const PlaneOutcome& o : Document().Outcomes()) count += o.critical;
        return count;
    }

    FrmPlanes* planes = nullptr;
    QTableView* table = nullptr;
    const PlaneSet kThree{{"a", 10, 80, "S1"}, {"b", 200, 30, "S2"}, {"c", 300, 60, "S1"}};
};

TEST_F(PlanesWindow, OpensFromTheViewMenuAsItsOwnWindow)
{
    EXPECT_EQ(Action("mnuPlanes")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(Action("mnuPlanes")->text(), "&Planes");
    EXPECT_EQ(planes->windowTitle(), "Tensorium - Planes");
    EXPECT_TRUE(planes->isVisible());
    EXPECT_TRUE(planes->isWindow());
    EXPECT_FALSE(planes->isModal());
    QStringList headers;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        headers << table->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(
        headers.join("|"),
        QString::fromUtf8("Name|Dip direction|Dip|Set|σn|τ|σn'|Ts|Td|SF|Δp crit|Critical|Rake|Predicted "
                          "rake|Misfit"));
    for (const char* name : {"edtPlaneCount", "edtCriticalCount", "edtCriticalPercent"}) {
        auto* box = planes->findChild<QLineEdit*>(name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_TRUE(box->isReadOnly()) << name;
    }
    EXPECT_NE(planes->findChild<PlotCritical*>("PlotCritical"), nullptr);
    // Opened again: the same window.
    Action("mnuPlanes")->trigger();
    EXPECT_EQ(window->findChildren<FrmPlanes*>().size(), 1);
}

TEST_F(PlanesWindow, EditsAreCheckedAndEachOneUndoes)
{
    Document().ReplaceAll(kThree, "Import planes");
    ASSERT_EQ(table->model()->rowCount(), 3);
    EXPECT_EQ(Output("edtPlaneCount"), "3");
    const QString sigmaBefore = Cell(1, PlaneTableModel::SigmaN);

    EXPECT_TRUE(TypeInto(1, PlaneTableModel::Dip, "45.5"));
    EXPECT_EQ(Document().Planes()[1].dip, 45.5);
    EXPECT_NE(Cell(1, PlaneTableModel::SigmaN), sigmaBefore) << "the computed columns follow";
    EXPECT_TRUE(TypeInto(1, PlaneTableModel::DipDirection, "-10"));
    EXPECT_EQ(Document().Planes()[1].dipDirection, 350);

    // Texts that are not numbers and dips beyond 90 are refused and reported.
    for (const QString& bad : {QString("4x"), QString("95"), QString("-1"), QString("")}) {
        failures.clear();
        EXPECT_FALSE(TypeInto(1, PlaneTableModel::Dip, bad)) << bad.toStdString();
        EXPECT_EQ(failures.size(), 1) << bad.toStdString();
        EXPECT_EQ(Document().Planes()[1].dip, 45.5);
    }

    QUndoStack& undo = Document().UndoStack();
    undo.undo();
    EXPECT_EQ(Document().Planes()[1].dipDirection, 200);
    undo.undo();
    EXPECT_EQ(Document().Planes()[1].dip, 30);
    EXPECT_EQ(Cell(1, PlaneTableModel::SigmaN), sigmaBefore);
    undo.redo();
    EXPECT_EQ(Document().Planes()[1].dip, 45.5);

    // Deleting the selected rows, and undoing it.
    table->selectRow(0);
    table->selectionModel()->select(table->model()->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    planes->DeleteSelectedPlanes();
    ASSERT_EQ(Document().Planes().size(), 1u);
    EXPECT_EQ(Document().Planes()[0].name, "b");
    EXPECT_EQ(Output("edtPlaneCount"), "1");
    undo.undo();
    EXPECT_EQ(Document().Planes(), (PlaneSet{kThree[0], {"b", 200, 45.5, "S2"}, kThree[2]}));

    planes->AddPlane();
    EXPECT_EQ(Document().Planes().size(), 4u);
    undo.undo();
    EXPECT_EQ(Document().Planes().size(), 3u);
}

TEST_F(PlanesWindow, SortsByValueWithEmptyValuesLast)
{
    PlaneSet set;
    for (int k = 0; k < 40; ++k) set.push_back({"p" + std::to_string(k), 9.0 * k, 2.25 * k, ""});
    Document().ReplaceAll(set, "Import planes");
    table->sortByColumn(PlaneTableModel::SF, Qt::AscendingOrder);
    double last = -HUGE_VAL;
    bool emptySeen = false;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        const QVariant v = table->model()->index(row, PlaneTableModel::SF).data(PlaneTableModel::kSortRole);
        const QString shown = Cell(row, PlaneTableModel::SF);
        if (shown.isEmpty()) {
            emptySeen = true;
            continue;
        }
        EXPECT_FALSE(emptySeen) << "an empty value before a number";
        EXPECT_GE(v.toDouble(), last);
        last = v.toDouble();
    }
    // Sorting leaves the planes as they were; the table maps its rows back.
    EXPECT_EQ(Document().Planes(), set);
    table->selectRow(0);
    const int shownFirst = planes->SelectedPlanes().at(0);
    EXPECT_EQ(QString::fromStdString(Document().Planes()[shownFirst].name), Cell(0, PlaneTableModel::Name));
}

TEST_F(PlanesWindow, CountsAndThePlotFollowThePorePressure)
{
    PlaneSet set;
    for (int k = 0; k < 36; ++k) set.push_back({"", 10.0 * k, 5.0 + 2.5 * (k % 34), ""});
    Document().ReplaceAll(set, "Import planes");
    PlotCritical* plot = planes->findChild<PlotCritical*>("PlotCritical");
    const QRectF target(0, 0, 400, 250);
    int last = -1;
    for (double p : {0.0, 1.0, 2.0, 4.0, 6.0, 9.0}) {
        SCOPED_TRACE(p);
        window->Session().Model().SetPorePressure(p);
        const int critical = CountCritical();
        EXPECT_EQ(Output("edtCriticalCount"), QString::number(critical));
        EXPECT_EQ(Output("edtCriticalPercent"), window->Session().Format(100.0 * critical / 36, 1));
        EXPECT_GE(critical, last) << "more planes fail as the pressure rises";
        last = critical;
        EXPECT_EQ(Cell(0, PlaneTableModel::SigmaNEff),
                  window->Session().Format(Document().Outcomes()[0].stresses.sigma - p, 3));
        // The mark stands at the pressure, on the curve.
        EXPECT_DOUBLE_EQ(
            plot->At(target, p, 0).x(),
            plot->PlotArea(target).left() + plot->PlotArea(target).width() * p / plot->HighestPressure());
        EXPECT_NEAR(Document().Curve().PercentAt(p), 100.0 * critical / 36, 100.0 / 36 + 1e-9);
    }
    EXPECT_EQ(Document().Curve().PercentAt(plot->HighestPressure()), 100);
    // A new stress from the main window's cycle recomputes every plane.
    const QString before = Cell(3, PlaneTableModel::SigmaN);
    SetGlobal({"30", "10", "5", "0", "0", "0"});
    window->RecalculateAll();
    EXPECT_NE(Cell(3, PlaneTableModel::SigmaN), before);
}

// The planes are part of the lesson: saved with the exercise, opened in the
// next run, and a change to them is a change to the exercise.
TEST_F(PlanesWindow, ThePlanesTravelInTheExerciseFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("outcrop.tensorium");
    Document().ReplaceAll(kThree, "Import planes");
    ASSERT_TRUE(window->SaveExercise(path));
    EXPECT_FALSE(window->isWindowModified());
    TypeInto(0, PlaneTableModel::Dip, "12");
    EXPECT_TRUE(window->isWindowModified()) << "an edited plane is an unsaved change";
    Document().UndoStack().undo();
    EXPECT_FALSE(window->isWindowModified());

    TFrmTensorium next;
    next.setFailureReporter([this](const QString& message) { failures << message; });
    ASSERT_TRUE(next.OpenExercise(path));
    EXPECT_EQ(next.Planes().Planes(), kThree);
    EXPECT_EQ(next.Planes().Outcomes().size(), 3u);
    EXPECT_FALSE(next.Planes().UndoStack().canUndo()) << "opening is not a step to undo";
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
}

}  // namespace
}  // namespace tensorium::testing_support

namespace tensorium::testing_support {
namespace {

class PlaneFiles : public PlanesWindow {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir folder;
};

// A spreadsheet's file, imported whole and undoably; a file with a bad row,
// one too large, or one missing changes nothing and says why.
TEST_F(PlaneFiles, ImportTakesAllOrNothing)
{
    Document().ReplaceAll(kThree, "Import planes");
    const QString good = Write("outcrop.csv",
                               "\xEF\xBB\xBF"
                               "Name;Dip direction;Dip;Set\r\n"
                               "J1;120,5;60;A\r\n"
                               "\"J;2\";300;45,25;B\r\n");
    ASSERT_TRUE(window->ImportPlanes(good));
    EXPECT_EQ(Document().Planes(), (PlaneSet{{"J1", 120.5, 60, "A"}, {"J;2", 300, 45.25, "B"}}));
    Document().UndoStack().undo();
    EXPECT_EQ(Document().Planes(), kThree);

    const QString bad = Write("bad.csv", "dd,dip\n10,20\n30,4x\n50,95\n");
    EXPECT_FALSE(window->ImportPlanes(bad));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains("Line 3, column 2 holds \"4x\"")) << failures[0].toStdString();
    EXPECT_TRUE(failures[0].contains("2 rows are bad")) << failures[0].toStdString();
    EXPECT_TRUE(failures[0].contains("bad.csv")) << failures[0].toStdString();
    EXPECT_EQ(Document().Planes(), kThree);

    // Beyond 100 MB: refused before it is read (a sparse file costs no disk).
    const QString huge = folder.filePath("huge.csv");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(100ll * 1024 * 1024 + 1));
    }
    failures.clear();
    EXPECT_FALSE(window->ImportPlanes(huge));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains("larger than 100 MB")) << failures[0].toStdString();
    failures.clear();
    EXPECT_FALSE(window->ImportPlanes(folder.filePath("missing.csv")));
    EXPECT_EQ(failures.size(), 1);
    EXPECT_EQ(Document().Planes(), kThree);
}

// The export reads back exactly and holds what the table shows.
TEST_F(PlaneFiles, ExportReadsBackExactly)
{
    PlaneSet set;
    for (int k = 0; k < 200; ++k)
        set.push_back({"p, \"" + std::to_string(k) + "\"", std::fmod(k * 37.123456789, 360),
                       std::fmod(k * 0.4567, 90.0), k % 3 ? "A" : ""});
    set.push_back({"flat", 0, 0, ""});
    Document().ReplaceAll(set, "Import planes");
    window->Session().Model().SetPorePressure(2.5);
    const QString path = folder.filePath("planes.csv");
    ASSERT_TRUE(window->ExportPlanes(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(
        bytes.startsWith("name,dip_direction,dip,set,sigma_n,tau,sigma_n_eff,slip_tendency,"
                         "dilation_tendency,safety_factor,dp_crit,critical,rake,predicted_rake,misfit\r\n"));
    const PlaneReading back =
        ReadPlaneCsv(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    ASSERT_TRUE(back.refusal.empty()) << back.refusal;
    EXPECT_EQ(back.planes, set);
    // Each row's critical flag as the table has it, before the empty slip
    // columns of planes without a rake.
    const QList<QByteArray> lines = bytes.split('\n');
    int critical = 0;
    for (const QByteArray& line : lines) critical += line.trimmed().endsWith(",yes,,,");
    EXPECT_EQ(critical, Document().CriticalCount());
}

// Rows copied from a spreadsheet: the bad ones listed, the valid ones taken
// only when asked for; a file without a header read as strike and dip.
TEST_F(PlaneFiles, TheImportDialogListsBadRowsAndTakesValidOnesOnRequest)
{
    ImportPlanesDialog dialog("10\t20\n30\tx\n40\t95\n50\t60\n", "the clipboard", window.get());
    auto* import = dialog.findChild<QPushButton*>("btnImport");
    auto* valid = dialog.findChild<QPushButton*>("btnImportValid");
    ASSERT_TRUE(import && valid);
    EXPECT_FALSE(import->isEnabled());
    EXPECT_TRUE(valid->isEnabled());
    const QString summary = dialog.findChild<QLabel*>("lblImportSummary")->text();
    EXPECT_TRUE(summary.contains("Line 2, column 2 holds \"x\"")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("Line 3, column 2 holds \"95\"")) << summary.toStdString();
    valid->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Planes(), (PlaneSet{{"", 10, 20, ""}, {"", 50, 60, ""}}));

    ImportPlanesDialog strike("350 30\n", "a file", window.get());
    strike.SetStrikeAndDip(true);
    strike.findChild<QPushButton*>("btnImport")->click();
    EXPECT_EQ(strike.Planes(), (PlaneSet{{"", 80, 30, ""}}));
}

}  // namespace
}  // namespace tensorium::testing_support
