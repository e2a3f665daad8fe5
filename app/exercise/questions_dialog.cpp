#include "app/exercise/questions_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "app/session/analysis_session.h"
#include "core/exercise_quantity.h"
#include "core/exercise_question.h"
#include "core/number_parse.h"

namespace tensorium {
namespace {

// A tolerance as the teacher would type it: the fewest digits that read back
// as the same number, with the regional decimal separator.
QString TypedTolerance(double value, const std::string& decimal)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest)
        .replace('.', QString::fromStdString(decimal));
}

}  // namespace

QuestionsDialog::QuestionsDialog(AnalysisSession& session, const ExerciseQuiz& current, QWidget* parent)
    : QDialog(parent), session_(session)
{
    setObjectName("QuestionsDialog");
    setWindowTitle("Questions");
    resize(620, 600);

    auto* taskLabel = new QLabel("&Task:");
    txtTaskEdit = new QPlainTextEdit(current.task);
    txtTaskEdit->setObjectName("txtTaskEdit");
    txtTaskEdit->setAccessibleName("Task");
    txtTaskEdit->setTabChangesFocus(true);  // Tab leaves it rather than writing a tab
    txtTaskEdit->setMaximumHeight(txtTaskEdit->fontMetrics().height() * 7);
    taskLabel->setBuddy(txtTaskEdit);
    chkHideResults = new QCheckBox("&Hide the results until the student has answered");
    chkHideResults->setObjectName("chkHideResults");
    chkHideResults->setChecked(current.hideResults);
    auto* note = new QLabel(
        "Tick the quantities the student is to work out. An empty tolerance is the default one, shown "
        "greyed; a hint is shown for a wrong answer whose slip the program cannot name.");
    note->setWordWrap(true);

    auto* rowsHolder = new QWidget;
    auto* grid = new QGridLayout(rowsHolder);
    // The check boxes name their own rows; the two columns of fields have
    // headings that take the keyboard to their first row.
    auto* toleranceHeader = new QLabel("Tole&rance");
    auto* hintHeader = new QLabel("Hi&nt");
    for (QLabel* header : {toleranceHeader, hintHeader}) {
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
    }
    grid->addWidget(toleranceHeader, 0, 1);
    grid->addWidget(hintHeader, 0, 2);
    const std::string& decimal = session_.Separators().decimal;
    for (const Quantity quantity : AllQuantities()) {
        const QString key = QString::fromStdString(QuantityKey(quantity));
        const QString name = QString::fromStdString(DisplayName(quantity));
        Row row;
        row.quantity = quantity;
        row.asked = new QCheckBox(name);
        row.asked->setObjectName("chkQuestion_" + key);
        row.tolerance = new QLineEdit;
        row.tolerance->setObjectName("edtTolerance_" + key);
        row.tolerance->setAccessibleName(name + " tolerance");
        row.tolerance->setPlaceholderText(
            session_.FormatTyped(DefaultTolerance(quantity, session_.State()), ShownDecimals(quantity)));
        row.tolerance->setMaximumWidth(row.tolerance->fontMetrics().averageCharWidth() * 16);
        row.hint = new QLineEdit;
        row.hint->setObjectName("edtHint_" + key);
        row.hint->setAccessibleName(name + " hint");
        const auto asked = std::find_if(current.questions.begin(), current.questions.end(),
                                        [quantity](const Question& q) { return q.quantity == quantity; });
        if (asked != current.questions.end()) {
            row.asked->setChecked(true);
            if (asked->tolerance) {
                row.shownTolerance = asked->tolerance;
                row.shownText = TypedTolerance(*asked->tolerance, decimal);
                row.tolerance->setText(row.shownText);
            }
            row.hint->setText(QString::fromStdString(asked->hint));
        }
        const int at = static_cast<int>(rows_.size()) + 1;
        grid->addWidget(row.asked, at, 0);
        grid->addWidget(row.tolerance, at, 1);
        grid->addWidget(row.hint, at, 2);
        rows_.push_back(row);
    }
    toleranceHeader->setBuddy(rows_.front().tolerance);
    hintHeader->setBuddy(rows_.front().hint);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(static_cast<int>(rows_.size()) + 1, 1);
    scroll_ = new QScrollArea;
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(rowsHolder);
    scroll_->setFocusPolicy(Qt::NoFocus);  // Tab goes straight to the rows

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOk");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QuestionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(taskLabel);
    layout->addWidget(txtTaskEdit);
    layout->addWidget(chkHideResults);
    layout->addWidget(note);
    layout->addWidget(scroll_, 1);
    layout->addWidget(buttons);

    // Tab runs down the rows, each from its box to its hint, as they are read.
    QWidget* previous = chkHideResults;
    setTabOrder(txtTaskEdit, chkHideResults);
    for (const Row& row : rows_)
        for (QWidget* next : std::initializer_list<QWidget*>{row.asked, row.tolerance, row.hint}) {
            setTabOrder(previous, next);
            previous = next;
        }
    txtTaskEdit->setFocus();
}

bool QuestionsDialog::ReadTolerance(const Row& row, std::optional<double>* tolerance, QString* problem) const
{
    const QString text = row.tolerance->text();
    *tolerance = std::nullopt;
    if (text.trimmed().isEmpty()) return true;
    if (row.shownTolerance && text == row.shownText) {
        *tolerance = row.shownTolerance;
        return true;
    }
    const QString wrong = QString("The tolerance of %1 is to be a number of 0 or more, not \"%2\".")
                              .arg(QString::fromStdString(DisplayName(row.quantity)), text);
    double value = 0;
    try {
        value = ParseNumber(text.toStdString(), session_.Separators().decimal);
    } catch (const std::exception&) {
        *problem = wrong;
        return false;
    }
    if (value < 0) {
        *problem = wrong;
        return false;
    }
    *tolerance = value + 0.0;  // -0 is kept as 0
    return true;
}

ExerciseQuiz QuestionsDialog::Quiz() const
{
    ExerciseQuiz quiz;
    quiz.task = txtTaskEdit->toPlainText();
    quiz.hideResults = chkHideResults->isChecked();
    for (const Row& row : rows_) {
        if (!row.asked->isChecked()) continue;
        Question question;
        question.quantity = row.quantity;
        QString unread;
        ReadTolerance(row, &question.tolerance, &unread);
        question.hint = row.hint->text().trimmed().toStdString();
        quiz.questions.push_back(question);
    }
    return quiz;
}

void QuestionsDialog::accept()
{
    // Only asked questions count: an unticked row's tolerance is not kept.
    for (const Row& row : rows_) {
        std::optional<double> tolerance;
        QString problem;
        if (!row.asked->isChecked() || ReadTolerance(row, &tolerance, &problem)) continue;
        session_.ReportFailure(this, problem);
        row.tolerance->setFocus(Qt::OtherFocusReason);
        row.tolerance->selectAll();
        scroll_->ensureWidgetVisible(row.tolerance);
        return;
    }
    QDialog::accept();
}

}  // namespace tensorium
