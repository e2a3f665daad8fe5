// The one analysis every window shows, with what the windows share around
// it: the regional separators, the reporting of failures, and a way for any
// window to change the typed inputs. It holds no widget; each window holds
// it by reference and listens to its model while it is shown.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "core/analysis_model.h"
#include "core/number_format.h"

class QWidget;

namespace tensorium {

// An input the main window holds as typed text.
enum class TypedInput { JointDipDirection, JointDip, Sx, Sy, Sz, Txy, Tyz, Tzx };

struct InputEdit {
    TypedInput input;
    QString text;  // as a user would type it, with the regional separator
};

class AnalysisSession {
public:
    explicit AnalysisSession(NumberSeparators separators);

    AnalysisModel& Model() { return model_; }
    const AnalysisModel& Model() const { return model_; }
    const AnalysisState& State() const { return model_.state(); }
    const NumberSeparators& Separators() const { return separators_; }

    // Where failures go: by default the failure box over `over`, the window
    // in which the user acted.
    using Reporter = std::function<void(QWidget* over, const QString& message)>;
    void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    void ReportFailure(QWidget* over, const QString& message) const;
    // Runs `action`; a failure ends it and is reported over `over`. True when
    // the action completed.
    bool RunGuarded(QWidget* over, const std::function<void()>& action) const;

    // The window holding the typed inputs writes `edits` into them and runs
    // its cycle; other windows change inputs only through it.
    using InputEditor = std::function<void(const std::vector<InputEdit>& edits)>;
    void SetInputEditor(InputEditor editor) { inputEditor_ = std::move(editor); }
    void EditInputs(const std::vector<InputEdit>& edits) const;

    // A number as the window shows it, with the regional separators.
    QString Format(double value, int decimals) const;
    // A number as a user would type it: the regional decimal separator and no
    // grouping, which reading does not accept.
    QString FormatTyped(double value, int decimals) const;

private:
    NumberSeparators separators_;
    AnalysisModel model_;
    Reporter reporter_;
    InputEditor inputEditor_;
};

// The text of a failure thrown by the analysis or the toolkit.
QString MessageOf(const std::exception& failure);

}  // namespace tensorium
