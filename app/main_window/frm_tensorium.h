// The main window: every page and control, the state of the analysis, and
// the recalculation cycle that ties them together.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/files/exercise_quiz.h"
#include "app/session/analysis_session.h"
#include "core/analysis_model.h"
#include "core/angles.h"
#include "core/joint.h"
#include "core/number_format.h"
#include "core/principal_solver.h"
#include "core/stress_state.h"
#include "core/user_system.h"

class QAction;
class QCloseEvent;
class QMenu;
class QPrinter;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QWidget;

namespace tensorium {

class TChart;
class TChartSeries;
class TEdit;
class TLinkLabel;
class ReportEngine;
class FrmExplorer;
class FrmPlanes;
class PlaneSetDocument;
struct Exercise;
class FrmExercise;
struct ExplorerLesson;

class TFrmTensorium : public QMainWindow {
    Q_OBJECT
public:
    // With an analysis of its own, whose regional separators are read once
    // from QLocale::system().
    explicit TFrmTensorium(QWidget* parent = nullptr);
    // Showing and editing `session`, which outlives the window.
    explicit TFrmTensorium(AnalysisSession& session, QWidget* parent = nullptr);
    ~TFrmTensorium() override;

    // Where failures go, from every window of the session; by default the
    // failure message box.
    using FailureReporter = std::function<void(const QString& message)>;
    void setFailureReporter(FailureReporter reporter);
    AnalysisSession& Session() { return session_; }

    // Read-only views of the state, for the report and for tests.
    const StressState& stress() const { return stress_; }
    const PrincipalResult& principal() const { return principal_; }
    AzimuthConvention convention() const { return convention_; }
    const UserSystem& userSystem() const { return user_; }
    const JointPlane& jointPlane() const { return jointPlane_; }
    const JointResult& jointResult() const { return jointResult_; }
    const NumberSeparators& separators() const { return separators_; }

    // The cycle: reads every input, computes everything, writes every output.
    void RecalculateAll();

    void mnuStressExplorerClick();
    void mnuPlanesClick();
    void mnuImportPlanesClick();
    void mnuExportPlanesClick();
    void mnuPastePlanesClick();
    void mnuExerciseWindowClick();
    void mnuRandomExerciseClick();
    void mnuAnswerKeyClick();
    void mnuSaveResultSheetClick();
    void mnuQuestionsClick();
    // The measured planes, which the plane set window shows.
    PlaneSetDocument& Planes() { return *planeSet_; }

    // While the results are hidden, every page, window and printout that
    // would show a computed value shows a notice instead; the inputs stay.
    // While the working is hidden, the explorer's worked solution does.
    void SetResultsHidden(bool hidden);
    void SetWorkingHidden(bool hidden);
    bool ResultsHidden() const { return resultsHidden_; }
    bool WorkingHidden() const { return workingHidden_; }

public slots:
    // Exercise files (.tensorium): every input text and the azimuth
    // convention. A file that cannot be used is reported and changes nothing.
    bool SaveExercise(const QString& path);
    bool OpenExercise(const QString& path);
    // Plane sets as CSV: a file with any bad row or beyond the limits is not
    // imported and is reported, naming its first bad line and column.
    bool ImportPlanes(const QString& path);
    bool ExportPlanes(const QString& path);
    // An exercise of its own for `seed` (a student's name, say): the same
    // seed gives the same tensor, joint and questions everywhere.
    bool NewRandomExercise(const QString& seed);
    // The teacher's key: each name's random exercise and its right answers.
    bool SaveAnswerKey(const QString& path, const QString& names);
    // The student's answers, their verdicts and the right values, then the
    // worked solution: a PDF of A4 pages, written whole.
    bool SaveResultSheet(const QString& path);

public:
    // The exercise file the window was last opened from or saved to (empty
    // before), and whether its inputs or explorer have changed since.
    const QString& ExerciseFile() const { return exerciseFile_; }
    bool HasUnsavedChanges() const;

public:
    // Event handlers, each run inside the failure guard.
    void FormShow();
    void btnCalculateClick();
    void btnCalculateJointClick();
    void btnUpdateUserClick();
    void btnUpdateGlobalClick();
    void chkShowPrincipalClick();
    void mnuAngleLeftClick();
    void mnuAngleRightClick();
    void Reportprintpreview1Click();
    void Printreport1Click();
    void ReportBeforePrint();

