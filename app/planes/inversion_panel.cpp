#include "app/planes/inversion_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>
#include <exception>
#include <tuple>

#include "app/planes/plane_set_document.h"
#include "app/session/analysis_session.h"
#include "core/angles.h"
#include "core/fault_data.h"
#include "core/number_parse.h"

namespace tensorium {
namespace {

QLineEdit* Output(const QString& name, const QString& accessible)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setReadOnly(true);
    box->setMaximumWidth(120);
    return box;
}

QString StatusOf(InversionStatus status)
{
    switch (status) {
        case InversionStatus::ok: return {};
        case InversionStatus::tooFewFaults:
            return QString("Finding the stress needs at least %1 different faults with an observed slip.")
                .arg(kFewestFaults);
        case InversionStatus::invalidDatum: return "A fault's plane or slip has no direction.";
        case InversionStatus::undetermined:
            return "The faults leave the stress undetermined: their planes need more orientations.";
        case InversionStatus::cancelled: return "Cancelled.";
    }
    return {};
}

}  // namespace

QString SlipConventions()
{
    return QString::fromUtf8(
        "Compression is positive; x points East, y North and z up. A plane with dip direction a and dip "
        "d has the upward normal n = (sin a sin d, cos a sin d, cos d). The hanging wall slips along the "
        "shear traction resolved on the plane, with the sign for compression positive: along "
        "−(T n − σn n) (Wallace 1951, Bott 1959). The rake is the angle in the plane from the strike "
        "(dip direction − 90°, the dip to its right) to the hanging wall's slip, positive up the dip, "
        "from above −180° up to 180°: +90° reverse, −90° normal, 0° sinistral, 180° dextral. A striation "
        "given by trend, plunge and sense (N normal, R reverse or thrust, D dextral, S sinistral) must lie "
        "within 10° of its plane and is projected onto it. The misfit is the angle between the observed "
        "and the predicted slip. \"Find the stress\" finds the axes of σ1 ≥ σ2 ≥ σ3 and R = (σ2 − σ3) / "
        "(σ1 − σ3) that make the misfits smallest (the sum of 1 − cos of each), starting from the linear "
        "estimate of Michael (1984); 1,000 bootstrap resamples with a fixed seed give the 95 % range of "
        "R and the 95 % cones of the axes, drawn on the explorer's net with the P and T axes. Trends are "
        "those of an axis's lower end, clockwise from North.");
}

