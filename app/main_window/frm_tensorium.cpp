#include "app/main_window/frm_tensorium.h"

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <utility>

#include "app/app_identity.h"
#include "app/exercise/frm_exercise.h"
#include "app/explorer/frm_explorer.h"
#include "app/files/exercise_file.h"
#include "app/palette_colour.h"
#include "app/planes/frm_planes.h"
#include "app/planes/plane_set_document.h"
#include "app/session/failure_box.h"
#include "app/session/regional.h"
#include "app/widgets/tedit.h"
#include "app/widgets/tlinklabel.h"
#include "core/number_parse.h"
#include "core/tensor_error.h"
#include "diagrams/palette.h"
#include "report/report_engine.h"

// The pictures live in the library's resources, which a static library
// must register itself.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace tensorium {

TFrmTensorium::TFrmTensorium(QWidget* parent)
    : TFrmTensorium(*new AnalysisSession(SeparatorsOf(QLocale::system())), parent)
{
    ownSession_.reset(&session_);
}

TFrmTensorium::TFrmTensorium(AnalysisSession& session, QWidget* parent)
    : QMainWindow(parent), session_(session)
{
    InitResources();
    setObjectName("FrmTensorium");
    setWindowTitle(identity::kWindowCaption);
    setWindowIcon(QIcon(":/images/tensorium_icon.svg"));
    // The layout is designed in pixels; a font of a fixed pixel height keeps
    // every caption inside its control at any screen resolution.
    QFont designFont("Liberation Sans");
    designFont.setStyleHint(QFont::SansSerif);
    designFont.setPixelSize(10);
    setFont(designFont);

    session_.SetInputEditor([this](const std::vector<InputEdit>& edits) { EditInputs(edits); });
    planeSet_ = new PlaneSetDocument(model_, this);
    BuildMenu();
    BuildPages();
    BuildReport();
    WireEvents();

    // A fixed single frame: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(618, 401 + menuBar()->sizeHint().height());
    move(324, 210);
}

TFrmTensorium::~TFrmTensorium()
{
    session_.SetInputEditor(nullptr);
    // The explorer and the plane set window go before the session and the
    // plane set they show, and the plane set before the session it follows.
    delete explorer_;
    delete planesWindow_;
    delete exerciseWindow_;
    delete planeSet_;
}

void TFrmTensorium::setFailureReporter(FailureReporter reporter)
{
    session_.SetReporter([reporter](QWidget*, const QString& message) { reporter(message); });
}

