#include "app/explorer/frm_explorer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QSlider>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/app_settings.h"
#include "app/explorer/explorer_mohr.h"
#include "app/explorer/explorer_net.h"
#include "app/explorer/working_document.h"
#include "app/explorer/working_view.h"
#include "app/palette_colour.h"
#include "app/session/analysis_session.h"
#include "app/widgets/flow_layout.h"
#include "app/widgets/tedit.h"
#include "core/number_format.h"
#include "core/number_parse.h"
#include "core/stability.h"
#include "core/worked_solution.h"
#include "diagrams/palette.h"

namespace tensorium {
namespace {

// Each step of Ctrl++ makes text, markers and lines a quarter larger.
constexpr double kTextStep = 1.25;
constexpr int kFewestTextSteps = -3, kMostTextSteps = 6;
// The slider's steps from p = 0 to p = s1.
constexpr int kSliderSteps = 1000;

}  // namespace

FrmExplorer::FrmExplorer(AnalysisSession& session, QWidget* parent) : QMainWindow(parent), session_(session)
{
    setObjectName("FrmExplorer");
    setWindowTitle("Tensorium - Stress explorer");
    setAttribute(Qt::WA_DeleteOnClose, false);

    net_ = new ExplorerNet(session_.Model());
    mohr_ = new ExplorerMohr(session_.Model());
    const QString decimal = QString::fromStdString(session_.Separators().decimal);
    net_->SetDecimalSeparator(decimal);
    mohr_->SetDecimalSeparator(decimal);
    // Written into the main window as a user would type them: one decimal,
    // the regional separator.
    net_->SetJointMover([this](double direction, double dip) {
        session_.EditInputs({{TypedInput::JointDipDirection, session_.FormatTyped(direction, 1)},
                             {TypedInput::JointDip, session_.FormatTyped(dip, 1)}});
    });
    auto* diagrams = new QSplitter(Qt::Horizontal);
    diagrams->addWidget(net_);
    diagrams->addWidget(mohr_);

    // The worked solution below the diagrams, over the window's whole width
    // so that its lines show whole; the splitter gives the diagrams the room.
    txtWorking = new WorkingView;
    txtWorking->setObjectName("txtWorking");
    txtWorking->setAccessibleName("Worked solution");
    txtWorking->setFont(WorkingFont());
    auto* panes = new QSplitter(Qt::Vertical);
    panes->addWidget(diagrams);
    panes->addWidget(txtWorking);
    panes->addWidget(BuildWorkingNotice());
    panes->setStretchFactor(0, 2);
    panes->setStretchFactor(1, 1);
    panes->setSizes({400, 200});  // in proportion; the text's own size hint would take most of the height
    diagrams_ = diagrams;
    panes_ = panes;

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(BuildControls());
    layout->addWidget(BuildResultsNotice());
    layout->addWidget(panes, 1);
    outputs_ = BuildOutputs();
    layout->addWidget(outputs_);
    setCentralWidget(central);
    BuildMenu();
    resize(1100, 640);
    RestoreSettings();
    ApplyLayers();
}

FrmExplorer::~FrmExplorer() { SaveSettings(); }

// What the explorer remembers for the next run.
void FrmExplorer::RestoreSettings()
{
    const auto settings = OpenSettings();
    settings->beginGroup("explorer");
    placed_ = restoreGeometry(settings->value("geometry").toByteArray());
    chkExplorerPrincipal->setChecked(settings->value("principal", true).toBool());
    chkExplorerUser->setChecked(settings->value("user", false).toBool());
    chkExplorerJoint->setChecked(settings->value("joint", true).toBool());
    chkExplorerPoles->setChecked(settings->value("poles", false).toBool());
    chkExplorerDensity->setChecked(settings->value("density", false).toBool());
    chkExplorerSlip->setChecked(settings->value("slip", false).toBool());
    chkExplorerPT->setChecked(settings->value("pt", false).toBool());
    cmbField->setCurrentIndex(std::clamp(settings->value("field", 0).toInt(), 0, cmbField->count() - 1));
    SetTextSteps(settings->value("text_steps", 0).toInt());
}

void FrmExplorer::SaveSettings() const
{
    const auto settings = OpenSettings();
    settings->beginGroup("explorer");
    if (placed_) settings->setValue("geometry", saveGeometry());
    settings->setValue("principal", chkExplorerPrincipal->isChecked());
    settings->setValue("user", chkExplorerUser->isChecked());
    settings->setValue("joint", chkExplorerJoint->isChecked());
    settings->setValue("poles", chkExplorerPoles->isChecked());
    settings->setValue("density", chkExplorerDensity->isChecked());
    settings->setValue("slip", chkExplorerSlip->isChecked());
    settings->setValue("pt", chkExplorerPT->isChecked());
    settings->setValue("field", cmbField->currentIndex());
    settings->setValue("text_steps", textSteps_);
}

// The first time it opens, the explorer stands beside the main window, not
// over it, when the screen has room; otherwise it fits the screen.
// The narrowest explorer that opens beside the main window rather than
// over it: two diagrams of about 320 px.
constexpr int kNarrowestBeside = 640;

void FrmExplorer::PlaceBeside(const QWidget* main)
{
    const QScreen* screen = (main ? main : this)->screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    // The window's frame is not known before it is shown: take the main window's.
    const QSize frame = main ? main->frameGeometry().size() - main->geometry().size() : QSize();
    const QSize size = this->size().boundedTo(room.size() - frame);
    resize(size);
    const QSize outer = size + frame;
    if (!main) {
        move(room.topLeft());
        return;
    }
    const QRect other = main->frameGeometry();
    const int top =
        std::clamp(other.top(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height()));
    const int right = room.right() - other.right(), left = other.left() - room.left();
    // Narrower beside the main window rather than over it, while the
    // diagrams keep a useful width.
    const int least = std::max(minimumSizeHint().width(), kNarrowestBeside) + frame.width();
    if (right >= outer.width()) {
        move(other.right() + 1, top);
    } else if (left >= outer.width()) {
        move(other.left() - outer.width(), top);
    } else if (std::max(right, left) >= least) {
        resize(std::max(right, left) - frame.width(), size.height());
        move(right >= left ? other.right() + 1 : room.left(), top);
    } else {
        move(room.right() + 1 - outer.width(), top);
    }
}

// A caption and its control that wrap onto the next row together.
QWidget* FrmExplorer::Pair(QLabel* caption, QWidget* control)
{
    auto* pair = new QWidget;
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 12, 0);
    layout->addWidget(caption);
    layout->addWidget(control);
    caption->setBuddy(control);
    return pair;
}

