// Results kept hidden until the student has answered: nothing computed can be
// read on the pages of results, in the explorer or in the plane set window,
// however they were opened and whatever cycle runs meanwhile; the printouts
// and copies are unavailable; showing the results again brings back exactly
// what was shown. The worked solution is hidden on its own as well.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>

#include "app/explorer/frm_explorer.h"
#include "app/planes/frm_planes.h"
#include "app/planes/plane_set_document.h"
#include "app/planes/plane_table_model.h"
#include "app/planes/plot_critical.h"
#include "chart/tchart.h"
#include "core/angles.h"
#include "core/joint.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

const QString kResultsNotice =
    "The results are hidden until you have checked your answers in the Exercise window (View > Exercise).";
const QString kWorkingNotice =
    "The worked solution is shown once you have shown the answers in the Exercise window.";

// The pages of results and the notice each shows.
const std::pair<const char*, const char*> kNoticeOfPage[] = {
    {"tbcPrincipal", "lblResultsHiddenPrincipal"},
    {"tbcUser", "lblResultsHiddenUser"},
    {"tbcStereographic", "lblResultsHiddenStereographic"},
    {"TabSheet1", "lblResultsHiddenMohr"},
    {"tbcJointSlip", "lblResultsHiddenJoint"}};

// The boxes the cycle writes its results into.
const char* const kOutputs[] = {
    "input_s1",     "input_s2",     "input_s3",     "input_s1_beta", "input_s2_beta", "input_s3_beta",
    "input_s1_psi", "input_s2_psi", "input_s3_psi", "edtL1",         "edtM1",         "edtN1",
    "edtL2",        "edtM2",        "edtN2",        "edtL3",         "edtM3",         "edtN3",
    "edtsxt",       "edtsyt",       "edtszt",       "edttxyt",       "edttyzt",       "edttzxt",
    "input_sigma",  "input_tau",    "input_taulim", "input_SF"};
const char* const kExplorerOutputs[] = {"edtSigmaEff", "edtSFp", "edtTs", "edtTd", "edtDpCrit"};

// The commands that would print or copy a result.
const char* const kLeakingActions[] = {"Reportprintpreview1", "Printreport1",       "mnuPrintStereograph",
                                       "mnuPrintMohrCircles", "mnuCopyStereograph", "mnuCopyMohrCircles",
                                       "mnuExportPlanes"};

const QRegularExpression kDigit("[0-9]");

// Every text a person could read in `root` and its widgets: boxes, labels,
// tool tips, the worked solution and the cells of tables.
QStringList Texts(const QWidget& root)
{
    QStringList texts;
    for (const QLineEdit* box : root.findChildren<QLineEdit*>()) texts << box->text() << box->toolTip();
    for (const QLabel* label : root.findChildren<QLabel*>()) texts << label->text() << label->toolTip();
    for (const QPlainTextEdit* text : root.findChildren<QPlainTextEdit*>()) texts << text->toPlainText();
    for (const QTableView* table : root.findChildren<QTableView*>()) {
        const QAbstractItemModel& model = *table->model();
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)})
                    texts << model.index(r, c).data(role).toString();
    }
    return texts;
}

// What a window shows, by name, to compare before and after.
QMap<QString, QString> Shown(const QWidget& root)
{
    QMap<QString, QString> shown;
    for (const QLineEdit* box : root.findChildren<QLineEdit*>())
        if (!box->objectName().isEmpty()) shown[box->objectName()] = box->text() + "|" + box->toolTip();
    for (const QPlainTextEdit* text : root.findChildren<QPlainTextEdit*>())
        shown[text->objectName()] = text->toPlainText();
    for (const TChart* chart : root.findChildren<TChart*>())
        for (const TChartSeries* series : chart->Series())
            for (const ChartPoint& p : series->Points())
                shown[series->objectName()] += QString("(%1 %2 %3)").arg(p.x).arg(p.y).arg(p.label);
    for (const QTableView* table : root.findChildren<QTableView*>()) {
        const QAbstractItemModel& model = *table->model();
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                shown[QString("%1 %2 %3").arg(table->objectName()).arg(r).arg(c)] =
                    model.index(r, c).data().toString();
    }
    return shown;
}