void TFrmTensorium::WireEvents()
{
    auto guard = [this](void (TFrmTensorium::*handler)()) { return [this, handler] { Guarded(handler); }; };
    for (TEdit* field : {input_sx, input_sy, input_sz, input_txy, input_tyz, input_tzx, input_joint_beta,
                         input_joint_psi, input_joint_phi, input_joint_c}) {
        connect(field, &TEdit::exited, this, [this] {
            if (!leadingToFailedField_) Guarded(&TFrmTensorium::btnCalculateClick, Trigger::FocusChange);
        });
        // Return commits the field as leaving it does, and keeps the focus there.
        connect(field, &QLineEdit::returnPressed, this, guard(&TFrmTensorium::btnCalculateClick));
    }
    connect(PageControl, &QTabWidget::currentChanged, this, [this] {
        if (!pageChangeFromCode_) Guarded(&TFrmTensorium::btnCalculateClick);
    });
    connect(btnCalculate, &QPushButton::clicked, this, guard(&TFrmTensorium::btnCalculateClick));
    connect(btnCalculateJoint, &QPushButton::clicked, this, guard(&TFrmTensorium::btnCalculateJointClick));
    connect(btnUpdateUser, &QPushButton::clicked, this, guard(&TFrmTensorium::btnUpdateUserClick));
    connect(btnUpdateGlobal, &QPushButton::clicked, this, guard(&TFrmTensorium::btnUpdateGlobalClick));
    for (QCheckBox* check : {chkShowPrincipal, chkUser, chkJoint})
        connect(check, &QCheckBox::clicked, this, guard(&TFrmTensorium::chkShowPrincipalClick));
    connect(mnuAngleLeft, &QAction::triggered, this, guard(&TFrmTensorium::mnuAngleLeftClick));
    connect(mnuAngleRight, &QAction::triggered, this, guard(&TFrmTensorium::mnuAngleRightClick));
    connect(mnuStressExplorer, &QAction::triggered, this, guard(&TFrmTensorium::mnuStressExplorerClick));
    connect(mnuPlanes, &QAction::triggered, this, guard(&TFrmTensorium::mnuPlanesClick));
    connect(mnuExerciseWindow, &QAction::triggered, this, guard(&TFrmTensorium::mnuExerciseWindowClick));
    connect(mnuRandomExercise, &QAction::triggered, this, guard(&TFrmTensorium::mnuRandomExerciseClick));
    connect(mnuAnswerKey, &QAction::triggered, this, guard(&TFrmTensorium::mnuAnswerKeyClick));
    connect(mnuQuestions, &QAction::triggered, this, guard(&TFrmTensorium::mnuQuestionsClick));
    connect(mnuSaveResultSheet, &QAction::triggered, this, guard(&TFrmTensorium::mnuSaveResultSheetClick));
    connect(mnuImportPlanes, &QAction::triggered, this, guard(&TFrmTensorium::mnuImportPlanesClick));
    connect(mnuExportPlanes, &QAction::triggered, this, guard(&TFrmTensorium::mnuExportPlanesClick));
    connect(mnuPastePlanes, &QAction::triggered, this, guard(&TFrmTensorium::mnuPastePlanesClick));
    connect(Reportprintpreview1, &QAction::triggered, this, guard(&TFrmTensorium::Reportprintpreview1Click));
    connect(Printreport1, &QAction::triggered, this, guard(&TFrmTensorium::Printreport1Click));
    const std::pair<QAction*, void (TFrmTensorium::*)()> commands[] = {
        {mnuPrintForm, &TFrmTensorium::mnuPrintFormClick},
        {mnuPrintStereograph, &TFrmTensorium::mnuPrintStereographClick},
        {mnuPrintMohrCircles, &TFrmTensorium::mnuPrintMohrCirclesClick},
        {mnuPrinterSetup, &TFrmTensorium::mnuPrinterSetupClick},
        {mnuCopyStereograph, &TFrmTensorium::mnuCopyStereographClick},
        {mnuCopyMohrCircles, &TFrmTensorium::mnuCopyMohrCirclesClick}};
    for (const auto& [action, handler] : commands) connect(action, &QAction::triggered, this, guard(handler));
    connect(Label28, &TLinkLabel::clicked, this, guard(&TFrmTensorium::Label28Click));
    connect(Label32, &TLinkLabel::clicked, this, guard(&TFrmTensorium::Label32Click));
    connect(Label33, &TLinkLabel::clicked, this, guard(&TFrmTensorium::Label33Click));
    connect(mnuExit, &QAction::triggered, this, guard(&TFrmTensorium::mnuExitClick));
    connect(mnuOpenExercise, &QAction::triggered, this, &TFrmTensorium::mnuOpenExerciseClick);
    connect(mnuSaveExerciseAs, &QAction::triggered, this, &TFrmTensorium::mnuSaveExerciseAsClick);
    connect(mnuSaveExercise, &QAction::triggered, this, &TFrmTensorium::mnuSaveExerciseClick);
    connect(mnuRecentExercises, &QMenu::aboutToShow, this, &TFrmTensorium::ShowRecentExercises);
    ConnectExerciseChanges();
}

// The one guard around every handler: a failure ends the handler and is
// shown; the window keeps running. A field that failed to read takes the
// focus once the failure is shown.
void TFrmTensorium::Guarded(void (TFrmTensorium::*handler)(), Trigger trigger)
{
    fieldBeingRead_ = nullptr;
    QString message;
    try {
        (this->*handler)();
        return;
    } catch (const std::exception& failure) {
        message = MessageOf(failure);
    }
    TEdit* failed = std::exchange(fieldBeingRead_, nullptr);
    // The user is repairing another field: the marked one tells enough.
    if (trigger == Trigger::FocusChange && failed && failed->showsFailedText()) return;
    session_.ReportFailure(this, message);
    if (failed) LeadToFailedField(failed);
}

