// The pages of the main window, every control at its designed place.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include "app/app_identity.h"
#include "app/main_window/frm_tensorium.h"
#include "app/main_window/help_texts.h"
#include "app/session/regional.h"
#include "app/widgets/group_frame.h"
#include "app/widgets/tedit.h"
#include "app/widgets/tlinklabel.h"
#include "app/widgets/tpicture.h"

namespace tensorium {
namespace {

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

TEdit* AddEdit(QWidget* parent, const QString& name, QRect geometry, const QString& text = {})
{
    auto* edit = new TEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setShownText(text);
    return edit;
}

QGroupBox* AddGroup(QWidget* parent, const QString& name, const QString& caption, QRect geometry)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* AddCheck(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
                    bool checked)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    check->setGeometry(geometry);
    check->setChecked(checked);
    return check;
}

// A read-only, word-wrapped text box holding one paragraph per line.
QTextEdit* AddHelp(QWidget* parent, const QString& name, QRect geometry, const QStringList& lines)
{
    auto* help = new QTextEdit(parent);
    help->setObjectName(name);
    help->setGeometry(geometry);
    help->setReadOnly(true);
    help->setTabChangesFocus(true);
    help->setLineWrapMode(QTextEdit::WidgetWidth);
    help->document()->setDocumentMargin(2);
    help->setPlainText(lines.join('\n'));
    return help;
}

TPicture* AddPicture(QWidget* parent, const QString& name, const QString& resource, QRect geometry)
{
    auto* picture = new TPicture(resource, parent);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    return picture;
}

// A screen reader announces a field by the words of its label.
void NameAfterLabel(QLabel* label, QWidget* field)
{
    label->setBuddy(field);
    QString words = label->text();
    words.remove('&');
    while (words.endsWith(':') || words.endsWith(' ')) words.chop(1);
    field->setAccessibleName(words);
}

// Tab visits the widgets in the order given.
void ChainTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QWidget* AddPage(const QString& name)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    return page;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, colour);
        p.setColor(group, QPalette::WindowText, colour);
    }
    widget->setPalette(p);
}

// Six stress boxes in the order sx, sy, sz, txy, tyz, tzx, with their labels.
std::array<TEdit*, 6> AddStressBoxes(QGroupBox* group, const QStringList& names, const QStringList& captions,
                                     const QStringList& defaults, int labelX,
                                     const NumberSeparators& separators)
{
    const int tops[6] = {16, 42, 68, 100, 126, 152};
    std::array<TEdit*, 6> boxes{};
    for (int i = 0; i < 6; ++i) {
        QLabel* label = AddLabel(group, "lbl" + names[i], captions[i], labelX, tops[i]);
        boxes[i] = AddEdit(group, names[i], {24, tops[i], 73, 21},
                           Localized(defaults[i].toUtf8().constData(), separators));
        NameAfterLabel(label, boxes[i]);
    }
    return boxes;
}

}  // namespace

QWidget* TFrmTensorium::BuildGlobalPage()
{
    QWidget* page = AddPage("tbcGlobal");
    QGroupBox* group = AddGroup(page, "GroupBox2", "Stress on x,y,z", {24, 8, 105, 180});
    group->setProperty("hint", "Input normal and shear stress in global system x,y,z");
    const auto boxes = AddStressBoxes(
        group, {"input_sx", "input_sy", "input_sz", "input_txy", "input_tyz", "input_tzx"},
        {"sx", "sy", "sz", "txy", "tyz", "tzx"}, {"3.4", "1", "8", "1", "-1", "2"}, 8, separators_);
    group->findChild<QLabel*>("lblinput_sx")->setObjectName("Label1");
    input_sx = boxes[0], input_sy = boxes[1], input_sz = boxes[2];
    input_txy = boxes[3], input_tyz = boxes[4], input_tzx = boxes[5];

    QTextEdit* help = AddHelp(page, "RichEdit1", {136, 8, 265, 180}, help::GlobalPage());
    AddPicture(page, "Image1", ":/images/image1_global_element.svg", {408, 8, 200, 180});
    btnCalculate = AddButton(page, "btnCalculate", "&Calculate", {24, 336, 75, 25});

    QLabel* note =
        AddLabel(page, "Label59", "Enter your own comments. Comments are being printed in report.", 328, 280);
    note->setWordWrap(true);
    note->setGeometry(328, 280, 227, 26);
    QLabel* comment1 = AddLabel(page, "Label57", "User comment 1:", 240, 312);
    QLabel* comment2 = AddLabel(page, "Label58", "User comment 2:", 240, 344);
    edtUserComment1 = AddEdit(page, "edtUserComment1", {328, 312, 273, 21});
    edtUserComment2 = AddEdit(page, "edtUserComment2", {328, 344, 273, 21});
    NameAfterLabel(comment1, edtUserComment1);
    NameAfterLabel(comment2, edtUserComment2);

    // The stress boxes are visited from the bottom up.
    ChainTabOrder({input_tzx, input_tyz, input_txy, input_sz, input_sy, input_sx, help, btnCalculate,
                   edtUserComment1, edtUserComment2});
    return page;
}