QWidget* FrmExplorer::BuildControls()
{
    auto* row = new QWidget;
    auto* layout = new FlowLayout(row);
    auto check = [&](QCheckBox*& box, const char* name, const char* caption, bool on) {
        box = new QCheckBox(caption);
        box->setObjectName(name);
        box->setChecked(on);
        connect(box, &QCheckBox::toggled, this, [this] {
            ApplyLayers();
            emit LessonChanged();
        });
        layout->addWidget(box);
    };
    check(chkExplorerPrincipal, "chkExplorerPrincipal", "&Principal stresses", true);
    check(chkExplorerUser, "chkExplorerUser", "&User axes", false);
    check(chkExplorerJoint, "chkExplorerJoint", "&Joint", true);
    check(chkExplorerPoles, "chkExplorerPoles", "Pol&es", false);
    check(chkExplorerDensity, "chkExplorerDensity", "&Density", false);
    check(chkExplorerSlip, "chkExplorerSlip", "S&lip", false);
    check(chkExplorerPT, "chkExplorerPT", "P and &T axes", false);

    cmbField = new QComboBox;
    cmbField->setObjectName("cmbField");
    cmbField->addItems({"None", "Slip tendency", "Dilation tendency", "Safety factor"});
    connect(cmbField, &QComboBox::currentIndexChanged, this, [this](int index) {
        net_->SetField(static_cast<FieldKind>(index));
        mohr_->SetPlaneColouring(static_cast<FieldKind>(index));
        emit LessonChanged();
    });
    layout->addWidget(Pair(new QLabel("&Field:"), cmbField));

    edtPorePressure = new TEdit("0");
    edtPorePressure->setObjectName("edtPorePressure");
    edtPorePressure->setAccessibleName("Pore pressure");
    // Read on Return and when the focus moves to another control, as the main
    // window reads its inputs; a text already reported is not reported again
    // while the user works elsewhere, nor when the window closes.
    connect(edtPorePressure, &QLineEdit::textChanged, this, &FrmExplorer::LessonChanged);
    connect(edtPorePressure, &QLineEdit::returnPressed, this, [this] { ReadPorePressure(); });
    connect(edtPorePressure, &TEdit::exited, this, [this] {
        if (!edtPorePressure->showsFailedText()) ReadPorePressure();
    });
    sldPorePressure = new QSlider(Qt::Horizontal);
    sldPorePressure->setObjectName("sldPorePressure");
    sldPorePressure->setAccessibleName("Pore pressure from 0 to s1");
    sldPorePressure->setRange(0, kSliderSteps);
    sldPorePressure->setPageStep(kSliderSteps / 10);
    connect(sldPorePressure, &QSlider::valueChanged, this, [this](int step) { SlidePorePressure(step); });
    auto* pressure = Pair(new QLabel("P&ore pressure:"), edtPorePressure);
    pressure->layout()->addWidget(sldPorePressure);
    layout->addWidget(pressure);
    return row;
}