class HiddenResults : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // Two of them with slips, for the predicted rake and the misfit.
        window->Planes().SetPlanes(
            {{"a", 10, 80, "S1", 30.0}, {"b", 200, 30, "S2"}, {"c", 300, 60, "S1", -120.0}});
    }

    void OpenOtherWindows()
    {
        Action("mnuStressExplorer")->trigger();
        Action("mnuPlanes")->trigger();
        explorer = window->findChild<FrmExplorer*>("FrmExplorer");
        planes = window->findChild<FrmPlanes*>("FrmPlanes");
        ASSERT_NE(explorer, nullptr);
        ASSERT_NE(planes, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(explorer));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(planes));
    }

    void Hide(bool hidden)
    {
        window->SetResultsHidden(hidden);
        window->SetWorkingHidden(hidden);
    }

    // Every computed value, written as the windows write it.
    QStringList Secrets() const
    {
        const AnalysisSession& session = window->Session();
        const AnalysisState& state = session.State();
        QStringList values;
        auto add = [&](std::optional<double> v, int decimals) {
            if (v) values << session.Format(*v, decimals);
        };
        const PrincipalResult& p = state.principal;
        for (double s : {p.s1, p.s2, p.s3}) add(s, 3);
        for (const auto& axis : p.axes) {
            add(RadToDeg(axis.azimuth), 2);
            add(RadToDeg(axis.dip), 2);
            for (double c : axis.cosines) add(c, 6);
        }
        const StressState& u = state.user.stress;
        for (double s : {u.sx, u.sy, u.sz, u.txy, u.tyz, u.tzx}) values << session.FormatTyped(s, 3);
        const JointResult& j = state.jointResult;
        for (double v : {j.sigma, j.tau, j.tlim}) add(v, 3);
        add(SafetyFactor(j), 3);
        const PlaneStability& js = state.jointStability;
        using Values = std::initializer_list<std::optional<double>>;
        for (auto v : Values{js.sigmaEff, js.safetyFactor, js.slipTendency, js.dilationTendency,
                             js.criticalPressureRise})
            add(v, 3);
        const PlaneSetDocument& planeSet = window->Planes();
        for (const PlaneOutcome& o : planeSet.Outcomes()) {
            const PlaneStability& s = o.stability;
            for (auto v : Values{o.stresses.sigma, o.stresses.tau, s.sigmaEff, s.slipTendency,
                                 s.dilationTendency, s.safetyFactor, s.criticalPressureRise})
                add(v, 3);
        }
        for (const PlaneSlipFit& fit : planeSet.SlipFits()) {
            add(fit.predictedRake, 3);
            add(fit.misfit, 3);
        }
        add(planeSet.CriticalPercent(), 1);
        return values;
    }

    // The texts of the pages of results and of the other windows.
    QStringList LockedTexts() const
    {
        QStringList texts;
        for (const auto& [page, notice] : kNoticeOfPage) texts << Texts(*Find<QWidget>(page));
        if (explorer) texts << Texts(*explorer);
        if (planes) texts << Texts(*planes);
        return texts;
    }

    static QStringList Holding(const QStringList& texts, const QString& secret)
    {
        QStringList found;
        for (const QString& text : texts)
            if (text.contains(secret)) found << text;
        return found;
    }

    // As the pages are visited (each visit runs a cycle), each shows its
    // notice and nothing computed can be read anywhere.
    void ExpectNothingReadable()
    {
        auto* pages = Find<QTabWidget>("PageControl");
        for (const auto& [page, notice] : kNoticeOfPage) {
            pages->setCurrentWidget(Find<QWidget>(page));
            QApplication::processEvents();
            auto* label = Find<QLabel>(notice);
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(label->isVisible()) << notice;
            EXPECT_EQ(label->text(), kResultsNotice) << notice;
        }
        EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
        const QStringList texts = LockedTexts();
        for (const QString& secret : Secrets())
            EXPECT_TRUE(Holding(texts, secret).isEmpty())
                << secret.toStdString() << " in " << Holding(texts, secret).join(" / ").toStdString();
        for (const char* name : kOutputs) {
            EXPECT_FALSE(Text(name).contains(kDigit)) << name << ": " << Text(name).toStdString();
            EXPECT_FALSE(Find(name)->toolTip().contains(kDigit)) << name;
        }
        for (const char* name : {"Chart1", "Chart2"}) {
            const TChart* chart = Find<TChart>(name);
            EXPECT_TRUE(chart->isHidden()) << name;
            for (const TChartSeries* series : chart->Series())
                EXPECT_TRUE(series->Points().empty()) << series->objectName().toStdString();
        }
        // The inputs stay as typed.
        EXPECT_EQ(Text("edtbeta"), "125");
        EXPECT_EQ(Text("edttheta"), "15");
        EXPECT_EQ(Text("input_joint_phi"), "14");
        EXPECT_EQ(Text("input_joint_c"), "1");
        if (explorer) ExpectExplorerHidden();
        if (planes) ExpectPlanesHidden();
    }

    void ExpectExplorerHidden() const
    {
        auto* notice = explorer->findChild<QLabel*>("lblResultsHiddenExplorer");
        ASSERT_NE(notice, nullptr);
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(notice->text(), kResultsNotice);
        for (const char* name : {"ExplorerNet", "ExplorerMohr", "txtWorking", "sldPorePressure"})
            EXPECT_FALSE(explorer->findChild<QWidget*>(name)->isVisible()) << name;
        for (const char* name : kExplorerOutputs) {
            auto* box = explorer->findChild<QLineEdit*>(name);
            EXPECT_FALSE(box->isVisible()) << name;
            EXPECT_FALSE(box->text().contains(kDigit)) << name;
        }
        EXPECT_EQ(explorer->WorkingText(), "");
        for (const char* name : {"mnuNetSaveAs", "mnuNetCopy", "mnuMohrSaveAs", "mnuMohrCopy",
                                 "mnuPrintWorking", "mnuSaveWorkingPdf"})
            EXPECT_FALSE(explorer->findChild<QAction*>(name)->isEnabled()) << name;
    }

    void ExpectPlanesHidden() const
    {
        auto* notice = planes->findChild<QLabel*>("lblResultsHiddenPlanes");
        ASSERT_NE(notice, nullptr);
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(notice->text(), kResultsNotice);
        const QAbstractItemModel& model = *planes->Table().model();
        ASSERT_EQ(model.rowCount(), 3);
        for (int r = 0; r < model.rowCount(); ++r) {
            for (int c = PlaneTableModel::SigmaN; c < PlaneTableModel::Count; ++c) {
                if (c == PlaneTableModel::Rake) continue;
                EXPECT_FALSE(model.index(r, c).data().isValid()) << r << " " << c;
            }
            EXPECT_FALSE(model.index(r, PlaneTableModel::DipDirection).data().toString().isEmpty());
        }
        EXPECT_EQ(model.index(0, PlaneTableModel::Rake).data().toString(), "30.000");
        for (const char* name : {"edtCriticalCount", "edtCriticalPercent"})
            EXPECT_EQ(planes->findChild<QLineEdit*>(name)->text(), "") << name;
        EXPECT_EQ(planes->findChild<QLineEdit*>("edtPlaneCount")->text(), "3");
        EXPECT_FALSE(planes->Plot().isVisible());
    }

    QMap<QString, QString> ShownEverywhere() const
    {
        QMap<QString, QString> shown = Shown(*window);
        if (explorer) shown.insert(Shown(*explorer));
        if (planes) shown.insert(Shown(*planes));
        return shown;
    }

    FrmExplorer* explorer = nullptr;
    FrmPlanes* planes = nullptr;
};

