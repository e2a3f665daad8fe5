// Reading plane-set CSV files. Any bytes must read without a crash, with
// planes in range, bad rows that point into the text, and nothing kept
// beside a refusal or a bad row; planes that read are written and read back
// bit for bit.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/plane_csv_reader.h"
#include "core/plane_csv_writer.h"
#include "fuzz/fuzz_check.h"

namespace {

using tensorium::HeaderlessColumns;
using tensorium::PlaneReading;

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void Check(std::string_view bytes, HeaderlessColumns headerless)
{
    const PlaneReading reading = tensorium::ReadPlaneCsv(bytes, headerless);
    const std::string description = tensorium::DescribeBadRows(reading);
    FUZZ_CHECK(std::strchr(",;\t ", reading.separator) != nullptr && reading.separator != '\0');
    if (!reading.refusal.empty()) {
        FUZZ_CHECK_WHY(reading.planes.empty() && reading.bad.empty() && reading.badCount == 0,
                       reading.refusal.c_str());
        return;
    }
    FUZZ_CHECK(reading.bad.size() <= static_cast<size_t>(reading.badCount));
    FUZZ_CHECK_WHY(description.empty() == (reading.badCount == 0), description.c_str());
    if (reading.badCount > 0) {
        FUZZ_CHECK_WHY(reading.planes.empty(), description.c_str());
        FUZZ_CHECK(!reading.bad.empty());
        long previousLine = 0;
        for (const tensorium::BadPlaneRow& bad : reading.bad) {
            FUZZ_CHECK(bad.line > previousLine && bad.column >= 1 && !bad.reason.empty());
            // No row starts past the last line.
            FUZZ_CHECK(static_cast<size_t>(bad.line) <= bytes.size() + 1);
            previousLine = bad.line;
        }
        return;
    }
    FUZZ_CHECK(!reading.planes.empty());
    std::vector<tensorium::PlaneCsvRow> rows;
    for (const tensorium::MeasuredPlane& plane : reading.planes) {
        FUZZ_CHECK(plane.dip >= 0 && plane.dip <= 90);
        FUZZ_CHECK(plane.dipDirection >= 0 && plane.dipDirection < 360);
        FUZZ_CHECK(!std::signbit(plane.dip) && !std::signbit(plane.dipDirection));
        FUZZ_CHECK(!plane.rake || (*plane.rake > -180 && *plane.rake <= 180));
        tensorium::PlaneCsvRow row;
        row.plane = plane;
        rows.push_back(row);
    }
    const PlaneReading again = tensorium::ReadPlaneCsv(tensorium::PlaneCsv(rows));
    FUZZ_CHECK_WHY(again.refusal.empty() && again.badCount == 0, again.refusal.c_str());
    FUZZ_CHECK(again.planes.size() == reading.planes.size());
    for (size_t i = 0; i < again.planes.size(); ++i) {
        const tensorium::MeasuredPlane& a = again.planes[i];
        const tensorium::MeasuredPlane& b = reading.planes[i];
        FUZZ_CHECK_WHY(a.name == b.name && a.set == b.set, b.name.c_str());
        FUZZ_CHECK(SameBits(a.dipDirection, b.dipDirection) && SameBits(a.dip, b.dip));
        FUZZ_CHECK(a.rake.has_value() == b.rake.has_value() && (!a.rake || SameBits(*a.rake, *b.rake)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes, HeaderlessColumns::DipDirectionDip);
    Check(bytes, HeaderlessColumns::StrikeDip);
    return 0;
}
