// The stress explorer: the equal-area net, the Mohr diagram and the joint
// moved together, following every cycle of the window it explores.
#pragma once

#include <QMainWindow>

#include "app/files/exercise_file.h"
#include "core/analysis_model.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace tensorium {

class AnalysisSession;
class ExplorerDiagram;
class ExplorerMohr;
class ExplorerNet;
class PlaneSetDocument;
class TEdit;
class WorkingView;

class FrmExplorer : public QMainWindow {
    Q_OBJECT
public:
    // Follows the session's analysis while it is shown.
    explicit FrmExplorer(AnalysisSession& session, QWidget* parent = nullptr);
    ~FrmExplorer() override;

    ExplorerNet& Net() { return *net_; }
    ExplorerMohr& Mohr() { return *mohr_; }
    // The measured planes both diagrams show.
    void SetPlaneSet(PlaneSetDocument* planes);

    // What an exercise keeps of the explorer, and showing it again.
    ExplorerLesson Lesson() const;
    void ShowLesson(const ExplorerLesson& lesson);
    // Text size in steps of Ctrl++ from the normal size (negative: smaller).
    int TextSteps() const { return textSteps_; }
    void SetTextSteps(int steps);

    // While the results are hidden, a notice stands in place of the diagrams
    // and the readouts; while the working is hidden (or the results are), a
    // notice stands in place of the worked solution.
    void SetResultsHidden(bool hidden);
    void SetWorkingHidden(bool hidden);

    // The worked solution as shown in txtWorking, and its pages as a PDF file.
    QString WorkingText() const;
    bool SaveWorking(const QString& pdfPath, QString* error) const;

signals:
    // The pore pressure text, the field, a layer or the text size changed.
    void LessonChanged();

public slots:
    // The diagram as SVG, PDF or PNG by the file's extension; a failure is
    // reported over the explorer.
    bool SaveNet(const QString& path);
    bool SaveMohr(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Shows every result of the model (after each cycle and pore pressure).
    void ShowState();
    void BuildMenu();
    QWidget* BuildControls();
    QWidget* BuildOutputs();
    void RestoreSettings();
    void SaveSettings() const;
    void PlaceBeside(const QWidget* main);
    static QWidget* Pair(QLabel* caption, QWidget* control);
    void ReadPorePressure();
    void SlidePorePressure(int step);
    void ShowSlider();
    void ShowOutputs();
    void ShowWorking();
    QLabel* BuildResultsNotice();
    QLabel* BuildWorkingNotice();
    void ApplyHiding();
    // Empties what holds a value while it is hidden; run after each showing.
    void KeepHidden();
    void SaveWorkingAs();
    void ApplyLayers();
    void SaveDiagramAs(ExplorerDiagram& diagram);
    bool SaveDiagram(ExplorerDiagram& diagram, const QString& path);

    AnalysisSession& session_;
    ModelSubscription subscription_;
    int textSteps_ = 0;
    bool placed_ = false;  // placed on the screen once, or given a remembered place
    ExplorerNet* net_ = nullptr;
    ExplorerMohr* mohr_ = nullptr;
    QCheckBox *chkExplorerPrincipal = nullptr, *chkExplorerUser = nullptr, *chkExplorerJoint = nullptr,
              *chkExplorerPoles = nullptr, *chkExplorerDensity = nullptr, *chkExplorerSlip = nullptr,
              *chkExplorerPT = nullptr;
    QComboBox* cmbField = nullptr;
    TEdit* edtPorePressure = nullptr;
    QSlider* sldPorePressure = nullptr;
    bool showingSlider_ = false;
    WorkingView* txtWorking = nullptr;
    QLineEdit *edtSigmaEff = nullptr, *edtSFp = nullptr, *edtTs = nullptr, *edtTd = nullptr,
              *edtDpCrit = nullptr;
    bool resultsHidden_ = false, workingHidden_ = false;
    QWidget *diagrams_ = nullptr, *panes_ = nullptr, *outputs_ = nullptr;
    QLabel *lblResultsHidden = nullptr, *lblWorkingHidden = nullptr;
    QList<QAction*> diagramActions_, workingActions_;  // unavailable while hidden
};

}  // namespace tensorium
