// The teacher's editor of an exercise's questions, over the real main
// window's session: what is ticked and typed comes back as the questions in
// the order of the quantities, the current questions come back unchanged, a
// tolerance that does not read keeps the dialog open, the default tolerance
// shows greyed, and the keyboard reaches every box and field.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "app/exercise/questions_dialog.h"
#include "app/session/analysis_session.h"
#include "core/exercise_quantity.h"
#include "tests/app/window_fixture.h"

namespace tensorium::testing_support {
namespace {

class QuestionsDialogTest : public WindowTest {
protected:
    template <typename T = QLineEdit>
    static T* In(const QuestionsDialog& dialog, const QString& name)
    {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static QString Key(Quantity q) { return QString::fromStdString(QuantityKey(q)); }
    static QCheckBox* Box(const QuestionsDialog& d, Quantity q)
    {
        return In<QCheckBox>(d, "chkQuestion_" + Key(q));
    }
    static QLineEdit* Tolerance(const QuestionsDialog& d, Quantity q)
    {
        return In(d, "edtTolerance_" + Key(q));
    }
    static QLineEdit* Hint(const QuestionsDialog& d, Quantity q) { return In(d, "edtHint_" + Key(q)); }

    // A number as the teacher types it here: written with a point, shown
    // with the session's decimal separator.
    QString Regional(QString text) const
    {
        return text.replace('.', QString::fromStdString(window->Session().Separators().decimal));
    }
    static void ClickOk(QuestionsDialog& dialog) { In<QPushButton>(dialog, "btnOk")->click(); }
    static void ShowActive(QuestionsDialog& dialog)
    {
        dialog.show();
        dialog.activateWindow();
        // The main window keeps the activation for a while on the offscreen screen.
        ASSERT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
    }
};

Question Asked(Quantity quantity, std::optional<double> tolerance = std::nullopt, std::string hint = "")
{
    Question q;
    q.quantity = quantity;
    q.tolerance = tolerance;
    q.hint = std::move(hint);
    return q;
}

TEST_F(QuestionsDialogTest, WhatIsTickedAndTypedComesBackInTheOrderOfTheQuantities)
{
    QuestionsDialog dialog(window->Session(), ExerciseQuiz(), window.get());
    EXPECT_EQ(dialog.objectName(), "QuestionsDialog");
    EXPECT_EQ(dialog.windowTitle(), "Questions");
    for (Quantity q : AllQuantities()) {
        EXPECT_EQ(Box(dialog, q)->text(), QString::fromStdString(DisplayName(q)));
        EXPECT_FALSE(Box(dialog, q)->isChecked()) << Key(q).toStdString();
    }
    In<QPlainTextEdit>(dialog, "txtTaskEdit")->setPlainText("Work out s1.\nThen the regime.");
    In<QCheckBox>(dialog, "chkHideResults")->setChecked(true);
    // Ticked out of order: the quantities' order wins.
    Box(dialog, Quantity::tau)->setChecked(true);
    Hint(dialog, Quantity::tau)->setText("  Mind the sign of tau.  ");
    Box(dialog, Quantity::regime)->setChecked(true);
    Tolerance(dialog, Quantity::regime)->setText("0");
    Box(dialog, Quantity::s1)->setChecked(true);
    Tolerance(dialog, Quantity::s1)->setText(Regional(" 0.25 "));
    Box(dialog, Quantity::s3Dip)->setChecked(true);
    Tolerance(dialog, Quantity::s3Dip)->setText(Regional("1.5e1"));
    // Typed in rows that are not ticked: nothing of them is kept.
    Tolerance(dialog, Quantity::s2)->setText(Regional("0.5"));
    Hint(dialog, Quantity::sigma)->setText("Unused");

    dialog.show();
    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    ExerciseQuiz expected;
    expected.task = "Work out s1.\nThen the regime.";
    expected.hideResults = true;
    expected.questions = {Asked(Quantity::s1, 0.25), Asked(Quantity::s3Dip, 15.0),
                          Asked(Quantity::regime, 0.0),
                          Asked(Quantity::tau, std::nullopt, "Mind the sign of tau.")};
    EXPECT_EQ(dialog.Quiz(), expected);
    EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();
}

TEST_F(QuestionsDialogTest, TheCurrentQuestionsComeBackTickedWithTheirTolerancesAndHints)
{
    ExerciseQuiz current;
    current.task = "Find the principal stresses.";
    current.hideResults = true;
    // 0.1 + 0.2 needs 17 digits: it must come back as the same number.
    current.questions = {Asked(Quantity::tau, 0.1, "Resolve onto the joint."), Asked(Quantity::s1),
                         Asked(Quantity::s3Dip, 0.1 + 0.2),
                         Asked(Quantity::criticalPlanes, 0.0, "Count them")};
    QuestionsDialog dialog(window->Session(), current, window.get());
    EXPECT_EQ(In<QPlainTextEdit>(dialog, "txtTaskEdit")->toPlainText(), current.task);
    EXPECT_TRUE(In<QCheckBox>(dialog, "chkHideResults")->isChecked());
    for (Quantity q : AllQuantities()) {
        const bool asked =
            q == Quantity::tau || q == Quantity::s1 || q == Quantity::s3Dip || q == Quantity::criticalPlanes;
        EXPECT_EQ(Box(dialog, q)->isChecked(), asked) << Key(q).toStdString();
    }
    EXPECT_EQ(Tolerance(dialog, Quantity::tau)->text(), Regional("0.1"));
    EXPECT_EQ(Hint(dialog, Quantity::tau)->text(), "Resolve onto the joint.");
    EXPECT_EQ(Tolerance(dialog, Quantity::s1)->text(), "") << "the default stays the default";
    EXPECT_EQ(Tolerance(dialog, Quantity::s3Dip)->text(), Regional("0.30000000000000004"));
    EXPECT_EQ(Tolerance(dialog, Quantity::criticalPlanes)->text(), "0");
    EXPECT_EQ(Hint(dialog, Quantity::criticalPlanes)->text(), "Count them");

    dialog.show();
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    ExerciseQuiz expected = current;
    expected.questions = {current.questions[1], current.questions[2], current.questions[0],
                          current.questions[3]};
    EXPECT_EQ(dialog.Quiz(), expected);

    // Unticking drops a question; retyping a tolerance replaces it.
    Box(dialog, Quantity::s1)->setChecked(false);
    Tolerance(dialog, Quantity::tau)->setText(Regional("0.125"));
    expected.questions.erase(expected.questions.begin());
    expected.questions[1].tolerance = 0.125;
    EXPECT_EQ(dialog.Quiz(), expected);
}

TEST_F(QuestionsDialogTest, ABadToleranceIsReportedAndKeepsTheDialogOpen)
{
    QuestionsDialog dialog(window->Session(), ExerciseQuiz(), window.get());
    ShowActive(dialog);
    Box(dialog, Quantity::s1Dip)->setChecked(true);
    QLineEdit* field = Tolerance(dialog, Quantity::s1Dip);
    // A bad text in a row that is not asked does not matter.
    Tolerance(dialog, Quantity::s2)->setText("nonsense");
    for (const QString& bad :
         {QString("abc"), QString("-1"), Regional("-0.5"), QString("1e400"), QString("2 5")}) {
        const qsizetype before = failures.size();
        field->setText(bad);
        In<QPlainTextEdit>(dialog, "txtTaskEdit")->setFocus();
        ClickOk(dialog);
        ASSERT_EQ(failures.size(), before + 1) << bad.toStdString();
        EXPECT_TRUE(failures.last().contains("s1 dip")) << failures.last().toStdString();
        EXPECT_TRUE(failures.last().contains(QString("\"%1\"").arg(bad))) << failures.last().toStdString();
        EXPECT_TRUE(dialog.isVisible()) << bad.toStdString();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << bad.toStdString();
        EXPECT_EQ(QApplication::focusWidget(), field) << bad.toStdString();
    }
    // Zero, and minus zero as zero, are taken.
    field->setText(Regional("-0.0"));
    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(dialog.Quiz().questions.size(), 1u);
    ASSERT_TRUE(dialog.Quiz().questions[0].tolerance);
    EXPECT_FALSE(std::signbit(*dialog.Quiz().questions[0].tolerance));
    EXPECT_EQ(*dialog.Quiz().questions[0].tolerance, 0.0);
}

TEST_F(QuestionsDialogTest, TheDefaultToleranceShowsGreyedForTheCurrentStresses)
{
    SetGlobal({"30", "20", "10", "0", "0", "0"});
    Find<QPushButton>("btnCalculate")->click();
    const AnalysisState& state = window->Session().State();
    ASSERT_DOUBLE_EQ(state.principal.s1 - state.principal.s3, 20.0);
    QuestionsDialog dialog(window->Session(), ExerciseQuiz(), window.get());
    // Stresses 1 % of s1 - s3 with the window's three decimals, angles 2
    // degrees with two, SF and R 0.02, the count and the regime exact.
    const QString stress = Regional("0.200");
    for (Quantity q : {Quantity::s1, Quantity::s3, Quantity::sigma, Quantity::tau, Quantity::tlim,
                       Quantity::userSx, Quantity::userTzx})
        EXPECT_EQ(Tolerance(dialog, q)->placeholderText(), stress) << Key(q).toStdString();
    for (Quantity q : {Quantity::s1Azimuth, Quantity::s2Dip, Quantity::s3Dip})
        EXPECT_EQ(Tolerance(dialog, q)->placeholderText(), Regional("2.00")) << Key(q).toStdString();
    for (Quantity q : {Quantity::safetyFactor, Quantity::inversionRatio})
        EXPECT_EQ(Tolerance(dialog, q)->placeholderText(), Regional("0.020")) << Key(q).toStdString();
    for (Quantity q : {Quantity::regime, Quantity::criticalPlanes})
        EXPECT_EQ(Tolerance(dialog, q)->placeholderText(), "0") << Key(q).toStdString();
    for (Quantity q : AllQuantities()) EXPECT_EQ(Tolerance(dialog, q)->text(), "") << Key(q).toStdString();
}

// Another region's separator, in a session of its own: a point is then not
// the decimal separator.
TEST_F(QuestionsDialogTest, TolerancesAreReadAndShownWithTheRegionalSeparator)
{
    AnalysisSession comma(NumberSeparators{",", "."});
    QStringList reported;
    comma.SetReporter([&reported](QWidget*, const QString& message) { reported << message; });
    ExerciseQuiz current;
    current.questions = {Asked(Quantity::safetyFactor, 0.05)};
    QuestionsDialog dialog(comma, current, window.get());
    EXPECT_EQ(Tolerance(dialog, Quantity::safetyFactor)->text(), "0,05");
    EXPECT_EQ(Tolerance(dialog, Quantity::s1Azimuth)->placeholderText(), "2,00");
    dialog.show();
    Tolerance(dialog, Quantity::safetyFactor)->setText("0.5");
    ClickOk(dialog);
    EXPECT_EQ(reported.size(), 1);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    Tolerance(dialog, Quantity::safetyFactor)->setText("0,5");
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Quiz().questions.at(0).tolerance, 0.5);
    EXPECT_TRUE(failures.isEmpty()) << "the window's own session is not told";
}

TEST_F(QuestionsDialogTest, TabReachesEveryBoxAndFieldAndTheLabelsTakeTheKeyboardToTheirFields)
{
    QuestionsDialog dialog(window->Session(), ExerciseQuiz(), window.get());
    ShowActive(dialog);
    auto* task = In<QPlainTextEdit>(dialog, "txtTaskEdit");
    task->setFocus(Qt::TabFocusReason);
    QStringList expected{"chkHideResults"};
    for (Quantity q : AllQuantities())
        expected << "chkQuestion_" + Key(q) << "edtTolerance_" + Key(q) << "edtHint_" + Key(q);
    QStringList visited;
    for (int k = 0; k < expected.size() + 2; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.mid(0, expected.size()), expected);
    QStringList buttons = visited.mid(expected.size());
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"btnCancel", "btnOk"})) << "then the buttons";
    EXPECT_EQ(task->toPlainText(), "") << "Tab leaves the task rather than writing a tab";

    // Labels: the task's, and the headings of the two columns of fields.
    const auto buddyOf = [&dialog](const QString& text) -> QWidget* {
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text() == text) return label->buddy();
        ADD_FAILURE() << "no label " << text.toStdString();
        return nullptr;
    };
    EXPECT_EQ(buddyOf("&Task:"), task);
    EXPECT_EQ(buddyOf("Tole&rance"), Tolerance(dialog, AllQuantities().front()));
    EXPECT_EQ(buddyOf("Hi&nt"), Hint(dialog, AllQuantities().front()));
    const std::pair<Qt::Key, QWidget*> mnemonics[] = {{Qt::Key_R, Tolerance(dialog, AllQuantities().front())},
                                                      {Qt::Key_N, Hint(dialog, AllQuantities().front())},
                                                      {Qt::Key_T, task}};
    for (const auto& [key, field] : mnemonics) {
        QTest::keyClick(&dialog, key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), field) << field->objectName().toStdString();
    }
    QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
    QTest::qWait(300);  // a mnemonic clicks its check box with a short animation
    EXPECT_TRUE(In<QCheckBox>(dialog, "chkHideResults")->isChecked());
    EXPECT_TRUE(failures.isEmpty());
}

}  // namespace
}  // namespace tensorium::testing_support