QWidget* TFrmTensorium::BuildPrincipalPage()
{
    QWidget* page = AddPage("tbcPrincipal");
    struct Column {
        const char* group;
        int left;
        const char* caption;
        QColor colour;
        int index;
    };
    const Column columns[3] = {{"GroupBox1", 24, "s1", QColor(0, 128, 0), 1},
                               {"GroupBox3", 128, "s2", QColor(255, 0, 0), 2},
                               {"GroupBox4", 232, "s3", QColor(0, 0, 255), 3}};
    TEdit** values[3] = {&input_s1, &input_s2, &input_s3};
    TEdit** azimuths[3] = {&input_s1_beta, &input_s2_beta, &input_s3_beta};
    TEdit** dips[3] = {&input_s1_psi, &input_s2_psi, &input_s3_psi};
    TEdit** cosines[3][3] = {{&edtL1, &edtM1, &edtN1}, {&edtL2, &edtM2, &edtN2}, {&edtL3, &edtM3, &edtN3}};

    for (int c = 0; c < 3; ++c) {
        const Column& column = columns[c];
        const QString n = QString::number(column.index);
        QGroupBox* group = AddGroup(page, column.group, column.caption, {column.left, 8, 81, 281});
        group->setProperty("hint", "Principal stresses");
        SetTextColour(group, column.colour);
        AddLabel(group, "lblValue" + n, "Value", 8, 16);
        *values[c] = AddEdit(group, "input_s" + n, {8, 32, 65, 21});
        AddLabel(group, "lblAzimuth" + n, QString::fromUtf8("Azimuth (\u03bf)"), 8, 72);
        *azimuths[c] = AddEdit(group, "input_s" + n + "_beta", {8, 88, 65, 21});
        AddLabel(group, "lblDip" + n, "Dip angle", 8, 120);
        *dips[c] = AddEdit(group, "input_s" + n + "_psi", {8, 136, 65, 21});
        // The labels head a column: the name says whose value it is.
        (*values[c])->setAccessibleName("Value of s" + n);
        (*azimuths[c])->setAccessibleName("Azimuth of s" + n);
        (*dips[c])->setAccessibleName("Dip angle of s" + n);
        const char* letters[3] = {"L", "M", "N"};
        const int tops[3] = {176, 208, c == 2 ? 236 : 240};
        for (int r = 0; r < 3; ++r) {
            *cosines[c][r] =
                AddEdit(group, QString("edt%1%2").arg(letters[r]).arg(column.index), {8, tops[r], 57, 21});
            (*cosines[c][r])->setAccessibleName(QString("%1 of axis %2").arg(letters[r]).arg(column.index));
        }
        for (TEdit* field : group->findChildren<TEdit*>()) {
            field->setReadOnly(field != edtL1);
            field->setFitsShownText(true);
        }
        const int labelX[3] = {8, 112, 216};
        const int labelY[3] = {184, 216, 248};
        for (int r = 0; r < 3; ++r)
            AddLabel(page, QString("lbl%1%2").arg(letters[r]).arg(column.index), QString(letters[r]) + " ",
                     labelX[c], labelY[r]);
    }
    AddPicture(page, "Image2", ":/images/image2_principal_element.svg", {424, 8, 180, 180});
    AddHelp(page, "RichEdit2", {331, 192, 273, 97}, help::PrincipalPage());
    return page;
}