TEST_F(HiddenResults, NothingComputedCanBeReadWhileHidden)
{
    OpenOtherWindows();
    // Shown, every secret is found: the search finds what it looks for.
    const QStringList shownTexts = LockedTexts();
    const QStringList secrets = Secrets();
    ASSERT_GT(secrets.size(), 50);
    for (const QString& secret : secrets)
        EXPECT_FALSE(Holding(shownTexts, secret).isEmpty()) << secret.toStdString();

    Hide(true);
    EXPECT_TRUE(window->ResultsHidden());
    EXPECT_TRUE(window->WorkingHidden());
    ExpectNothingReadable();
}

TEST_F(HiddenResults, WindowsOpenedWhileHiddenStartHidden)
{
    Hide(true);
    OpenOtherWindows();
    ExpectNothingReadable();
    auto* working = explorer->findChild<QLabel*>("lblWorkingHidden");
    ASSERT_NE(working, nullptr);
    EXPECT_TRUE(working->isVisible());
    EXPECT_EQ(working->text(), kWorkingNotice);
}

TEST_F(HiddenResults, ShowingThemAgainBringsBackExactlyWhatWasShown)
{
    OpenOtherWindows();
    const QMap<QString, QString> before = ShownEverywhere();
    Hide(true);
    Find<QPushButton>("btnCalculate")->click();
    ASSERT_NE(ShownEverywhere(), before);
    Hide(false);
    EXPECT_FALSE(window->ResultsHidden());
    EXPECT_EQ(ShownEverywhere(), before);
    for (const char* name : {"Chart1", "Chart2"}) EXPECT_FALSE(Find<TChart>(name)->isHidden()) << name;
    for (const auto& [page, notice] : kNoticeOfPage) EXPECT_TRUE(Find<QLabel>(notice)->isHidden()) << notice;
    EXPECT_FALSE(explorer->findChild<QLabel*>("lblResultsHiddenExplorer")->isVisible());
    EXPECT_FALSE(explorer->findChild<QLabel*>("lblWorkingHidden")->isVisible());
    EXPECT_TRUE(explorer->findChild<QWidget*>("ExplorerNet")->isVisible());
    EXPECT_TRUE(explorer->findChild<QWidget*>("txtWorking")->isVisible());
    EXPECT_FALSE(planes->findChild<QLabel*>("lblResultsHiddenPlanes")->isVisible());
    EXPECT_TRUE(planes->Plot().isVisible());
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
}

