#include "report/report_design.h"

#include <cassert>

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
    assert(element && element->kind == ReportElement::Kind::Text);
    element->text = text;
}

}  // namespace tensorium
