// Results kept hidden until the student has answered: the pages of results
// show a notice and empty boxes, the diagrams are emptied, the printouts
// and copies that would show them are unavailable, and the explorer and the
// plane set window follow. The inputs stay as typed.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "app/explorer/frm_explorer.h"
#include "app/main_window/frm_tensorium.h"
#include "app/planes/frm_planes.h"
#include "app/widgets/tedit.h"
#include "chart/chart_series.h"
#include "chart/tchart.h"

namespace tensorium {
namespace {

const char* const kNotice =
    "The results are hidden until you have checked your answers in the Exercise window (View > Exercise).";

}  // namespace

// Each notice lies where its page has room, or where its diagram was.
void TFrmTensorium::BuildResultNotices()
{
    const struct {
        QWidget* page;
        const char* name;
        QRect place;
    } notices[] = {{tbcPrincipal, "lblResultsHiddenPrincipal", {24, 300, 577, 40}},
                   {tbcUser, "lblResultsHiddenUser", {16, 246, 145, 84}},
                   {tbcStereographic, "lblResultsHiddenStereographic", {16, 140, 337, 80}},
                   {TabSheet1, "lblResultsHiddenMohr", {16, 140, 353, 80}},
                   {tbcJointSlip, "lblResultsHiddenJoint", {88, 162, 280, 64}}};
    for (const auto& n : notices) {
        auto* label = new QLabel(kNotice, n.page);
        label->setObjectName(n.name);
        label->setGeometry(n.place);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::StyledPanel);
        label->setMargin(4);
        label->hide();
        resultNotices_.push_back(label);
    }
}

void TFrmTensorium::SetResultsHidden(bool hidden)
{
    if (hidden == resultsHidden_) return;
    if (resultNotices_.empty()) BuildResultNotices();
    resultsHidden_ = hidden;
    for (QWidget* notice : resultNotices_) notice->setVisible(hidden);
    Chart1->setVisible(!hidden);
    Chart2->setVisible(!hidden);
    // The user stresses are read back only by "Update global from user".
    btnUpdateGlobal->setEnabled(!hidden);
    for (TEdit* box : {edtsxt, edtsyt, edtszt, edttxyt, edttyzt, edttzxt}) box->setReadOnly(hidden);
    for (QAction* action : {Reportprintpreview1, Printreport1, mnuPrintStereograph, mnuPrintMohrCircles,
                            mnuCopyStereograph, mnuCopyMohrCircles, mnuExportPlanes})
        action->setEnabled(!hidden);
    if (explorer_) explorer_->SetResultsHidden(hidden);
    if (planesWindow_) planesWindow_->SetResultsHidden(hidden);
    if (hidden)
        KeepResultsHidden();
    else
        Guarded(&TFrmTensorium::ShowAllResults);
}

void TFrmTensorium::SetWorkingHidden(bool hidden)
{
    if (hidden == workingHidden_) return;
    workingHidden_ = hidden;
    if (explorer_) explorer_->SetWorkingHidden(hidden);
}

// The results of the last complete cycle, as the cycle shows them.
void TFrmTensorium::ShowAllResults()
{
    ShowPrincipalResults();
    ShowUserStresses();
    ShowJointResults();
    DrawDiagrams();
}

void TFrmTensorium::KeepResultsHidden()
{
    if (!resultsHidden_) return;
    for (TEdit* box :
         {input_s1,     input_s2,     input_s3, input_s1_beta, input_s2_beta, input_s3_beta, input_s1_psi,
          input_s2_psi, input_s3_psi, edtL1,    edtM1,         edtN1,         edtL2,         edtM2,
          edtN2,        edtL3,        edtM3,    edtN3,         edtsxt,        edtsyt,        edtszt,
          edttxyt,      edttyzt,      edttzxt,  input_sigma,   input_tau,     input_taulim,  input_SF})
        box->setShownText({});
    for (TChartSeries* series :
         {seriesCircle, Series2, Series3, Series4, Series5, Series6, Series7, Series8, Series9, seriesS1S2,
          seriesS1S3, seriesS2S3, seriesS1S2Point, seriesS1S3Point, seriesS2S3Point})
        series->Clear();
}

}  // namespace tensorium