// The field's page comes up without a cycle, and the focus moves into the
// field without the field it leaves starting one.
void TFrmTensorium::LeadToFailedField(TEdit* field)
{
    field->markFailed();
    leadingToFailedField_ = true;
    for (QWidget* w = field; w; w = w->parentWidget())
        if (PageControl->indexOf(w) >= 0) SwitchPageFromCode(w);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    leadingToFailedField_ = false;
}

void TFrmTensorium::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) Guarded(&TFrmTensorium::FormShow);
}

// Handlers ------------------------------------------------------------------

void TFrmTensorium::FormShow() { RecalculateAll(); }
void TFrmTensorium::btnCalculateClick() { RecalculateAll(); }
void TFrmTensorium::btnCalculateJointClick() { RecalculateAll(); }
void TFrmTensorium::btnUpdateUserClick() { RecalculateAll(); }
void TFrmTensorium::btnUpdateGlobalClick() { UpdateGlobalFromUser(); }
void TFrmTensorium::chkShowPrincipalClick() { DrawDiagrams(); }

void TFrmTensorium::mnuAngleLeftClick()
{
    mnuAngleLeft->setChecked(true);
    RecalculateAll();
}

void TFrmTensorium::mnuAngleRightClick()
{
    mnuAngleRight->setChecked(true);
    RecalculateAll();
}

void TFrmTensorium::mnuExitClick() { close(); }

// The cycle -------------------------------------------------------------------

void TFrmTensorium::RecalculateAll()
{
    ReadAzimuthConvention();
    ReadGlobalStress();
    ReadUserAngles();
    ReadJointInputs();
    BuildRotationMatrix();
    ComputePrincipalStresses();
    TransformToUserSystem();
    ComputeJointStresses();
    ShowPrincipalResults();
    ShowUserStresses();
    ShowJointResults();
    DrawDiagrams();
    // The explorer follows each completed cycle.
    model_.Publish();
}

// A failure of the parsing leaves the field recorded for the guard.
double TFrmTensorium::ReadNumber(TEdit* field)
{
    fieldBeingRead_ = field;
    const double value = ParseNumber(field->text().toStdString(), separators_.decimal);
    fieldBeingRead_ = nullptr;
    field->clearFailureMark();
    return value;
}

void TFrmTensorium::ReadAzimuthConvention()
{
    if (mnuAngleLeft->isChecked()) convention_ = AzimuthConvention::azCounterclockwiseFromEast;
    if (mnuAngleRight->isChecked()) convention_ = AzimuthConvention::azClockwiseFromNorth;
}

void TFrmTensorium::ReadGlobalStress()
{
    stress_.sx = ReadNumber(input_sx);
    stress_.sy = ReadNumber(input_sy);
    stress_.sz = ReadNumber(input_sz);
    stress_.txy = ReadNumber(input_txy);
    stress_.tyz = ReadNumber(input_tyz);
    stress_.tzx = ReadNumber(input_tzx);
}

void TFrmTensorium::ReadUserAngles()
{
    user_.beta = DegToRad(ReadNumber(edtbeta));
    user_.psi = DegToRad(ReadNumber(edtpsi));
    user_.theta = DegToRad(ReadNumber(edttheta));
}

void TFrmTensorium::ReadJointInputs()
{
    jointPlane_.azimuth = DegToRad(ReadNumber(input_joint_beta));
    jointPlane_.dip = DegToRad(ReadNumber(input_joint_psi));
    jointPlane_.phi = ReadNumber(input_joint_phi);
    jointPlane_.c = ReadNumber(input_joint_c);
}

void TFrmTensorium::BuildRotationMatrix() { model_.BuildRotationMatrix(); }

void TFrmTensorium::ComputePrincipalStresses() { model_.ComputePrincipalStresses(); }

void TFrmTensorium::TransformToUserSystem() { model_.TransformToUserSystem(); }

void TFrmTensorium::ComputeJointStresses() { model_.ComputeJointStresses(); }

