// What the diagrams ask of a chart series: empty it, show or hide it, and
// append points in order. Charts implement it; tests record into it.
#pragma once

#include <optional>
#include <string>

namespace tensorium {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

class SeriesSink {
public:
    virtual ~SeriesSink() = default;
    virtual void Clear() = 0;
    virtual void SetVisible(bool visible) = 0;
    // A point without a colour of its own takes the series colour.
    virtual void Add(double x, double y, const std::string& label, std::optional<Rgb> colour) = 0;
};

}  // namespace tensorium