InversionPanel::InversionPanel(PlaneSetDocument& document, AnalysisSession& session, QWidget* parent)
    : QWidget(parent), document_(document), session_(session)
{
    setObjectName("InversionPanel");
    btnInvert = new QPushButton("&Find the stress");
    btnInvert->setObjectName("btnInvert");
    btnCancelInvert = new QPushButton("Ca&ncel");
    btnCancelInvert->setObjectName("btnCancelInvert");
    btnCancelInvert->setEnabled(false);
    btnUseInverted = new QPushButton("&Use this stress");
    btnUseInverted->setObjectName("btnUseInverted");
    btnUseInverted->setEnabled(false);
    progress_ = new QProgressBar;
    progress_->setObjectName("prgInvert");
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    progress_->setVisible(false);
    status_ = new QLabel;
    status_->setObjectName("lblInvertStatus");
    status_->setWordWrap(true);

    edtInvS1Trend = Output("edtInvS1Trend", "σ1 trend");
    edtInvS1Plunge = Output("edtInvS1Plunge", "σ1 plunge");
    edtInvS2Trend = Output("edtInvS2Trend", "σ2 trend");
    edtInvS2Plunge = Output("edtInvS2Plunge", "σ2 plunge");
    edtInvS3Trend = Output("edtInvS3Trend", "σ3 trend");
    edtInvS3Plunge = Output("edtInvS3Plunge", "σ3 plunge");
    edtInvR = Output("edtInvR", "R");
    edtInvRRange = Output("edtInvRRange", "95 % range of R");
    edtInvMisfit = Output("edtInvMisfit", "Mean misfit");
    edtInvSigma1 = new QLineEdit("1");
    edtInvSigma1->setObjectName("edtInvSigma1");
    edtInvSigma1->setMaximumWidth(120);
    edtInvSigma3 = new QLineEdit("0");
    edtInvSigma3->setObjectName("edtInvSigma3");
    edtInvSigma3->setMaximumWidth(120);

    auto* grid = new QGridLayout;
    auto label = [](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(new QLabel("Trend (°)"), 0, 1);
    grid->addWidget(new QLabel("Plunge (°)"), 0, 2);
    QLineEdit* axes[3][2] = {
        {edtInvS1Trend, edtInvS1Plunge}, {edtInvS2Trend, edtInvS2Plunge}, {edtInvS3Trend, edtInvS3Plunge}};
    for (int k = 0; k < 3; ++k) {
        grid->addWidget(label(QString::fromUtf8("σ%1 axis:").arg(k + 1), axes[k][0]), k + 1, 0);
        grid->addWidget(axes[k][0], k + 1, 1);
        grid->addWidget(axes[k][1], k + 1, 2);
    }
    grid->addWidget(label("R:", edtInvR), 1, 3);
    grid->addWidget(edtInvR, 1, 4);
    grid->addWidget(label(QString::fromUtf8("95 % range of R:"), edtInvRRange), 2, 3);
    grid->addWidget(edtInvRRange, 2, 4);
    grid->addWidget(label(QString::fromUtf8("Mean misfit (°):"), edtInvMisfit), 3, 3);
    grid->addWidget(edtInvMisfit, 3, 4);
    grid->setColumnStretch(5, 1);

    auto* run = new QHBoxLayout;
    run->addWidget(btnInvert);
    run->addWidget(btnCancelInvert);
    run->addWidget(progress_, 1);
    run->addStretch(0);
    auto* use = new QHBoxLayout;
    use->addWidget(label(QString::fromUtf8("σ&1:"), edtInvSigma1));
    use->addWidget(edtInvSigma1);
    use->addWidget(label(QString::fromUtf8("σ&3:"), edtInvSigma3));
    use->addWidget(edtInvSigma3);
    use->addWidget(btnUseInverted);
    use->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(run);
    layout->addWidget(status_);
    layout->addLayout(grid);
    layout->addLayout(use);
    layout->addStretch(1);

    poll_ = new QTimer(this);
    poll_->setInterval(50);
    connect(poll_, &QTimer::timeout, this, &InversionPanel::ShowProgress);
    connect(btnInvert, &QPushButton::clicked, this, &InversionPanel::FindStress);
    connect(btnCancelInvert, &QPushButton::clicked, this, &InversionPanel::Cancel);
    connect(btnUseInverted, &QPushButton::clicked, this, &InversionPanel::UseStress);
    connect(&watcher_, &QFutureWatcher<BootstrapResult>::finished, this, &InversionPanel::Finished);
    connect(&document_, &PlaneSetDocument::InversionChanged, this, &InversionPanel::ShowResult);
    ShowResult();
}

InversionPanel::~InversionPanel()
{
    cancel_ = true;
    watcher_.waitForFinished();
}

void InversionPanel::WaitForResult()
{
    if (!Running()) return;
    watcher_.waitForFinished();
    Finished();
}

void InversionPanel::FindStress()
{
    if (Running()) return;
    std::vector<FaultSlipDatum> data = FaultSlipData(document_.Planes());
    if (static_cast<int>(data.size()) < kFewestFaults) {
        session_.ReportFailure(window(), QString("Finding the stress needs at least %1 faults with an "
                                                 "observed slip (a rake); the plane set has %2.")
                                             .arg(kFewestFaults)
                                             .arg(data.size()));
        return;
    }
    cancel_ = false;
    done_ = 0;
    planesVersion_ = document_.PlanesVersion();
    btnInvert->setEnabled(false);
    btnCancelInvert->setEnabled(true);
    progress_->setValue(0);
    progress_->setVisible(true);
    status_->setText(QString("Finding the stress from %1 faults...").arg(data.size()));
    poll_->start();
    std::atomic<bool>* cancel = &cancel_;
    std::atomic<int>* done = &done_;
    watcher_.setFuture(QtConcurrent::run([data = std::move(data), cancel, done] {
        return InvertWithBootstrap(
            data, kDefaultResamples, kBootstrapSeed,
            [done](double fraction) { done->store(static_cast<int>(std::lround(1000 * fraction))); }, cancel);
    }));
}

void InversionPanel::Cancel() { cancel_ = true; }

void InversionPanel::ShowProgress() { progress_->setValue(done_.load()); }

// On the window's thread: the result goes to the plane set, unless the
// planes changed while it was being found.
void InversionPanel::Finished()
{
    if (!watcher_.isFinished() || poll_->isActive() == false) return;
    poll_->stop();
    progress_->setVisible(false);
    btnInvert->setEnabled(true);
    btnCancelInvert->setEnabled(false);
    const BootstrapResult result = watcher_.result();
    if (result.status == InversionStatus::cancelled) {
        status_->setText("Cancelled: the stress shown is the one found before.");
        return;
    }
    if (planesVersion_ != document_.PlanesVersion()) {
        status_->setText("The planes changed while the stress was being found: find it again.");
        return;
    }
    if (!result.ok()) {
        status_->setText(StatusOf(result.status));
        document_.SetInversion(nullptr);
        return;
    }
    status_->setText(QString("Found from %1 faults with %2 bootstrap resamples.")
                         .arg(result.best.misfitsDegrees.size())
                         .arg(result.resamples - result.failedResamples));
    document_.SetInversion(std::make_shared<const BootstrapResult>(result));
}

void InversionPanel::ShowResult()
{
    const BootstrapResult* result = document_.Inversion();
    btnUseInverted->setEnabled(result != nullptr);
    QLineEdit* axes[3][2] = {
        {edtInvS1Trend, edtInvS1Plunge}, {edtInvS2Trend, edtInvS2Plunge}, {edtInvS3Trend, edtInvS3Plunge}};
    if (!result) {
        for (auto& axis : axes)
            for (QLineEdit* box : axis) box->clear();
        for (QLineEdit* box : {edtInvR, edtInvRRange, edtInvMisfit}) box->clear();
        return;
    }
    const ReducedStress& best = result->best.stress;
    const Vec3* vectors[3] = {&best.s1, &best.s2, &best.s3};
    for (int k = 0; k < 3; ++k) {
        // A horizontal axis by the end in [0, 180) degrees.
        const Orientation o =
            OrientationOfDownward(AxisPointingDown(*vectors[k]), AzimuthConvention::azClockwiseFromNorth);
        axes[k][0]->setText(session_.Format(RadToDeg(o.azimuth), 2));
        axes[k][1]->setText(session_.Format(RadToDeg(o.dip), 2));
    }
    edtInvR->setText(session_.Format(best.ratio, 3));
    edtInvRRange->setText(session_.Format(result->ratioLow, 3) + QString::fromUtf8(" – ") +
                          session_.Format(result->ratioHigh, 3));
    edtInvMisfit->setText(session_.Format(result->best.meanMisfitDegrees, 2));
}

// The tensor with the found axes and R, and the chosen sigma1 and sigma3,
// typed into the main window's global inputs, which then runs its cycle.
void InversionPanel::UseStress()
{
    const BootstrapResult* result = document_.Inversion();
    if (!result) return;
    double sigma1 = 0, sigma3 = 0;
    const std::string decimal = session_.Separators().decimal;
    for (auto [box, value, name] : {std::tuple<QLineEdit*, double*, const char*>{edtInvSigma1, &sigma1, "σ1"},
                                    {edtInvSigma3, &sigma3, "σ3"}}) {
        try {
            *value = ParseNumber(box->text().toStdString(), decimal);
        } catch (const std::exception& failure) {
            box->setFocus();
            session_.ReportFailure(window(), QString::fromUtf8(name) + ": " + MessageOf(failure));
            return;
        }
    }
    if (!(sigma1 >= sigma3)) {
        edtInvSigma1->setFocus();
        session_.ReportFailure(window(), QString::fromUtf8("σ1 must not be less than σ3."));
        return;
    }
    const StressState s = StressWithAxes(result->best.stress, sigma1, sigma3);
    // Without a "-0.000" where a component rounds away.
    auto typed = [&](double v) { return session_.FormatTyped(std::fabs(v) < 0.0005 ? 0.0 : v, 3); };
    session_.EditInputs({{TypedInput::Sx, typed(s.sx)},
                         {TypedInput::Sy, typed(s.sy)},
                         {TypedInput::Sz, typed(s.sz)},
                         {TypedInput::Txy, typed(s.txy)},
                         {TypedInput::Tyz, typed(s.tyz)},
                         {TypedInput::Tzx, typed(s.tzx)}});
}

}  // namespace tensorium
