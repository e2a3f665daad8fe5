// "Find the stress": the reduced stress that best explains the slips
// observed on the faults of the plane set, with the confidence of a
// bootstrap, found away from the window's thread; and "Use this stress",
// which writes it into the main window's inputs.
#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <atomic>
#include <memory>

#include "core/stress_inversion_bootstrap.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tensorium {

class AnalysisSession;
class PlaneSetDocument;

// The seed of every bootstrap, so that a result can be repeated.
inline constexpr std::uint64_t kBootstrapSeed = 19840501;

class InversionPanel : public QWidget {
    Q_OBJECT
public:
    InversionPanel(PlaneSetDocument& document, AnalysisSession& session, QWidget* parent = nullptr);
    ~InversionPanel() override;

    bool Running() const { return watcher_.isRunning(); }
    // Waits for a running search to end (for tests and closing).
    void WaitForResult();

public slots:
    void FindStress();
    void Cancel();
    void UseStress();

private:
    void ShowResult();
    void Finished();
    void ShowProgress();

    PlaneSetDocument& document_;
    AnalysisSession& session_;
    QPushButton *btnInvert = nullptr, *btnCancelInvert = nullptr, *btnUseInverted = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLineEdit *edtInvS1Trend = nullptr, *edtInvS1Plunge = nullptr, *edtInvS2Trend = nullptr,
              *edtInvS2Plunge = nullptr, *edtInvS3Trend = nullptr, *edtInvS3Plunge = nullptr,
              *edtInvR = nullptr, *edtInvMisfit = nullptr, *edtInvRRange = nullptr, *edtInvSigma1 = nullptr,
              *edtInvSigma3 = nullptr;
    QFutureWatcher<BootstrapResult> watcher_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> done_{0};  // resamples finished, in thousandths
    QTimer* poll_ = nullptr;
    int planesVersion_ = -1;  // of the planes being inverted
};

// The conventions of slip and rake, as the window's help shows them.
QString SlipConventions();

}  // namespace tensorium
