// The report engine: holds the page design, raises the before-print hook
// before every generation, previews and prints.
#pragma once

#include <functional>

#include "report/report_design.h"

class QPrinter;
class QWidget;

namespace tensorium {

class ReportEngine {
public:
    explicit ReportEngine(ReportDesign design) : design_(std::move(design)) {}

    ReportDesign& Design() { return design_; }
    const ReportDesign& Design() const { return design_; }

    // Runs before each generation; it fills the texts and never cancels it.
    void SetBeforePrint(std::function<void()> hook) { beforePrint_ = std::move(hook); }

    // A4 portrait, the whole paper addressable, one copy, no duplex, page 1 to 1.
    static void SetUpPrinter(QPrinter& printer);

    // One generation: the hook, then the page laid out on the printer.
    void Generate(QPrinter& printer);

    // The modal preview titled "Print Preview"; returns when it is closed.
    void Preview(QWidget* parent);

    // The print dialog, then a generation on the chosen printer. Returns
    // false when the dialog was cancelled.
    bool Print(QWidget* parent);

private:
    ReportDesign design_;
    std::function<void()> beforePrint_;
};

}  // namespace tensorium