TEST_F(HiddenResults, ACycleWhileHiddenKeepsThemHidden)
{
    OpenOtherWindows();
    const QStringList oldSecrets = Secrets();
    Hide(true);
    // A new tensor, a new joint, another layer of the net and a pore pressure.
    Type("input_sx", "5.25");
    Find<QPushButton>("btnCalculate")->click();
    Type("input_joint_psi", "47");
    Find<QPushButton>("btnCalculateJoint")->click();
    Find<QCheckBox>("chkUser")->click();
    auto* pressure = explorer->findChild<QLineEdit*>("edtPorePressure");
    pressure->setText("0.5");
    emit pressure->returnPressed();
    ASSERT_NE(Secrets(), oldSecrets);
    ExpectNothingReadable();
    EXPECT_EQ(pressure->text(), "0.5");
    EXPECT_EQ(Text("input_sx"), "5.25");
    EXPECT_EQ(Text("input_joint_psi"), "47");

    // Shown again: the results of the new inputs, as a cycle shows them.
    Hide(false);
    const QMap<QString, QString> shown = ShownEverywhere();
    const QStringList texts = LockedTexts();
    for (const QString& secret : Secrets())
        EXPECT_FALSE(Holding(texts, secret).isEmpty()) << secret.toStdString();
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(ShownEverywhere(), shown);
    EXPECT_TRUE(failures.isEmpty()) << failures.join("; ").toStdString();
}