    // The report engine holding the page design (for printing to a file).
    ReportEngine& report() { return *Report; }
    void mnuExitClick();
    void mnuPrintFormClick();
    void mnuPrintStereographClick();
    void mnuPrintMohrCirclesClick();
    void mnuPrinterSetupClick();
    void mnuCopyStereographClick();
    void mnuCopyMohrCirclesClick();
    void Label28Click();
    void Label32Click();
    void Label33Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The twelve steps of the cycle, in order.
    void ReadAzimuthConvention();
    void ReadGlobalStress();
    void ReadUserAngles();
    void ReadJointInputs();
    void BuildRotationMatrix();
    void ComputePrincipalStresses();
    void TransformToUserSystem();
    void ComputeJointStresses();
    void ShowPrincipalResults();
    void ShowUserStresses();
    void ShowJointResults();
    void DrawDiagrams();
    void DrawMohrCircles();
    // Empties every output and diagram while the results are hidden; run
    // after each cycle and each drawing.
    void KeepResultsHidden();
    void ShowAllResults();
    void BuildResultNotices();

    QPrinter& CurrentPrinter();
    void PrintChart(const TChart& chart);
    void CopyChart(const TChart& chart);

    void BuildReport();
    void FillReport();

    // "Update global from user".
    void UpdateGlobalFromUser();
    void ReadUserStresses();
    void TransformToGlobalSystem();
    void ShowGlobalStresses();

    double ReadNumber(TEdit* field);
    void ShowNumber(TEdit* field, double value, int decimals) const;
    void ShowStressBoxes(const std::array<TEdit*, 6>& boxes, const StressState& stress) const;
    // A field losing the focus does not show again the failure of a field
    // that is still marked with the same text; a command always shows it.
    enum class Trigger { Command, FocusChange };
    void Guarded(void (TFrmTensorium::*handler)(), Trigger trigger = Trigger::Command);
    void LeadToFailedField(TEdit* field);
    void ShowPageFromCode(QWidget* page);
    void SwitchPageFromCode(QWidget* page);

    // Building the window.
    void BuildMenu();
    void BuildPages();
    QWidget* BuildGlobalPage();
    QWidget* BuildPrincipalPage();
    QWidget* BuildUserPage();
    QWidget* BuildStereographicPage();
    void BuildStereographicChart(QWidget* page);
    void BuildMohrChart(QWidget* page);
    QWidget* BuildMohrPage();
    QWidget* BuildJointPage();
    QWidget* BuildAboutPage();
    void WireEvents();
    void mnuOpenExerciseClick();
    void mnuSaveExerciseAsClick();
    void mnuSaveExerciseClick();
    // Asks Save / Discard / Cancel when the exercise file has unsaved
    // changes; true when the window may go on (saved or discarded).
    bool MayLeaveExercise();
    void ConnectExerciseChanges();
    void UpdateTitle();
    void RememberRecentExercise(const QString& path);
    void ShowRecentExercises();
    void OpenRecentExercise(const QString& path);
    void ShowExercise(const Exercise& exercise);
    void ShowQuiz(const ExerciseQuiz& quiz, std::optional<double> porePressure = std::nullopt);
    Exercise TypedExercise() const;

    // Writes edits asked for by other windows into the inputs and runs the cycle.
    void EditInputs(const std::vector<InputEdit>& edits);

    // State of the analysis, held by the session's model; zero until the
    // first cycle. The steps read and write it through these names.
    std::unique_ptr<AnalysisSession> ownSession_;
    AnalysisSession& session_;
    const NumberSeparators& separators_ = session_.Separators();
    AnalysisModel& model_ = session_.Model();
    AzimuthConvention& convention_ = model_.state().convention;
    StressState& stress_ = model_.state().stress;
    PrincipalResult& principal_ = model_.state().principal;
    UserSystem& user_ = model_.state().user;
    JointPlane& jointPlane_ = model_.state().joint;
    JointResult& jointResult_ = model_.state().jointResult;

    FrmExplorer* explorer_ = nullptr;
    PlaneSetDocument* planeSet_ = nullptr;
    FrmPlanes* planesWindow_ = nullptr;

    bool pageChangeFromCode_ = false;
    // The field a read step is reading; null outside the reading.
    TEdit* fieldBeingRead_ = nullptr;
    bool leadingToFailedField_ = false;

