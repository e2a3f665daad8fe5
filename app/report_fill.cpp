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
    // The stresses are printed as numbers, re-formatted from the values.
    auto number = [this](double value) {
        return QString::fromStdString(FormatNumber(value, 3, separators_));
    };
    const struct {
        const char* global;
        const char* user;
        const char* prefix;
        double StressState::*component;
    } stresses[] = {{"QRLabel2", "QRLabel32", "sx=", &StressState::sx},
                    {"QRLabel3", "QRLabel33", "sy=", &StressState::sy},
                    {"QRLabel4", "QRLabel34", "sz=", &StressState::sz},
                    {"QRLabel5", "QRLabel35", "txy=", &StressState::txy},
                    {"QRLabel6", "QRLabel36", "tyz=", &StressState::tyz},
                    {"QRLabel7", "QRLabel37", "tzx=", &StressState::tzx}};
    for (const auto& s : stresses) {
        d.SetText(s.global, s.prefix + number(stress_.*s.component));
        d.SetText(s.user, s.prefix + number(user_.stress.*s.component));
    }

    // Everything else is copied from the window as it shows it.
    const struct {
        const char* element;
        const char* prefix;
        const TEdit* field;
    } copies[] = {{"QRLabel9", "s1=", input_s1},
                  {"QRLabel11", "s2=", input_s2},
                  {"QRLabel12", "s3=", input_s3},
                  {"QRLabel13", "az=", input_s1_beta},
                  {"QRLabel14", "az=", input_s2_beta},
                  {"QRLabel15", "az=", input_s3_beta},
                  {"QRLabel16", "dip=", input_s1_psi},
                  {"QRLabel17", "dip=", input_s2_psi},
                  {"QRLabel18", "dip=", input_s3_psi},
                  {"QRLabel19", "L1=", edtL1},
                  {"QRLabel20", "L2=", edtL2},
                  {"QRLabel21", "L3=", edtL3},
                  {"QRLabel22", "M1=", edtM1},
                  {"QRLabel23", "M2=", edtM2},
                  {"QRLabel24", "M3=", edtM3},
                  {"QRLabel25", "N1=", edtN1},
                  {"QRLabel26", "N2=", edtN2},
                  {"QRLabel27", "N3=", edtN3},
                  {"QRLabel29", "Beta=", edtbeta},
                  {"QRLabel30", "Psi=", edtpsi},
                  {"QRLabel31", "Theta=", edttheta},
                  {"QRLabel39", "Joint az=", input_joint_beta},
                  {"QRLabel40", "Joint dip=", input_joint_psi},
                  {"QRLabel41", "Joint phi(o)=", input_joint_phi},
                  {"QRLabel42", "Joint c=", input_joint_c},
                  {"QRLabel43", "sigma=", input_sigma},
                  {"QRLabel44", "tau=", input_tau},
                  {"QRLabel45", "taulim=", input_taulim},
                  {"QRLabel46", "SF=", input_SF},
                  {"QRLabel48", "", edtUserComment1},
                  {"QRLabel49", "", edtUserComment2}};
    for (const auto& c : copies) d.SetText(c.element, c.prefix + c.field->text());
}

}  // namespace tensorium
