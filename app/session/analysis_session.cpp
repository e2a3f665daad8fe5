#include "app/session/analysis_session.h"

#include "app/session/failure_box.h"
#include "core/tensor_error.h"

namespace tensorium {

AnalysisSession::AnalysisSession(NumberSeparators separators)
    : separators_(std::move(separators)),
      reporter_([](QWidget* over, const QString& message) { ShowFailureBox(over, message); })
{
}

void AnalysisSession::ReportFailure(QWidget* over, const QString& message) const
{
    if (reporter_) reporter_(over, message);
}

bool AnalysisSession::RunGuarded(QWidget* over, const std::function<void()>& action) const
{
    try {
        action();
        return true;
    } catch (const std::exception& failure) {
        ReportFailure(over, MessageOf(failure));
    }
    return false;
}

void AnalysisSession::EditInputs(const std::vector<InputEdit>& edits) const
{
    if (inputEditor_) inputEditor_(edits);
}

QString AnalysisSession::Format(double value, int decimals) const
{
    return QString::fromStdString(FormatNumber(value, decimals, separators_));
}

QString AnalysisSession::FormatTyped(double value, int decimals) const
{
    return QString::fromStdString(FormatNumber(value, decimals, {separators_.decimal, ""}));
}

QString MessageOf(const std::exception& failure)
{
    if (const auto* tensor = dynamic_cast<const TensorError*>(&failure))
        return QString::fromUtf8(tensor->message().data(), static_cast<qsizetype>(tensor->message().size()));
    return QString::fromUtf8(failure.what());
}

}  // namespace tensorium