void TFrmTensorium::ShowNumber(TEdit* field, double value, int decimals) const
{
    field->setShownText(session_.Format(value, decimals));
}

// The stress boxes are read back by the program, so they are written
// without the thousands separator that the reading does not accept.
void TFrmTensorium::ShowStressBoxes(const std::array<TEdit*, 6>& boxes, const StressState& s) const
{
    const double values[6] = {s.sx, s.sy, s.sz, s.txy, s.tyz, s.tzx};
    for (int i = 0; i < 6; ++i) boxes[i]->setShownText(session_.FormatTyped(values[i], 3));
}

void TFrmTensorium::ShowPrincipalResults()
{
    const PrincipalResult& r = principal_;
    auto show = [this](TEdit* field, double value, int decimals) { ShowNumber(field, value, decimals); };
    show(input_s1, r.s1, 3);
    show(input_s2, r.s2, 3);
    show(input_s3, r.s3, 3);
    TEdit* azimuths[3] = {input_s1_beta, input_s2_beta, input_s3_beta};
    TEdit* dips[3] = {input_s1_psi, input_s2_psi, input_s3_psi};
    for (int k = 0; k < 3; ++k) {
        show(azimuths[k], RadToDeg(r.axes[k].azimuth), 2);
        show(dips[k], RadToDeg(r.axes[k].dip), 2);
    }
    TEdit* cosines[3][3] = {{edtL1, edtM1, edtN1}, {edtL2, edtM2, edtN2}, {edtL3, edtM3, edtN3}};
    for (int k = 0; k < 3; ++k)
        for (int c = 0; c < 3; ++c) show(cosines[k][c], r.axes[k].cosines[c], 6);
}

void TFrmTensorium::ShowUserStresses()
{
    ShowStressBoxes({edtsxt, edtsyt, edtszt, edttxyt, edttyzt, edttzxt}, user_.stress);
}

void TFrmTensorium::ShowJointResults()
{
    ShowNumber(input_sigma, jointResult_.sigma, 3);
    ShowNumber(input_tau, jointResult_.tau, 3);
    ShowNumber(input_taulim, jointResult_.tlim, 3);
    // Without a finite quotient the box is emptied and keeps its colour.
    const std::optional<double> sf = SafetyFactor(jointResult_);
    if (!sf) {
        input_SF->setShownText({});
        return;
    }
    ShowNumber(input_SF, *sf, 3);
    input_SF->setTextColour(ColourOf(palette::SafetyColour(*sf)));
}

// "Update global from user" ---------------------------------------------------

void TFrmTensorium::UpdateGlobalFromUser()
{
    ReadAzimuthConvention();
    ReadUserAngles();
    ReadUserStresses();
    BuildRotationMatrix();
    TransformToGlobalSystem();
    ShowGlobalStresses();
    ShowPageFromCode(tbcGlobal);
}

void TFrmTensorium::ReadUserStresses()
{
    user_.stress.sx = ReadNumber(edtsxt);
    user_.stress.sy = ReadNumber(edtsyt);
    user_.stress.sz = ReadNumber(edtszt);
    user_.stress.txy = ReadNumber(edttxyt);
    user_.stress.tyz = ReadNumber(edttyzt);
    user_.stress.tzx = ReadNumber(edttzxt);
}

void TFrmTensorium::TransformToGlobalSystem() { model_.TransformToGlobalSystem(); }

void TFrmTensorium::ShowGlobalStresses()
{
    ShowStressBoxes({input_sx, input_sy, input_sz, input_txy, input_tyz, input_tzx}, stress_);
}

// A page shown by the program is not a user's page change: no cycle runs.
void TFrmTensorium::ShowPageFromCode(QWidget* page)
{
    SwitchPageFromCode(page);
    // The input focus goes to the page's first field in tab order.
    if (page == tbcGlobal) input_tzx->setFocus(Qt::OtherFocusReason);
}

void TFrmTensorium::SwitchPageFromCode(QWidget* page)
{
    pageChangeFromCode_ = true;
    PageControl->setCurrentWidget(page);
    pageChangeFromCode_ = false;
}

}  // namespace tensorium
