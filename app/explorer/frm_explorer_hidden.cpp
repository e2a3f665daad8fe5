// The explorer while an exercise keeps its results or its working hidden:
// notices stand in place of the diagrams, the readouts, the pore pressure
// slider (whose position tells s1) and the worked solution, and the
// commands that would save, copy or print them are unavailable.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "app/explorer/frm_explorer.h"
#include "app/explorer/working_view.h"

namespace tensorium {
namespace {

QLabel* Notice(const char* name, const char* text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMargin(8);
    label->hide();
    return label;
}

}  // namespace

QLabel* FrmExplorer::BuildResultsNotice()
{
    lblResultsHidden = Notice("lblResultsHiddenExplorer",
                              "The results are hidden until you have checked your answers in the Exercise "
                              "window (View > Exercise).");
    return lblResultsHidden;
}

QLabel* FrmExplorer::BuildWorkingNotice()
{
    lblWorkingHidden = Notice("lblWorkingHidden",
                              "The worked solution is shown once you have shown the answers in the Exercise "
                              "window.");
    return lblWorkingHidden;
}

void FrmExplorer::SetResultsHidden(bool hidden)
{
    resultsHidden_ = hidden;
    ApplyHiding();
}

void FrmExplorer::SetWorkingHidden(bool hidden)
{
    workingHidden_ = hidden;
    ApplyHiding();
}

void FrmExplorer::ApplyHiding()
{
    // The worked solution tells every result.
    const bool working = !resultsHidden_ && !workingHidden_;
    diagrams_->setVisible(!resultsHidden_);
    outputs_->setVisible(!resultsHidden_);
    sldPorePressure->setVisible(!resultsHidden_);
    lblResultsHidden->setVisible(resultsHidden_);
    txtWorking->setVisible(working);
    lblWorkingHidden->setVisible(workingHidden_);
    panes_->setVisible(!resultsHidden_ || workingHidden_);
    for (QAction* action : diagramActions_) action->setEnabled(!resultsHidden_);
    for (QAction* action : workingActions_) action->setEnabled(working);
    // Shown again from the analysis while the explorer follows it; else
    // when it is next shown.
    if (subscription_.Active())
        ShowState();
    else
        KeepHidden();
}

void FrmExplorer::KeepHidden()
{
    if (resultsHidden_) {
        for (QLineEdit* box : {edtSigmaEff, edtSFp, edtTs, edtTd, edtDpCrit}) {
            box->clear();
            box->setToolTip({});
        }
    }
    if (resultsHidden_ || workingHidden_) txtWorking->clear();
}

}  // namespace tensorium