QWidget* FrmExplorer::BuildOutputs()
{
    auto* row = new QWidget;
    auto* layout = new FlowLayout(row);
    auto output = [&](QLineEdit*& box, const char* name, const QString& caption, const QString& spoken) {
        box = new QLineEdit;
        box->setObjectName(name);
        box->setReadOnly(true);
        box->setAccessibleName(spoken);
        layout->addWidget(Pair(new QLabel(caption), box));
    };
    output(edtSigmaEff, "edtSigmaEff", QString::fromUtf8("σn' ="), "Effective normal stress");
    output(edtSFp, "edtSFp", "SF(p) =", "Safety factor with pore pressure");
    output(edtTs, "edtTs", "Ts =", "Slip tendency");
    output(edtTd, "edtTd", "Td =", "Dilation tendency");
    output(edtDpCrit, "edtDpCrit", QString::fromUtf8("Δp crit ="), "Critical pore pressure rise");
    return row;
}

void FrmExplorer::BuildMenu()
{
    auto diagramMenu = [this](const QString& title, ExplorerDiagram* diagram, const char* prefix) {
        QMenu* menu = menuBar()->addMenu(title);
        QAction* save = menu->addAction("&Save as...");
        save->setObjectName(QString("mnu%1SaveAs").arg(prefix));
        connect(save, &QAction::triggered, this, [this, diagram] { SaveDiagramAs(*diagram); });
        QAction* copy = menu->addAction("&Copy");
        copy->setObjectName(QString("mnu%1Copy").arg(prefix));
        connect(copy, &QAction::triggered, this, [diagram] { diagram->CopyToClipboard(); });
        diagramActions_ << save << copy;
    };
    diagramMenu("&Net", net_, "Net");
    diagramMenu("&Mohr diagram", mohr_, "Mohr");
    QMenu* working = menuBar()->addMenu("&Working");
    QAction* print = working->addAction("&Print working...");
    print->setObjectName("mnuPrintWorking");
    connect(print, &QAction::triggered, this, [this] { PreviewWorking(WorkingText(), this); });
    QAction* pdf = working->addAction("&Save working as PDF...");
    pdf->setObjectName("mnuSaveWorkingPdf");
    connect(pdf, &QAction::triggered, this, [this] { SaveWorkingAs(); });
    workingActions_ << print << pdf;
    QMenu* view = menuBar()->addMenu("&View");
    QAction* larger = view->addAction("&Larger text");
    larger->setObjectName("mnuLargerText");
    larger->setShortcuts({QKeySequence::ZoomIn, QKeySequence("Ctrl+=")});
    connect(larger, &QAction::triggered, this, [this] { SetTextSteps(textSteps_ + 1); });
    QAction* smaller = view->addAction("&Smaller text");
    smaller->setObjectName("mnuSmallerText");
    smaller->setShortcut(QKeySequence::ZoomOut);
    connect(smaller, &QAction::triggered, this, [this] { SetTextSteps(textSteps_ - 1); });
    QAction* normal = view->addAction("&Normal text size");
    normal->setObjectName("mnuNormalText");
    normal->setShortcut(QKeySequence("Ctrl+0"));
    connect(normal, &QAction::triggered, this, [this] { SetTextSteps(0); });
}

