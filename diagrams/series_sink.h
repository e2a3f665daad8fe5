// What the diagrams ask of a chart series: empty it, show or hide it, and
// append points in order. Charts implement it; tests record into it.
#pragma once

#include <optional>
#include <string>

#include "diagrams/palette.h"

namespace tensorium {

class SeriesSink {
public:
    virtual ~SeriesSink() = default;
    virtual void Clear() = 0;
    virtual void SetVisible(bool visible) = 0;
    // A point without a colour of its own takes the series colour.
    virtual void Add(double x, double y, const std::string& label, std::optional<Rgb> colour) = 0;
};

}  // namespace tensorium