QWidget* TFrmTensorium::BuildUserPage()
{
    QWidget* page = AddPage("tbcUser");
    QGroupBox* stresses = AddGroup(page, "GroupBox5", "Stress on x,y,z", {24, 8, 105, 180});
    stresses->setProperty("hint", "Input normal and shear stress in global system x,y,z");
    const auto boxes = AddStressBoxes(
        stresses, {"edtsxt", "edtsyt", "edtszt", "edttxyt", "edttyzt", "edttzxt"},
        {"sx'", "sy'", "sz'", "txy'", "tyz'", "tzx'"}, {"3.4", "1", "8", "1", "-1", "2"}, 6, separators_);
    edtsxt = boxes[0], edtsyt = boxes[1], edtszt = boxes[2];
    edttxyt = boxes[3], edttyzt = boxes[4], edttzxt = boxes[5];
    // The cycle writes these boxes; "Update global from user" reads them back.
    for (TEdit* box : boxes) box->setFitsShownText(true);

    QGroupBox* angles = AddGroup(page, "GroupBox7", "Angles - degrees (o)", {144, 8, 121, 180});
    QLabel* beta = AddLabel(angles, "lblbeta", "beta", 16, 16);
    QLabel* psi = AddLabel(angles, "lblpsi", "psi", 24, 56);
    QLabel* theta = AddLabel(angles, "lbltheta", "theta", 16, 96);
    edtbeta = AddEdit(angles, "edtbeta", {48, 16, 65, 21}, "125");
    edtpsi = AddEdit(angles, "edtpsi", {48, 56, 65, 21}, "30");
    edttheta = AddEdit(angles, "edttheta", {48, 96, 65, 21}, "15");
    NameAfterLabel(beta, edtbeta);
    NameAfterLabel(psi, edtpsi);
    NameAfterLabel(theta, edttheta);

    AddPicture(page, "Image3", ":/images/image3_user_angles.svg", {272, 8, 330, 201});
    btnUpdateUser = AddButton(page, "btnUpdateUser", "Update &user from global", {16, 216, 121, 25});
    btnUpdateGlobal = AddButton(page, "btnUpdateGlobal", "Update &global from user", {16, 336, 121, 25});
    QTextEdit* help = AddHelp(page, "RichEdit4", {168, 216, 433, 145}, help::UserPage());

    ChainTabOrder({edttzxt, edttyzt, edttxyt, edtszt, edtsyt, edtsxt, edtbeta, edtpsi, edttheta,
                   btnUpdateUser, btnUpdateGlobal, help});
    return page;
}

QWidget* TFrmTensorium::BuildStereographicPage()
{
    QWidget* page = AddPage("tbcStereographic");
    BuildStereographicChart(page);
    chkShowPrincipal = AddCheck(page, "chkShowPrincipal", "Show &principal stress", {384, 8, 121, 17}, true);
    chkUser = AddCheck(page, "chkUser", "Show &user axes", {384, 32, 121, 17}, false);
    chkJoint = AddCheck(page, "chkJoint", "Show &joint", {384, 56, 121, 17}, false);
    AddHelp(page, "RichEdit5", {376, 128, 233, 241}, help::StereographicPage());
    return page;
}

QWidget* TFrmTensorium::BuildMohrPage()
{
    QWidget* page = AddPage("TabSheet1");
    BuildMohrChart(page);
    AddHelp(page, "RichEdit7", {392, 0, 217, 137}, help::MohrPage());
    return page;
}