void FrmExplorer::SetTextSteps(int steps)
{
    textSteps_ = std::clamp(steps, kFewestTextSteps, kMostTextSteps);
    const double scale = std::pow(kTextStep, textSteps_);
    net_->SetTextScale(scale);
    mohr_->SetTextScale(scale);
    QFont f = font();
    f.setPixelSize(std::max(8, static_cast<int>(std::lround(13 * scale))));
    centralWidget()->setFont(f);
    // The menus too, which are read from the back of the room as well.
    menuBar()->setFont(f);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setFont(f);
    QFont fixed = WorkingFont();
    fixed.setPixelSize(f.pixelSize());
    txtWorking->setFont(fixed);
    emit LessonChanged();
}

ExplorerLesson FrmExplorer::Lesson() const
{
    ExplorerLesson lesson;
    lesson.porePressure = edtPorePressure->text();
    lesson.field = cmbField->currentIndex();
    lesson.principal = chkExplorerPrincipal->isChecked();
    lesson.user = chkExplorerUser->isChecked();
    lesson.joint = chkExplorerJoint->isChecked();
    lesson.poles = chkExplorerPoles->isChecked();
    lesson.density = chkExplorerDensity->isChecked();
    lesson.slip = chkExplorerSlip->isChecked();
    lesson.pt = chkExplorerPT->isChecked();
    lesson.textSteps = textSteps_;
    return lesson;
}

void FrmExplorer::ShowLesson(const ExplorerLesson& lesson)
{
    chkExplorerPrincipal->setChecked(lesson.principal);
    chkExplorerUser->setChecked(lesson.user);
    chkExplorerJoint->setChecked(lesson.joint);
    chkExplorerPoles->setChecked(lesson.poles);
    chkExplorerDensity->setChecked(lesson.density);
    chkExplorerSlip->setChecked(lesson.slip);
    chkExplorerPT->setChecked(lesson.pt);
    cmbField->setCurrentIndex(std::clamp(lesson.field, 0, cmbField->count() - 1));
    SetTextSteps(lesson.textSteps);
    edtPorePressure->setText(lesson.porePressure);
    ReadPorePressure();
}

void FrmExplorer::SaveWorkingAs()
{
    const QString path =
        QFileDialog::getSaveFileName(this, "Save working as PDF", "working.pdf", "PDF document (*.pdf)");
    if (path.isEmpty()) return;
    QString error;
    if (!SaveWorking(path, &error)) session_.ReportFailure(this, error);
}

QString FrmExplorer::WorkingText() const { return txtWorking->Text(); }

bool FrmExplorer::SaveWorking(const QString& pdfPath, QString* error) const
{
    return SaveWorkingPdf(WorkingText(), pdfPath, error);
}

void FrmExplorer::SaveDiagramAs(ExplorerDiagram& diagram)
{
    const QString path =
        QFileDialog::getSaveFileName(this, "Save as", diagram.objectName() + ".svg",
                                     "SVG picture (*.svg);;PDF document (*.pdf);;PNG image (*.png)");
    if (!path.isEmpty()) SaveDiagram(diagram, path);
}

bool FrmExplorer::SaveDiagram(ExplorerDiagram& diagram, const QString& path)
{
    QString error;
    if (diagram.SaveTo(path, &error)) return true;
    session_.ReportFailure(this, error);
    return false;
}

bool FrmExplorer::SaveNet(const QString& path) { return SaveDiagram(*net_, path); }

bool FrmExplorer::SaveMohr(const QString& path) { return SaveDiagram(*mohr_, path); }

void FrmExplorer::SetPlaneSet(PlaneSetDocument* planes)
{
    net_->SetPlaneSet(planes);
    mohr_->SetPlaneSet(planes);
}

void FrmExplorer::ApplyLayers()
{
    net_->SetLayers({chkExplorerPrincipal->isChecked(), chkExplorerUser->isChecked(),
                     chkExplorerJoint->isChecked(), chkExplorerPoles->isChecked(),
                     chkExplorerDensity->isChecked(), chkExplorerSlip->isChecked(),
                     chkExplorerPT->isChecked()});
    mohr_->SetPlanesShown(chkExplorerPoles->isChecked());
}

