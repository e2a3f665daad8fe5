// A screen reader announces every input and output by what it holds.
#include <QAccessible>
#include <QLabel>

#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

using AccessibleNames = WindowTest;

QString SpokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

TEST_F(AccessibleNames, EveryFieldIsAnnouncedByItsLabel)
{
    // Fields with a label of their own take its words; the fields under the
    // column headings of the Principal page say the heading and whose it is.
    const std::pair<const char*, const char*> names[] = {
        {"input_sx", "sx"},
        {"input_sy", "sy"},
        {"input_sz", "sz"},
        {"input_txy", "txy"},
        {"input_tyz", "tyz"},
        {"input_tzx", "tzx"},
        {"edtUserComment1", "User comment 1"},
        {"edtUserComment2", "User comment 2"},
        {"edtsxt", "sx'"},
        {"edtsyt", "sy'"},
        {"edtszt", "sz'"},
        {"edttxyt", "txy'"},
        {"edttyzt", "tyz'"},
        {"edttzxt", "tzx'"},
        {"edtbeta", "beta"},
        {"edtpsi", "psi"},
        {"edttheta", "theta"},
        {"input_joint_beta", "az(right/Y)"},
        {"input_joint_psi", "psi (dip)"},
        {"input_joint_phi", "phi (o)"},
        {"input_joint_c", "c"},
        {"input_sigma", "Normal, s"},
        {"input_tau", "Shear, t"},
        {"input_taulim", "tlim"},
        {"input_SF", "SF"},
    };
    for (const auto& [field, name] : names) EXPECT_EQ(SpokenName(Find<QWidget>(field)), name) << field;

    for (int k = 1; k <= 3; ++k) {
        const QString n = QString::number(k);
        auto field = [&](const QString& name) { return Find<QWidget>(name.toUtf8().constData()); };
        EXPECT_EQ(SpokenName(field("input_s" + n)), "Value of s" + n);
        EXPECT_EQ(SpokenName(field("input_s" + n + "_beta")), "Azimuth of s" + n);
        EXPECT_EQ(SpokenName(field("input_s" + n + "_psi")), "Dip angle of s" + n);
        for (const char* letter : {"L", "M", "N"})
            EXPECT_EQ(SpokenName(field(QString("edt%1%2").arg(letter, n))),
                      QString("%1 of axis %2").arg(letter, n));
    }
}

TEST_F(AccessibleNames, NoTwoFieldsSoundAlikeAndEachLabelNamesItsField)
{
    QMap<QString, QString> fieldOfName;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        const QString name = SpokenName(edit);
        EXPECT_FALSE(name.isEmpty()) << edit->objectName().toStdString();
        EXPECT_FALSE(fieldOfName.contains(name))
            << edit->objectName().toStdString() << " and " << fieldOfName.value(name).toStdString() << ": "
            << name.toStdString();
        fieldOfName[name] = edit->objectName();
    }
    EXPECT_EQ(fieldOfName.size(), 43) << "every field of the seven pages";
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->buddy()) continue;
        EXPECT_TRUE(label->text().startsWith(SpokenName(label->buddy()))) << label->text().toStdString();
    }
}

}  // namespace
}  // namespace tensorium::testing_support