    // Controls the cycle reads and writes.
    QTabWidget* PageControl = nullptr;
    QWidget *tbcGlobal = nullptr, *tbcPrincipal = nullptr, *tbcUser = nullptr, *tbcStereographic = nullptr,
            *TabSheet1 = nullptr, *tbcJointSlip = nullptr, *tbcAbout = nullptr;
    TEdit *input_sx = nullptr, *input_sy = nullptr, *input_sz = nullptr, *input_txy = nullptr,
          *input_tyz = nullptr, *input_tzx = nullptr;
    TEdit *edtUserComment1 = nullptr, *edtUserComment2 = nullptr;
    QPushButton* btnCalculate = nullptr;
    TEdit *input_s1 = nullptr, *input_s2 = nullptr, *input_s3 = nullptr;
    TEdit *input_s1_beta = nullptr, *input_s2_beta = nullptr, *input_s3_beta = nullptr;
    TEdit *input_s1_psi = nullptr, *input_s2_psi = nullptr, *input_s3_psi = nullptr;
    TEdit *edtL1 = nullptr, *edtM1 = nullptr, *edtN1 = nullptr;
    TEdit *edtL2 = nullptr, *edtM2 = nullptr, *edtN2 = nullptr;
    TEdit *edtL3 = nullptr, *edtM3 = nullptr, *edtN3 = nullptr;
    TEdit *edtsxt = nullptr, *edtsyt = nullptr, *edtszt = nullptr, *edttxyt = nullptr, *edttyzt = nullptr,
          *edttzxt = nullptr;
    TEdit *edtbeta = nullptr, *edtpsi = nullptr, *edttheta = nullptr;
    QPushButton *btnUpdateUser = nullptr, *btnUpdateGlobal = nullptr;
    TChart *Chart1 = nullptr, *Chart2 = nullptr;
    TChartSeries *seriesCircle = nullptr, *Series2 = nullptr, *Series3 = nullptr, *Series4 = nullptr,
                 *Series5 = nullptr, *Series6 = nullptr, *Series7 = nullptr, *Series8 = nullptr,
                 *Series9 = nullptr;
    TChartSeries *seriesS1S2 = nullptr, *seriesS1S3 = nullptr, *seriesS2S3 = nullptr;
    TChartSeries *seriesS1S2Point = nullptr, *seriesS1S3Point = nullptr, *seriesS2S3Point = nullptr;
    QCheckBox *chkShowPrincipal = nullptr, *chkUser = nullptr, *chkJoint = nullptr;
    TEdit *input_joint_beta = nullptr, *input_joint_psi = nullptr, *input_joint_phi = nullptr,
          *input_joint_c = nullptr;
    TEdit *input_sigma = nullptr, *input_tau = nullptr, *input_taulim = nullptr, *input_SF = nullptr;
    QPushButton* btnCalculateJoint = nullptr;
    TLinkLabel *Label28 = nullptr, *Label32 = nullptr, *Label33 = nullptr;

    std::unique_ptr<ReportEngine> Report;
    std::unique_ptr<QPrinter> printer_;
    bool printerChosen_ = false;

    QAction *mnuPrintForm = nullptr, *mnuPrintStereograph = nullptr, *mnuPrintMohrCircles = nullptr,
            *mnuPrinterSetup = nullptr, *Reportprintpreview1 = nullptr, *Printreport1 = nullptr,
            *mnuExit = nullptr, *mnuCopyStereograph = nullptr, *mnuCopyMohrCircles = nullptr,
            *mnuAngleLeft = nullptr, *mnuAngleRight = nullptr, *mnuStressExplorer = nullptr,
            *mnuPlanes = nullptr, *mnuImportPlanes = nullptr, *mnuExportPlanes = nullptr,
            *mnuPastePlanes = nullptr;
    QAction *mnuOpenExercise = nullptr, *mnuSaveExerciseAs = nullptr, *mnuSaveExercise = nullptr;
    QMenu* mnuRecentExercises = nullptr;
    QString exerciseFolder_;  // where the file dialogs start, for this run only
    QString exerciseFile_;
    std::unique_ptr<Exercise> savedExercise_;  // as last opened or saved
    ExerciseQuiz quiz_;                        // the exercise's task and questions
    std::optional<double> quizPorePressure_;   // the exercise file's pore pressure, if it gives one
    FrmExercise* exerciseWindow_ = nullptr;
    QMenu* mnuExercise = nullptr;
    QAction *mnuExerciseWindow = nullptr, *mnuRandomExercise = nullptr, *mnuAnswerKey = nullptr,
            *mnuSaveResultSheet = nullptr, *mnuQuestions = nullptr;
    // How a file wants the explorer shown, until the explorer is opened.
    std::unique_ptr<ExplorerLesson> pendingLesson_;
    bool resultsHidden_ = false, workingHidden_ = false;
    std::vector<QWidget*> resultNotices_;  // one on each page of results
};

}  // namespace tensorium
