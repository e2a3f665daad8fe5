// A series that records what the diagrams put into it.
#pragma once

#include <vector>

#include "diagrams/series_sink.h"

namespace tensorium::testing_support {

struct RecordedPoint {
    double x, y;
    std::string label;
    std::optional<Rgb> colour;
};

class RecordingSeries : public SeriesSink {
public:
    void Clear() override { points.clear(); }
    void SetVisible(bool v) override { visible = v; }
    void Add(double x, double y, const std::string& label, std::optional<Rgb> colour) override
    {
        points.push_back({x, y, label, colour});
    }
    std::vector<RecordedPoint> points;
    bool visible = true;
};

}  // namespace tensorium::testing_support
