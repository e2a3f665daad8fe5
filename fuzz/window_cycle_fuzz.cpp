// One whole cycle of the main window, as the Calculate button runs it, and
// both diagrams painted into an image and into SVG. Bytes 0-47 are sx, sy,
// sz, txy, tyz, tzx; byte 48 picks the azimuth convention (bit 0:
// counterclockwise from East), shows the user axes (bit 1) and the joint
// (bit 2) and hides the principal planes (bit 3); bytes 49-104 are the user
// angles beta, psi, theta and the joint's azimuth, dip, phi and c, or their
// start values where the input ends earlier. Every value is typed as text;
// non-finite ones are skipped, since typed text never reads as one. The cycle
// must end in finite, drawn diagrams or in a floating-point message.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/main_window/frm_tensorium.h"
#include "chart/tchart.h"
#include "core/tensor_error.h"
#include "fuzz/fuzz_check.h"

namespace {

using tensorium::TChart;
using tensorium::TChartSeries;
using tensorium::TFrmTensorium;

constexpr const char* kGlobalFields[6] = {"input_sx",  "input_sy",  "input_sz",
                                          "input_txy", "input_tyz", "input_tzx"};
constexpr const char* kOtherFields[7] = {"edtbeta",          "edtpsi",          "edttheta",
                                         "input_joint_beta", "input_joint_psi", "input_joint_phi",
                                         "input_joint_c"};

QApplication& Application()
{
    // Once per process, without a display.
    static int argc = 1;
    static char name[] = "window_cycle";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

// The window, made once: a fresh one per input would cost most of the time.
struct Session {
    Session()
    {
        window->setFailureReporter([this](const QString& message) { failures << message; });
        for (int i = 0; i < 7; ++i)
            otherStartTexts[i] = window->findChild<QLineEdit*>(kOtherFields[i])->text();
    }

    std::unique_ptr<TFrmTensorium> window = std::make_unique<TFrmTensorium>();
    QStringList failures;
    QString otherStartTexts[7];
};

Session& TheSession()
{
    Application();
    static Session session;  // made after the application, so destroyed before it
    return session;
}

template <typename T>
T* Find(const Session& s, const char* name)
{
    T* found = s.window->findChild<T*>(name);
    FUZZ_CHECK_WHY(found != nullptr, name);
    return found;
}

// The text a user would type for `value`, read back to the same double.
QString Typed(const Session& s, double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return QString(text).replace('.', QString::fromStdString(s.window->separators().decimal));
}

bool IsFaultMessage(const QString& message)
{
    return message == tensorium::kOverflowMessage || message == tensorium::kInvalidOperationMessage;
}

// The chart holds finite points, each inside its plot, and paints.
void CheckChart(const TChart& chart)
{
    const QRectF target(QPointF(0, 0), QSizeF(chart.size()));
    const QRectF plot = chart.PlotRect(target);
    FUZZ_CHECK(std::isfinite(plot.left()) && std::isfinite(plot.top()) && std::isfinite(plot.width()) &&
               std::isfinite(plot.height()));
    FUZZ_CHECK(plot.width() > 1 && plot.height() > 1);
    FUZZ_CHECK(target.adjusted(-0.01, -0.01, 0.01, 0.01).contains(plot));
    // The mapping is linear on each axis, so the corners of the points' box
    // stand for every point (each mapping costs a whole layout).
    double low[2] = {HUGE_VAL, HUGE_VAL}, high[2] = {-HUGE_VAL, -HUGE_VAL};
    for (const TChartSeries* series : chart.Series()) {
        if (!series->Visible()) continue;
        for (const auto& point : series->Points()) {
            FUZZ_CHECK(std::isfinite(point.x) && std::isfinite(point.y));
            low[0] = std::min(low[0], point.x), high[0] = std::max(high[0], point.x);
            low[1] = std::min(low[1], point.y), high[1] = std::max(high[1], point.y);
        }
    }
    const QRectF slack = plot.adjusted(-0.01, -0.01, 0.01, 0.01);
    if (low[0] <= high[0]) {
        FUZZ_CHECK(slack.contains(chart.ToTarget(target, low[0], low[1])));
        FUZZ_CHECK(slack.contains(chart.ToTarget(target, high[0], high[1])));
    }
    QImage image(chart.size(), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    {
        QPainter painter(&image);
        chart.Paint(painter, QRectF(image.rect()));
    }
    FUZZ_CHECK(image.pixelColor(image.width() / 2, image.height() / 2) != QColor(Qt::magenta));
    FUZZ_CHECK(chart.ToSvg().contains("<polyline"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint8_t bytes[105] = {};
    if (size > 0) std::memcpy(bytes, data, std::min(size, sizeof bytes));  // data may be null when empty
    double global[6], other[7];
    std::memcpy(global, bytes, sizeof global);
    std::memcpy(other, bytes + 49, sizeof other);
    for (double x : global)
        if (!std::isfinite(x)) return 0;
    for (double x : other)
        if (!std::isfinite(x)) return 0;

    Session& s = TheSession();
    for (int i = 0; i < 6; ++i) Find<QLineEdit>(s, kGlobalFields[i])->setText(Typed(s, global[i]));
    for (std::size_t i = 0; i < 7; ++i) {
        const bool given = size >= 49 + 8 * (i + 1);
        Find<QLineEdit>(s, kOtherFields[i])->setText(given ? Typed(s, other[i]) : s.otherStartTexts[i]);
    }
    const uint8_t flags = bytes[48];
    Find<QAction>(s, (flags & 1) ? "mnuAngleLeft" : "mnuAngleRight")->setChecked(true);
    Find<QCheckBox>(s, "chkUser")->setChecked(flags & 2);
    Find<QCheckBox>(s, "chkJoint")->setChecked(flags & 4);
    Find<QCheckBox>(s, "chkShowPrincipal")->setChecked(!(flags & 8));

    s.failures.clear();
    Find<QPushButton>(s, "btnCalculate")->click();
    FUZZ_CHECK(s.failures.size() <= 1);
    for (const QString& message : s.failures)
        FUZZ_CHECK_WHY(IsFaultMessage(message), message.toUtf8().constData());
    if (s.failures.isEmpty()) {
        for (const char* circle : {"seriesS1S2", "seriesS1S3", "seriesS2S3"})
            FUZZ_CHECK_WHY(Find<TChartSeries>(s, circle)->Points().size() == 91, circle);
    }
    // After a failure the diagrams keep the last cycle's state; drawn alike.
    CheckChart(*Find<TChart>(s, "Chart1"));
    CheckChart(*Find<TChart>(s, "Chart2"));
    return 0;
}
