// The printed report: filled from the window before every generation.
#include "app/main_window/frm_tensorium.h"
#include "app/main_window/tensorium_report_design.h"
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
    auto number = [this](double value) { return session_.Format(value, 3); };
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

    // The results as the window shows them, formatted from the analysis.
    const PrincipalResult& p = principal_;
    const char* const values[3] = {"QRLabel9", "QRLabel11", "QRLabel12"};
    const char* const azimuths[3] = {"QRLabel13", "QRLabel14", "QRLabel15"};
    const char* const dips[3] = {"QRLabel16", "QRLabel17", "QRLabel18"};
    const char* const cosines[3][3] = {{"QRLabel19", "QRLabel22", "QRLabel25"},
                                       {"QRLabel20", "QRLabel23", "QRLabel26"},
                                       {"QRLabel21", "QRLabel24", "QRLabel27"}};
    const char* const cosineNames[3] = {"L", "M", "N"};
    const double stresses3[3] = {p.s1, p.s2, p.s3};
    for (int k = 0; k < 3; ++k) {
        const QString n = QString::number(k + 1);
        d.SetText(values[k], "s" + n + "=" + session_.Format(stresses3[k], 3));
        d.SetText(azimuths[k], "az=" + session_.Format(RadToDeg(p.axes[k].azimuth), 2));
        d.SetText(dips[k], "dip=" + session_.Format(RadToDeg(p.axes[k].dip), 2));
        for (int c = 0; c < 3; ++c)
            d.SetText(cosines[k][c], cosineNames[c] + n + "=" + session_.Format(p.axes[k].cosines[c], 6));
    }
    const std::optional<double> sf = SafetyFactor(jointResult_);
    d.SetText("QRLabel43", "sigma=" + session_.Format(jointResult_.sigma, 3));
    d.SetText("QRLabel44", "tau=" + session_.Format(jointResult_.tau, 3));
    d.SetText("QRLabel45", "taulim=" + session_.Format(jointResult_.tlim, 3));
    d.SetText("QRLabel46", "SF=" + (sf ? session_.Format(*sf, 3) : QString()));

    // The inputs print as typed.
    const struct {
        const char* element;
        const char* prefix;
        const TEdit* field;
    } copies[] = {{"QRLabel29", "Beta=", edtbeta},
                  {"QRLabel30", "Psi=", edtpsi},
                  {"QRLabel31", "Theta=", edttheta},
                  {"QRLabel39", "Joint az=", input_joint_beta},
                  {"QRLabel40", "Joint dip=", input_joint_psi},
                  {"QRLabel41", "Joint phi(o)=", input_joint_phi},
                  {"QRLabel42", "Joint c=", input_joint_c},
                  {"QRLabel48", "", edtUserComment1},
                  {"QRLabel49", "", edtUserComment2}};
    for (const auto& c : copies) d.SetText(c.element, c.prefix + c.field->text());
}

}  // namespace tensorium
