#include "app/exercise/frm_exercise.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <exception>

#include "app/planes/plane_set_document.h"
#include "app/session/analysis_session.h"
#include "core/answer_mistake.h"
#include "core/critical_plane_count.h"
#include "core/number_parse.h"
#include "core/regime_choice.h"
#include "core/right_answer.h"

namespace tensorium {

FrmExercise::FrmExercise(AnalysisSession& session, PlaneSetDocument& planes, QWidget* parent)
    : QMainWindow(parent), session_(session), planes_(planes)
{
    setObjectName("FrmExercise");
    setWindowTitle("Tensorium - Exercise");
    resize(640, 560);
    txtTask = new QPlainTextEdit;
    txtTask->setObjectName("txtTask");
    txtTask->setAccessibleName("Task");
    txtTask->setReadOnly(true);
    txtTask->setMaximumHeight(txtTask->fontMetrics().height() * 7);
    edtStudentName = new QLineEdit;
    edtStudentName->setObjectName("edtStudentName");
    auto* name = new QFormLayout;
    auto* nameLabel = new QLabel("Your &name:");
    nameLabel->setBuddy(edtStudentName);
    name->addRow(nameLabel, edtStudentName);

    rowsHolder_ = new QWidget;
    grid_ = new QGridLayout(rowsHolder_);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(rowsHolder_);

    btnCheckAnswers = new QPushButton("&Check");
    btnCheckAnswers->setObjectName("btnCheckAnswers");
    btnShowAnswers = new QPushButton("Show &answers");
    btnShowAnswers->setObjectName("btnShowAnswers");
    connect(btnCheckAnswers, &QPushButton::clicked, this, &FrmExercise::CheckAnswers);
    connect(btnShowAnswers, &QPushButton::clicked, this, &FrmExercise::ShowAnswers);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCheckAnswers);
    buttons->addWidget(btnShowAnswers);
    buttons->addStretch(1);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(txtTask);
    layout->addLayout(name);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    setCentralWidget(central);
}

void FrmExercise::ShowQuiz(const ExerciseQuiz& quiz, std::optional<double> porePressure)
{
    quiz_ = quiz;
    porePressure_ = porePressure;
    checked_ = answersShown_ = false;
    txtTask->setPlainText(quiz.task);
    for (Row& row : rows_)
        for (QWidget* w : std::initializer_list<QWidget*>{row.question, row.answer, row.regime, row.verdict,
                                                          row.hint, row.right})
            if (w) w->deleteLater();
    rows_.clear();
    grid_->addWidget(new QLabel("<b>Question</b>"), 0, 0);
    grid_->addWidget(new QLabel("<b>Your answer</b>"), 0, 1);
    for (size_t k = 0; k < quiz.questions.size(); ++k) {
        const Question& q = quiz.questions[k];
        const QString n = QString::number(k + 1);
        Row row;
        row.question = new QLabel(QString::fromStdString(DisplayName(q.quantity)) + ":");
        row.question->setObjectName("lblQuestion" + n);
        QWidget* field = nullptr;
        if (q.quantity == Quantity::regime) {
            row.regime = new QComboBox;
            row.regime->addItem(QString());
            for (const std::string& regime : RegimeChoiceNames())
                row.regime->addItem(QString::fromStdString(regime));
            field = row.regime;
        } else {
            row.answer = new QLineEdit;
            field = row.answer;
        }
        field->setObjectName("edtAnswer" + n);
        field->setAccessibleName(QString::fromStdString(DisplayName(q.quantity)));
        row.question->setBuddy(field);
        row.verdict = new QLabel;
        row.verdict->setObjectName("lblVerdict" + n);
        row.right = new QLabel;
        row.right->setObjectName("lblRightValue" + n);
        row.hint = new QLabel;
        row.hint->setObjectName("lblHint" + n);
        row.hint->setWordWrap(true);
        const int at = static_cast<int>(2 * k + 1);
        grid_->addWidget(row.question, at, 0);
        grid_->addWidget(field, at, 1);
        grid_->addWidget(row.verdict, at, 2);
        grid_->addWidget(row.right, at, 3);
        grid_->addWidget(row.hint, at + 1, 1, 1, 3);
        rows_.push_back(row);
    }
    grid_->setColumnStretch(3, 1);
    grid_->setRowStretch(static_cast<int>(2 * quiz.questions.size() + 1), 1);
    btnCheckAnswers->setEnabled(!quiz.questions.empty());
    btnShowAnswers->setEnabled(!quiz.questions.empty());
}

