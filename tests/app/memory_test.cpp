// A long run of cycles with changing inputs and check-box clicks keeps the
// process's memory flat.
#include <QCheckBox>
#include <QFile>
#include <QPushButton>

#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

// Resident memory of this process, in bytes.
long ResidentBytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * 4096;
}

#ifdef TENSORIUM_SANITIZED
// The sanitizer's allocator holds freed memory back, so resident memory says
// nothing there; the loop still runs, for the sanitizer's own checks.
constexpr int kCycles = 5000;
constexpr bool kMeasure = false;
#else
constexpr int kCycles = 100000;
constexpr bool kMeasure = true;
#endif

using Memory = WindowTest;

TEST_F(Memory, AHundredThousandCyclesKeepMemoryFlat)
{
    auto* calculate = Find<QPushButton>("btnCalculate");
    QCheckBox* checks[3] = {Find<QCheckBox>("chkShowPrincipal"), Find<QCheckBox>("chkUser"),
                            Find<QCheckBox>("chkJoint")};
    auto cycle = [&](int i) {
        Type("input_sx", QString::number(3.4 + (i % 97) * 0.01));
        Type("input_tyz", QString::number(-1 - (i % 13)));
        Type("edtbeta", QString::number(i % 360));
        calculate->click();
        if (i % 10 == 0) checks[(i / 10) % 3]->click();
        if (i % 1000 == 0) QApplication::processEvents();
    };
    for (int i = 0; i < 2000; ++i) cycle(i);
    QApplication::processEvents();
    const long warm = ResidentBytes();
    for (int i = 0; i < kCycles; ++i) cycle(i);
    QApplication::processEvents();
    const long after = ResidentBytes();

    EXPECT_TRUE(failures.isEmpty());
    // The last cycle's inputs give the last cycle's results.
    EXPECT_EQ(window->stress().sx, 3.4 + ((kCycles - 1) % 97) * 0.01);
    const double growthMiB = (after - warm) / 1048576.0;
    RecordProperty("resident_growth_kib", QString::number((after - warm) / 1024).toStdString());
    std::printf("resident memory: %.1f MiB after warm-up, %.1f MiB after %d cycles (growth %.2f MiB)\n",
                warm / 1048576.0, after / 1048576.0, kCycles, growthMiB);
    if (kMeasure) {
        EXPECT_LT(growthMiB, 2.0);
    }
}

}  // namespace
}  // namespace tensorium::testing_support