QWidget* TFrmTensorium::BuildJointPage()
{
    QWidget* page = AddPage("tbcJointSlip");
    QGroupBox* joint = AddGroup(page, "GroupBox8", "Joint", {0, 4, 145, 153});
    joint->setProperty("hint", "Joint, plane direction - strenth parameters (geotechnical sign considered)");
    AddLabel(joint, "lblPlaneDirection", "Plane direction:", 8, 16);
    AddLabel(joint, "lblStrengthParams", "Joint strength params:", 16, 80);
    QLabel* jointLabels[4] = {AddLabel(joint, "lbljoint_beta", "az(right/Y):", 8, 32),
                              AddLabel(joint, "lbljoint_psi", "psi (dip):", 8, 56),
                              AddLabel(joint, "lbljoint_phi", "phi (o):", 24, 96),
                              AddLabel(joint, "lbljoint_c", "c:", 24, 120)};
    input_joint_beta = AddEdit(joint, "input_joint_beta", {64, 32, 73, 21}, "16");
    input_joint_beta->setProperty(
        "hint", "Alpha angle, the azimuth of the maximum dip direction, measured clockwise from the North");
    input_joint_psi = AddEdit(joint, "input_joint_psi", {64, 56, 73, 21}, "33");
    input_joint_phi = AddEdit(joint, "input_joint_phi", {64, 96, 73, 21}, "14");
    input_joint_c = AddEdit(joint, "input_joint_c", {64, 120, 73, 21}, "1");
    TEdit* jointInputs[4] = {input_joint_beta, input_joint_psi, input_joint_phi, input_joint_c};
    for (int i = 0; i < 4; ++i) NameAfterLabel(jointLabels[i], jointInputs[i]);

    // The result panel takes no input; its texts keep their colours.
    auto* results = new QWidget(page);
    results->setObjectName("Panel2");
    results->setGeometry(152, 8, 145, 148);
    results->setProperty(
        "hint",
        "Joint stresses - Maximum allowed shear stress on joint - Geotechnical sign consideration "
        "(compression>0)");
    QPalette p = results->palette();
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::Base})
        p.setColor(QPalette::Disabled, role, p.color(QPalette::Active, role));
    results->setPalette(p);
    AddLabel(results, "lblJointStresses", "Joint stresses:", 8, 8);
    AddLabel(results, "lblJointStrength", "Joint strength:", 8, 80);
    QLabel* resultLabels[4] = {
        AddLabel(results, "lblsigma", "Normal, s:", 8, 24), AddLabel(results, "lbltau", "Shear, t:", 8, 48),
        AddLabel(results, "lbltaulim", "tlim:", 24, 96), AddLabel(results, "lblSF", "SF:", 24, 120)};
    input_sigma = AddEdit(results, "input_sigma", {72, 24, 65, 21});
    input_tau = AddEdit(results, "input_tau", {72, 48, 65, 21});
    input_taulim = AddEdit(results, "input_taulim", {72, 96, 65, 21});
    input_SF = AddEdit(results, "input_SF", {72, 120, 65, 21});
    TEdit* outputs[4] = {input_sigma, input_tau, input_taulim, input_SF};
    for (int i = 0; i < 4; ++i) {
        outputs[i]->setReadOnly(true);
        outputs[i]->setFitsShownText(true);
        NameAfterLabel(resultLabels[i], outputs[i]);
    }
    results->setEnabled(false);

    btnCalculateJoint = AddButton(page, "btnCalculateJoint", "&Calculate", {0, 200, 75, 25});
    AddPicture(page, "Image4", ":/images/image4_joint_tetrahedron.svg", {376, 8, 225, 217});
    AddHelp(page, "RichEdit6", {0, 232, 601, 137}, help::JointPage());
    return page;
}

QWidget* TFrmTensorium::BuildAboutPage()
{
    QWidget* page = AddPage("tbcAbout");
    QTextEdit* help = AddHelp(page, "RichEdit3", {8, 8, 577, 161}, help::AboutPage());
    Label28 = new TLinkLabel(identity::kInstitution, page);
    Label28->setObjectName("Label28");
    Label28->move(8, 184);
    Label32 = new TLinkLabel(identity::kLaboratory, page);
    Label32->setObjectName("Label32");
    Label32->move(8, 232);
    Label33 = new TLinkLabel(identity::kSchool, page);
    Label33->setObjectName("Label33");
    Label33->move(424, 184);
    for (QLabel* label :
         {static_cast<QLabel*>(Label28), static_cast<QLabel*>(Label32), static_cast<QLabel*>(Label33)})
        label->adjustSize();
    // Tab visits the links as they are read: left to right, then down.
    ChainTabOrder({help, Label28, Label33, Label32});

    // Holder of the report design; never shown in the window.
    auto* holder = new QLabel("Panel1", page);
    holder->setObjectName("Panel1");
    holder->setGeometry(600, 0, 609, 369);
    holder->hide();
    return page;
}

void TFrmTensorium::BuildPages()
{
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(618, 401);
    PageControl = new QTabWidget(client);
    PageControl->setObjectName("PageControl");
    PageControl->setGeometry(0, 0, 617, 401);
    tbcGlobal = BuildGlobalPage();
    tbcPrincipal = BuildPrincipalPage();
    tbcUser = BuildUserPage();
    tbcStereographic = BuildStereographicPage();
    TabSheet1 = BuildMohrPage();
    tbcJointSlip = BuildJointPage();
    tbcAbout = BuildAboutPage();
    PageControl->addTab(tbcGlobal, "Global");
    PageControl->addTab(tbcPrincipal, "Principal");
    PageControl->addTab(tbcUser, "User defined");
    PageControl->addTab(tbcStereographic, "Stereographic");
    PageControl->addTab(TabSheet1, "Mohr circles");
    PageControl->addTab(tbcJointSlip, "Joint slip");
    PageControl->addTab(tbcAbout, "About");
    PageControl->setCurrentWidget(tbcGlobal);
    setCentralWidget(client);
    // Measured in the window's font and style, which the pages have only now.
    for (QGroupBox* group : client->findChildren<QGroupBox*>()) KeepControlsBelowFrameTop(group);
}

}  // namespace tensorium
