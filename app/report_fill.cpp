// The printed report: filled from the window before every generation.
#include "app/frm_tensorium.h"
#include "app/tensorium_report_design.h"
#include "app/widgets/tedit.h"
#include "report/report_engine.h"

namespace tensorium {

void TFrmTensorium::BuildReport()
{
    Report = std::make_unique<ReportEngine>(TensoriumReportDesign());
    // The fill never cancels a generation: a failure is shown, the page printed.
    Report->SetBeforePrint([this] { Guarded(&TFrmTensorium::ReportBeforePrint); });
}

void TFrmTensorium::Reportprintpreview1Click()
{
    RecalculateAll();
    Report->Preview(this);
}

void TFrmTensorium::Printreport1Click()
{
    RecalculateAll();
    Report->Print(this);
}

void TFrmTensorium::ReportBeforePrint()
{
    RecalculateAll();
    FillReport();
}

void TFrmTensorium::FillReport()
{
    ReportDesign& d = Report->Design();
    auto number = [this](double value) {
        return QString::fromStdString(FormatNumber(value, 3, separators_));
    };
    auto textOf = [](const TEdit* field) { return field->text(); };

    const StressState& g = stress_;
    d.SetText("QRLabel2", "sx=" + number(g.sx));
    d.SetText("QRLabel3", "sy=" + number(g.sy));
    d.SetText("QRLabel4", "sz=" + number(g.sz));
    d.SetText("QRLabel5", "txy=" + number(g.txy));
    d.SetText("QRLabel6", "tyz=" + number(g.tyz));
    d.SetText("QRLabel7", "tzx=" + number(g.tzx));

    d.SetText("QRLabel9", "s1=" + textOf(input_s1));
    d.SetText("QRLabel11", "s2=" + textOf(input_s2));
    d.SetText("QRLabel12", "s3=" + textOf(input_s3));
    d.SetText("QRLabel13", "az=" + textOf(input_s1_beta));
    d.SetText("QRLabel14", "az=" + textOf(input_s2_beta));
    d.SetText("QRLabel15", "az=" + textOf(input_s3_beta));
    d.SetText("QRLabel16", "dip=" + textOf(input_s1_psi));
    d.SetText("QRLabel17", "dip=" + textOf(input_s2_psi));
    d.SetText("QRLabel18", "dip=" + textOf(input_s3_psi));
    d.SetText("QRLabel19", "L1=" + textOf(edtL1));
    d.SetText("QRLabel20", "L2=" + textOf(edtL2));
    d.SetText("QRLabel21", "L3=" + textOf(edtL3));
    d.SetText("QRLabel22", "M1=" + textOf(edtM1));
    d.SetText("QRLabel23", "M2=" + textOf(edtM2));
    d.SetText("QRLabel24", "M3=" + textOf(edtM3));
    d.SetText("QRLabel25", "N1=" + textOf(edtN1));
    d.SetText("QRLabel26", "N2=" + textOf(edtN2));
    d.SetText("QRLabel27", "N3=" + textOf(edtN3));

    d.SetText("QRLabel29", "Beta=" + textOf(edtbeta));
    d.SetText("QRLabel30", "Psi=" + textOf(edtpsi));
    d.SetText("QRLabel31", "Theta=" + textOf(edttheta));
    const StressState& u = user_.stress;
    d.SetText("QRLabel32", "sx=" + number(u.sx));
    d.SetText("QRLabel33", "sy=" + number(u.sy));
    d.SetText("QRLabel34", "sz=" + number(u.sz));
    d.SetText("QRLabel35", "txy=" + number(u.txy));
    d.SetText("QRLabel36", "tyz=" + number(u.tyz));
    d.SetText("QRLabel37", "tzx=" + number(u.tzx));

    d.SetText("QRLabel39", "Joint az=" + textOf(input_joint_beta));
    d.SetText("QRLabel40", "Joint dip=" + textOf(input_joint_psi));
    d.SetText("QRLabel41", "Joint phi(o)=" + textOf(input_joint_phi));
    d.SetText("QRLabel42", "Joint c=" + textOf(input_joint_c));
    d.SetText("QRLabel43", "sigma=" + textOf(input_sigma));
    d.SetText("QRLabel44", "tau=" + textOf(input_tau));
    d.SetText("QRLabel45", "taulim=" + textOf(input_taulim));
    d.SetText("QRLabel46", "SF=" + textOf(input_SF));
    d.SetText("QRLabel48", textOf(edtUserComment1));
    d.SetText("QRLabel49", textOf(edtUserComment2));
}

}  // namespace tensorium