void FrmExplorer::showEvent(QShowEvent* event)
{
    if (!placed_) {
        PlaceBeside(parentWidget() ? parentWidget()->window() : nullptr);
        placed_ = true;
    }
    QMainWindow::showEvent(event);
    if (!subscription_.Active()) {
        subscription_ = session_.Model().Subscribe([this](const AnalysisState&) { ShowState(); });
        ShowState();
    }
}

// A closed explorer stops listening; it catches up when shown again.
void FrmExplorer::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return;
    subscription_.Reset();
    SaveSettings();
}

// The same number rules and failure message as every input; a text that does
// not read keeps the focus, framed in red and selected, and changes nothing.
void FrmExplorer::ReadPorePressure()
{
    const bool read = session_.RunGuarded(this, [this] {
        const double p = ParseNumber(edtPorePressure->text().toStdString(), session_.Separators().decimal);
        edtPorePressure->clearFailureMark();
        session_.Model().SetPorePressure(p);
    });
    if (read) return;
    edtPorePressure->markFailed();
    edtPorePressure->setFocus(Qt::OtherFocusReason);
    edtPorePressure->selectAll();
}

// A step of the slider is typed into the field, with as many decimals as
// its steps need, and read from there, so that the field and the analysis
// always agree.
void FrmExplorer::SlidePorePressure(int step)
{
    if (showingSlider_) return;
    const double s1 = session_.State().principal.s1;
    if (!(s1 > 0)) return;
    const int decimals = std::clamp(3 - static_cast<int>(std::floor(std::log10(s1))), 0, 12);
    edtPorePressure->setText(session_.FormatTyped(s1 * step / kSliderSteps, decimals));
    ReadPorePressure();
}

// The slider sits at the pressure as a share of s1; it sweeps nothing while
// s1 is not a compression.
void FrmExplorer::ShowSlider()
{
    const AnalysisState& state = session_.State();
    const double s1 = state.principal.s1;
    showingSlider_ = true;
    sldPorePressure->setEnabled(s1 > 0 && std::isfinite(s1));
    if (s1 > 0 && std::isfinite(s1)) {
        const double share = std::clamp(state.porePressure / s1, 0.0, 1.0);
        sldPorePressure->setValue(static_cast<int>(std::lround(share * kSliderSteps)));
    }
    showingSlider_ = false;
}

void FrmExplorer::ShowState()
{
    net_->Refresh();
    mohr_->update();
    ShowSlider();
    ShowOutputs();
    KeepHidden();
}

void FrmExplorer::ShowOutputs()
{
    const PlaneStability& s = session_.State().jointStability;
    auto text = [this](const std::optional<double>& v) { return v ? session_.Format(*v, 3) : QString(); };
    edtSigmaEff->setText(text(s.sigmaEff));
    edtSFp->setText(text(s.safetyFactor));
    edtTs->setText(text(s.slipTendency));
    edtTd->setText(text(s.dilationTendency));
    edtDpCrit->setText(text(s.criticalPressureRise));
    // As the main window colours its safety factor.
    QPalette shown = edtSFp->palette();
    shown.setColor(QPalette::Text,
                   ColourOf(s.safetyFactor ? palette::SafetyColour(*s.safetyFactor) : palette::kBlack));
    edtSFp->setPalette(shown);
    for (QLineEdit* box : {edtSigmaEff, edtSFp, edtTs, edtTd, edtDpCrit}) {
        box->setToolTip(box->text());
        box->setCursorPosition(0);
    }
    // An empty value says why it has none.
    const AnalysisState& state = session_.State();
    if (!s.safetyFactor && state.jointResult.tau == 0)
        edtSFp->setToolTip("No shear on the plane: the safety factor has no value.");
    if (!s.dilationTendency && state.principal.s1 == state.principal.s3)
        edtTd->setToolTip(QString::fromUtf8("σ1 = σ3: the dilation tendency has no value."));
    ShowWorking();
}

void FrmExplorer::ShowWorking()
{
    const AnalysisState& state = session_.State();
    txtWorking->SetText(
        QString::fromStdString(WorkedSolution(state, state.porePressure, session_.Separators())));
}

}  // namespace tensorium