TEST_F(HiddenResults, PrintingAndCopyingAreUnavailableWhileHidden)
{
    OpenOtherWindows();
    for (const char* name : kLeakingActions) EXPECT_TRUE(Action(name)->isEnabled()) << name;
    EXPECT_TRUE(Find<QPushButton>("btnUpdateGlobal")->isEnabled());
    window->SetResultsHidden(true);
    for (const char* name : kLeakingActions) EXPECT_FALSE(Action(name)->isEnabled()) << name;
    // The user stresses are empty: there is nothing to update the global ones from.
    EXPECT_FALSE(Find<QPushButton>("btnUpdateGlobal")->isEnabled());
    EXPECT_TRUE(Find("edtsxt")->isReadOnly());
    // What takes no result stays.
    for (const char* name : {"mnuPrintForm", "mnuOpenExercise", "mnuSaveExercise", "mnuStressExplorer"})
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
    window->SetResultsHidden(false);
    for (const char* name : kLeakingActions) EXPECT_TRUE(Action(name)->isEnabled()) << name;
    EXPECT_TRUE(Find<QPushButton>("btnUpdateGlobal")->isEnabled());
    EXPECT_FALSE(Find("edtsxt")->isReadOnly());
    for (const char* name : {"mnuNetSaveAs", "mnuMohrCopy", "mnuPrintWorking", "mnuSaveWorkingPdf"})
        EXPECT_TRUE(explorer->findChild<QAction*>(name)->isEnabled()) << name;
}

TEST_F(HiddenResults, TheWorkedSolutionIsHiddenOnItsOwn)
{
    OpenOtherWindows();
    const QString working = explorer->WorkingText();
    ASSERT_TRUE(working.contains(window->Session().Format(window->principal().s1, 3)));
    window->SetWorkingHidden(true);
    Find<QPushButton>("btnCalculate")->click();
    EXPECT_EQ(explorer->WorkingText(), "");
    EXPECT_FALSE(explorer->findChild<QWidget*>("txtWorking")->isVisible());
    auto* notice = explorer->findChild<QLabel*>("lblWorkingHidden");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), kWorkingNotice);
    for (const char* name : {"mnuPrintWorking", "mnuSaveWorkingPdf"})
        EXPECT_FALSE(explorer->findChild<QAction*>(name)->isEnabled()) << name;
    // The results themselves stay readable.
    EXPECT_TRUE(explorer->findChild<QWidget*>("ExplorerNet")->isVisible());
    EXPECT_FALSE(explorer->findChild<QLineEdit*>("edtTs")->text().isEmpty());
    EXPECT_FALSE(Text("input_s1").isEmpty());
    window->SetWorkingHidden(false);
    EXPECT_EQ(explorer->WorkingText(), working);
    EXPECT_TRUE(explorer->findChild<QWidget*>("txtWorking")->isVisible());
    EXPECT_FALSE(notice->isVisible());

    // Hidden results hide the working too, which tells every one of them.
    window->SetResultsHidden(true);
    EXPECT_EQ(explorer->WorkingText(), "");
    window->SetResultsHidden(false);
    EXPECT_EQ(explorer->WorkingText(), working);
}

TEST_F(HiddenResults, SortingByAHiddenColumnKeepsTheMeasuredOrder)
{
    OpenOtherWindows();
    QTableView& table = planes->Table();
    auto names = [&table] {
        QStringList order;
        for (int r = 0; r < table.model()->rowCount(); ++r)
            order << table.model()->index(r, 0).data().toString();
        return order;
    };
    table.sortByColumn(PlaneTableModel::SigmaN, Qt::DescendingOrder);
    const QStringList bySigma = names();
    ASSERT_NE(bySigma, QStringList({"a", "b", "c"})) << "the planes are measured in another order";
    window->SetResultsHidden(true);
    EXPECT_EQ(names(), QStringList({"a", "b", "c"}));
    window->SetResultsHidden(false);
    EXPECT_EQ(names(), bySigma);
}

// Each notice lies inside its page, whole, over no control the page shows.
TEST_F(HiddenResults, NoticesFitTheirPages)
{
    window->SetResultsHidden(true);
    for (const auto& [page, name] : kNoticeOfPage) {
        const QWidget* sheet = Find<QWidget>(page);
        const QLabel* notice = Find<QLabel>(name);
        EXPECT_EQ(notice->parentWidget(), sheet) << name;
        EXPECT_TRUE(sheet->rect().contains(notice->geometry())) << name;
        EXPECT_LE(notice->heightForWidth(notice->width()), notice->height()) << name;
        for (const QWidget* other : sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == notice || !other->isVisibleTo(sheet)) continue;
            EXPECT_FALSE(other->geometry().intersects(notice->geometry()))
                << name << " covers " << other->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace tensorium::testing_support
