#include "core/plane_csv_reader.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "core/csv_rows.h"
#include "core/fault_slip.h"

namespace tensorium {
namespace {

// Bad rows kept with their details; all of them are counted.
constexpr size_t kBadRowsKept = 100;
// The longest text of a bad field kept, in bytes.
constexpr size_t kBadTextKept = 80;

constexpr const char* kNotANumber = "is not a number";
constexpr const char* kMissing = "is missing";
constexpr const char* kNotFinite = "is not a finite number";
constexpr const char* kDipRange = "dip must lie between 0 and 90";
constexpr const char* kRakeRange = "rake must lie between -180 and 180";
constexpr const char* kPlungeRange = "plunge must lie between 0 and 90";
constexpr const char* kNotASense = "is not a sense of slip (N, R, T, D or S)";

enum class NumberStatus { Ok, Missing, NotANumber, TooLarge };

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A decimal number with a point, or a comma where commas do not separate
// fields, and an optional exponent; never "inf", "nan" or hexadecimal, and
// never through the C library's locale.
NumberStatus ReadNumber(std::string_view field, bool decimalComma, double& value)
{
    const std::string_view text = Trimmed(field);
    if (text.empty()) return NumberStatus::Missing;
    std::string number;
    number.reserve(text.size());
    bool negativeExponent = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == ',' && decimalComma) c = '.';
        const bool digit = c >= '0' && c <= '9';
        if (!digit && c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-')
            return NumberStatus::NotANumber;
        if ((c == 'e' || c == 'E') && i + 1 < text.size() && text[i + 1] == '-') negativeExponent = true;
        // from_chars reads no leading plus.
        if (i == 0 && c == '+') {
            if (text.size() > 1 && text[1] == '-') return NumberStatus::NotANumber;
            continue;
        }
        number.push_back(c);
    }
    const char* end = number.data() + number.size();
    const std::from_chars_result result = std::from_chars(number.data(), end, value);
    if (result.ptr != end) return NumberStatus::NotANumber;
    if (result.ec == std::errc::result_out_of_range) {
        // Below the smallest double the number reads as zero.
        if (!negativeExponent) return NumberStatus::TooLarge;
        value = number.front() == '-' ? -0.0 : 0.0;
        return NumberStatus::Ok;
    }
    if (result.ec != std::errc()) return NumberStatus::NotANumber;
    return NumberStatus::Ok;
}

bool IsNumber(std::string_view field)
{
    double ignored = 0;
    return ReadNumber(field, true, ignored) == NumberStatus::Ok;
}

enum class Column { None, DipDirection, Strike, Dip, Name, Set, Rake, Trend, Plunge, Sense };

// Column names compare without case, blanks, underscores or hyphens.
Column ColumnNamed(std::string_view field)
{
    std::string key;
    for (char c : field) {
        if (IsBlank(c) || c == '_' || c == '-') continue;
        key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    if (key == "dipdirection" || key == "dipdir" || key == "dd" || key == "azimuth")
        return Column::DipDirection;
    if (key == "strike") return Column::Strike;
    if (key == "dip") return Column::Dip;
    if (key == "name" || key == "id") return Column::Name;
    if (key == "set") return Column::Set;
    if (key == "rake") return Column::Rake;
    if (key == "trend") return Column::Trend;
    if (key == "plunge") return Column::Plunge;
    if (key == "sense" || key == "slipsense" || key == "senseofslip") return Column::Sense;
    return Column::None;
}

// Where each value sits in a row, 0-based; -1 for none.
struct Layout {
    int orientation = -1;  // dip direction, or strike when `strike`
    bool strike = false;
    int dip = -1;
    int name = -1;
    int set = -1;
    // The slip: a rake, or a striation's trend and plunge with its sense.
    int rake = -1;
    int trend = -1;
    int plunge = -1;
    int sense = -1;
    bool Striation() const { return rake < 0 && trend >= 0 && plunge >= 0 && sense >= 0; }
};

bool IsHeader(const std::vector<std::string_view>& fields)
{
    for (std::string_view field : fields)
        if (!IsNumber(field) && ColumnNamed(field) != Column::None) return true;
    return false;
}

// The first column of each name counts; the dip direction wins over a strike.
Layout HeaderLayout(const std::vector<std::string_view>& fields)
{
    Layout layout;
    int strike = -1;
    for (size_t i = 0; i < fields.size(); ++i) {
        int* slot = nullptr;
        switch (ColumnNamed(fields[i])) {
            case Column::DipDirection: slot = &layout.orientation; break;
            case Column::Strike: slot = &strike; break;
            case Column::Dip: slot = &layout.dip; break;
            case Column::Name: slot = &layout.name; break;
            case Column::Set: slot = &layout.set; break;
            case Column::Rake: slot = &layout.rake; break;
            case Column::Trend: slot = &layout.trend; break;
            case Column::Plunge: slot = &layout.plunge; break;
            case Column::Sense: slot = &layout.sense; break;
            case Column::None: break;
        }
        if (slot != nullptr && *slot < 0) *slot = static_cast<int>(i);
    }
    if (layout.orientation < 0 && strike >= 0) {
        layout.orientation = strike;
        layout.strike = true;
    }
    return layout;
}

std::string MissingColumns(const Layout& layout)
{
    if (layout.orientation < 0 && layout.dip < 0)
        return "The header row names no dip direction (or strike) column and no dip column";
    if (layout.orientation < 0) return "The header row names no dip direction (or strike) column";
    if (layout.dip < 0) return "The header row names no dip column";
    // A rake column is the slip, and any striation columns are left unread.
    const bool striation = layout.trend >= 0 || layout.plunge >= 0 || layout.sense >= 0;
    if (layout.rake < 0 && striation && !layout.Striation()) {
        std::string missing;
        for (const auto& [column, name] :
             {std::pair{layout.trend, "trend"}, {layout.plunge, "plunge"}, {layout.sense, "sense"}}) {
            if (column >= 0) continue;
            missing += missing.empty() ? "" : " or ";
            missing += name;
        }
        return "The striation needs trend, plunge and sense columns; the header row names no " + missing +
               " column";
    }
    return {};
}

// Without a header: a name first when the row starts with a text and two
// numbers follow.
Layout HeaderlessLayout(const std::vector<std::string_view>& firstRow, HeaderlessColumns columns)
{
    Layout layout;
    const bool named =
        firstRow.size() >= 3 && !IsNumber(firstRow[0]) && IsNumber(firstRow[1]) && IsNumber(firstRow[2]);
    layout.name = named ? 0 : -1;
    layout.orientation = named ? 1 : 0;
    layout.dip = named ? 2 : 1;
    layout.strike = columns == HeaderlessColumns::StrikeDip;
    return layout;
}

std::string ShortText(std::string_view text)
{
    if (text.size() <= kBadTextKept) return std::string(text);
    size_t cut = kBadTextKept;
    // Not inside a UTF-8 character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "...";
}

std::string TextRefusal(std::string_view bytes)
{
    if (bytes.size() > kPlaneCsvMaxBytes) return "The file is larger than 100 MB";
    if (bytes.size() >= 2 &&
        ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF')))
        return "The file is UTF-16 text; save it as UTF-8 CSV";
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        // Old DOS files may end with Ctrl+Z.
        const bool allowed = c >= 0x20 || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' ||
                             (c == 0x1A && i + 1 == bytes.size());
        if (!allowed) return "The file is not a text file";
    }
    return {};
}

class PlaneRows {
public:
    PlaneRows(PlaneReading& reading, HeaderlessColumns headerless)
        : reading_(reading), headerless_(headerless), decimalComma_(reading.separator != ',')
    {
    }

    bool Row(long line, const std::vector<std::string_view>& fields)
    {
        if (!started_) {
            started_ = true;
            reading_.header = IsHeader(fields);
            if (reading_.header) {
                layout_ = HeaderLayout(fields);
                reading_.refusal = MissingColumns(layout_);
                return reading_.refusal.empty();
            }
            layout_ = HeaderlessLayout(fields, headerless_);
        }
        if (++rows_ > kPlaneCsvMaxRows) {
            reading_.refusal = "The file has more than 1,000,000 rows";
            return false;
        }
        Plane(line, fields);
        return true;
    }

    long rows() const { return rows_; }

private:
    std::string_view FieldAt(const std::vector<std::string_view>& fields, int column) const
    {
        return column >= 0 && static_cast<size_t>(column) < fields.size() ? fields[column]
                                                                          : std::string_view();
    }

    // The reason why the field at `column` is bad, if it is.
    std::optional<const char*> Angle(const std::vector<std::string_view>& fields, int column, bool isDip,
                                     double& value) const
    {
        switch (ReadNumber(FieldAt(fields, column), decimalComma_, value)) {
            case NumberStatus::Missing: return kMissing;
            case NumberStatus::NotANumber: return kNotANumber;
            case NumberStatus::TooLarge: return isDip ? kDipRange : kNotFinite;
            case NumberStatus::Ok: break;
        }
        if (isDip && !(value >= 0 && value <= 90)) return kDipRange;
        return std::nullopt;
    }

    // A number that must lie in [low, high], or the reason why not.
    std::optional<const char*> Bounded(const std::vector<std::string_view>& fields, int column, double low,
                                       double high, const char* range, double& value) const
    {
        switch (ReadNumber(FieldAt(fields, column), decimalComma_, value)) {
            case NumberStatus::Missing: return kMissing;
            case NumberStatus::NotANumber: return kNotANumber;
            case NumberStatus::TooLarge: return range;
            case NumberStatus::Ok: break;
        }
        if (!(value >= low && value <= high)) return range;
        return std::nullopt;
    }

    bool Empty(const std::vector<std::string_view>& fields, int column) const
    {
        return Trimmed(FieldAt(fields, column)).empty();
    }

    // The first bad field of a row: the one furthest left.
    struct Fault {
        int column = -1;
        std::string reason;
    };
    static void Keep(Fault& first, int column, std::optional<const char*> reason)
    {
        if (reason && (first.column < 0 || column < first.column)) first = {column, *reason};
    }

    // The fields of the slip, when the row has any: a rake, or the trend,
    // plunge and sense of a striation, all three.
    struct SlipFields {
        bool given = false;
        double rake = 0, trend = 0, plunge = 0;
        SlipSense sense = SlipSense::Normal;
    };
    SlipFields Slip(const std::vector<std::string_view>& fields, Fault& fault) const
    {
        SlipFields slip;
        if (layout_.rake >= 0) {
            if (Empty(fields, layout_.rake)) return slip;
            slip.given = true;
            Keep(fault, layout_.rake, Bounded(fields, layout_.rake, -180, 180, kRakeRange, slip.rake));
            return slip;
        }
        if (!layout_.Striation()) return slip;
        if (Empty(fields, layout_.trend) && Empty(fields, layout_.plunge) && Empty(fields, layout_.sense))
            return slip;
        slip.given = true;
        Keep(fault, layout_.trend, Angle(fields, layout_.trend, false, slip.trend));
        Keep(fault, layout_.plunge, Bounded(fields, layout_.plunge, 0, 90, kPlungeRange, slip.plunge));
        if (Empty(fields, layout_.sense)) {
            Keep(fault, layout_.sense, kMissing);
        } else if (const std::optional<SlipSense> sense = ParseSlipSense(FieldAt(fields, layout_.sense))) {
            slip.sense = *sense;
        } else {
            Keep(fault, layout_.sense, kNotASense);
        }
        return slip;
    }

    void Plane(long line, const std::vector<std::string_view>& fields)
    {
        double orientation = 0, dip = 0;
        Fault fault;
        Keep(fault, layout_.orientation, Angle(fields, layout_.orientation, false, orientation));
        Keep(fault, layout_.dip, Angle(fields, layout_.dip, true, dip));
        const SlipFields slip = Slip(fields, fault);
        if (fault.column >= 0) {
            Bad(line, fault.column, FieldAt(fields, fault.column), fault.reason);
            return;
        }
        MeasuredPlane plane;
        plane.name = std::string(FieldAt(fields, layout_.name));
        plane.set = std::string(FieldAt(fields, layout_.set));
        // Right-hand rule: the plane dips to the right of the strike.
        plane.dipDirection =
            NormalisedDipDirection(layout_.strike ? NormalisedDipDirection(orientation) + 90.0 : orientation);
        plane.dip = dip + 0.0;
        if (slip.given && layout_.rake >= 0) {
            plane.rake = slip.rake == -180 ? 180.0 : slip.rake + 0.0;
        } else if (slip.given) {
            const StriationResult striation = RakeFromStriation(plane, slip.trend, slip.plunge, slip.sense);
            if (!striation.rake) {
                // Off the plane: the line is at fault; a contradiction: the sense.
                const int column = striation.fault == StriationFault::Sense ? layout_.sense : layout_.trend;
                Bad(line, column, FieldAt(fields, column), striation.reason);
                return;
            }
            plane.rake = striation.rake;
        }
        reading_.validPlanes.push_back(std::move(plane));
    }

    void Bad(long line, int column, std::string_view text, std::string reason)
    {
        ++reading_.badCount;
        if (reading_.bad.size() < kBadRowsKept)
            reading_.bad.push_back({line, column + 1, ShortText(text), std::move(reason)});
    }

    PlaneReading& reading_;
    const HeaderlessColumns headerless_;
    const bool decimalComma_;
    Layout layout_;
    bool started_ = false;
    long rows_ = 0;
};

}  // namespace

PlaneReading ReadPlaneCsv(std::string_view bytes, HeaderlessColumns headerless)
{
    PlaneReading reading;
    reading.refusal = TextRefusal(bytes);
    if (!reading.refusal.empty()) return reading;
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (!bytes.empty() && bytes.back() == '\x1A') bytes.remove_suffix(1);

    reading.separator = DetectCsvSeparator(bytes);
    PlaneRows rows(reading, headerless);
    const bool parsed = ForEachCsvRow(
        bytes, reading.separator,
        [&rows](long line, const std::vector<std::string_view>& fields) { return rows.Row(line, fields); });
    if (!parsed && reading.refusal.empty()) reading.refusal = "The file is too large to read";
    if (reading.refusal.empty() && rows.rows() == 0)
        reading.refusal =
            reading.header ? "The file has a header row but no planes" : "The file holds no planes";
    if (!reading.refusal.empty()) {
        reading.validPlanes.clear();
        reading.bad.clear();
        reading.badCount = 0;
    }
    // All or nothing: with a bad row, the valid ones only on request.
    if (reading.badCount == 0) reading.planes.swap(reading.validPlanes);
    return reading;
}

std::string DescribeBadRows(const PlaneReading& reading)
{
    if (reading.bad.empty()) return {};
    const BadPlaneRow& first = reading.bad.front();
    std::string text = "Line " + std::to_string(first.line) + ", column " + std::to_string(first.column);
    text += first.text.empty() ? " holds nothing" : " holds \"" + first.text + "\"";
    // "is ..." reasons speak of the field, the others of the quantity.
    text += first.reason.compare(0, 3, "is ") == 0 ? ": it " : ": the ";
    text += first.reason;
    text += reading.badCount == 1 ? " (1 row is bad)"
                                  : " (" + std::to_string(reading.badCount) + " rows are bad)";
    return text;
}

}  // namespace tensorium
