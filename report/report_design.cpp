#include "report/report_design.h"

#include <stdexcept>

namespace tensorium {

ReportElement* ReportDesign::Find(const QString& name)
{
    for (ReportElement& e : elements)
        if (e.name == name) return &e;
    return nullptr;
}

const ReportElement* ReportDesign::Find(const QString& name) const
{
    return const_cast<ReportDesign*>(this)->Find(name);
}

void ReportDesign::SetText(const QString& name, const QString& text)
{
    ReportElement* element = Find(name);
    // Checked in every build: a fill that names a missing element would
    // otherwise print a report with a stale or empty field.
    if (!element || element->kind != ReportElement::Kind::Text)
        throw std::logic_error("The report has no text element " + name.toStdString());
    element->text = text;
}

}  // namespace tensorium
