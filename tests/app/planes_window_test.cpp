// The plane set window beside the real main window: opened from the View
// menu, its table edited and undone, sorted by value, and its counts and
// plot following every cycle and every pore pressure.
#include <QLineEdit>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>

#include "app/planes/frm_planes.h"
#include "app/planes/plane_set_document.h"
#include "app/planes/plane_table_model.h"
#include "app/planes/plot_critical.h"
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
    EXPECT_EQ(headers.join("|"),
              QString::fromUtf8("Name|Dip direction|Dip|Set|σn|τ|σn'|Ts|Td|SF|Δp crit|Critical"));
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