QString FrmExercise::StudentName() const { return edtStudentName->text().trimmed(); }

ExtraResults FrmExercise::Extras() const
{
    ExtraResults extra;
    if (!planes_.Planes().empty()) {
        AnalysisState state = session_.State();
        if (porePressure_) state.porePressure = *porePressure_;
        extra.criticalPlanes = CountCriticalPlanes(state, planes_.Planes());
    }
    if (const BootstrapResult* found = planes_.Inversion()) extra.inversionRatio = found->best.stress.ratio;
    return extra;
}

// An answer read with the program's number rules; none, with why, for an
// empty or unreadable one.
std::optional<Answer> FrmExercise::ReadAnswer(const Row& row, QString* problem) const
{
    if (row.regime) {
        const std::optional<StressRegime> regime = RegimeNamed(row.regime->currentText().toStdString());
        if (!regime) *problem = "No regime chosen.";
        return regime ? std::optional<Answer>(*regime) : std::nullopt;
    }
    if (row.answer->text().trimmed().isEmpty()) {
        *problem = "No answer given.";
        return std::nullopt;
    }
    try {
        return Answer(ParseNumber(row.answer->text().toStdString(), session_.Separators().decimal));
    } catch (const std::exception& failure) {
        *problem = MessageOf(failure);
        return std::nullopt;
    }
}

QString FrmExercise::RightText(const Question& question) const
{
    const std::optional<Answer> right = RightAnswer(question.quantity, session_.State(), Extras());
    if (!right) return "none";
    if (const auto* regime = std::get_if<StressRegime>(&*right)) return RegimeName(*regime);
    return session_.Format(std::get<double>(*right), ShownDecimals(question.quantity));
}

void FrmExercise::CheckAnswers()
{
    const AnalysisState& state = session_.State();
    const ExtraResults extra = Extras();
    for (size_t k = 0; k < rows_.size(); ++k) {
        const Question& q = quiz_.questions[k];
        Row& row = rows_[k];
        QString problem;
        const std::optional<Answer> answer = ReadAnswer(row, &problem);
        if (!answer) {
            row.verdict->setText("wrong");
            row.hint->setText(problem);
            continue;
        }
        const Verdict verdict = Mark(q, *answer, state, extra);
        if (verdict == Verdict::noRightValue) {
            row.verdict->setText("");
            row.hint->setText(QString::fromUtf8("This quantity has no value for these inputs."));
            continue;
        }
        row.verdict->setText(verdict == Verdict::right ? "right" : "wrong");
        const std::optional<MistakeHint> mistake = NameMistake(q, *answer, state, extra);
        row.hint->setText(verdict == Verdict::wrong && mistake ? QString::fromStdString(mistake->text)
                                                               : QString());
    }
    if (!checked_) {
        checked_ = true;
        emit FirstChecked();
    }
}

void FrmExercise::ShowAnswers()
{
    for (size_t k = 0; k < rows_.size(); ++k) rows_[k].right->setText("= " + RightText(quiz_.questions[k]));
    if (!answersShown_) {
        answersShown_ = true;
        emit AnswersRevealed();
    }
}

std::vector<MarkedQuestion> FrmExercise::Marked() const
{
    std::vector<MarkedQuestion> marked;
    for (size_t k = 0; k < rows_.size(); ++k) {
        const Row& row = rows_[k];
        marked.push_back({row.question->text(), row.regime ? row.regime->currentText() : row.answer->text(),
                          row.verdict->text(), RightText(quiz_.questions[k]), row.hint->text()});
    }
    return marked;
}

}  // namespace tensorium
