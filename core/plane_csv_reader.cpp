#include "core/plane_csv_reader.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "core/csv_rows.h"

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

enum class Column { None, DipDirection, Strike, Dip, Name, Set };

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
    return Column::None;
}

// Where each value sits in a row, 0-based; -1 for none.
struct Layout {
    int orientation = -1;  // dip direction, or strike when `strike`
    bool strike = false;
    int dip = -1;
    int name = -1;
    int set = -1;
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

    void Plane(long line, const std::vector<std::string_view>& fields)
    {
        double orientation = 0, dip = 0;
        const auto orientationFault = Angle(fields, layout_.orientation, false, orientation);
        const auto dipFault = Angle(fields, layout_.dip, true, dip);
        if (orientationFault || dipFault) {
            const bool orientationFirst =
                orientationFault && (!dipFault || layout_.orientation < layout_.dip);
            const int column = orientationFirst ? layout_.orientation : layout_.dip;
            Bad(line, column, FieldAt(fields, column), orientationFirst ? *orientationFault : *dipFault);
            return;
        }
        MeasuredPlane plane;
        plane.name = std::string(FieldAt(fields, layout_.name));
        plane.set = std::string(FieldAt(fields, layout_.set));
        // Right-hand rule: the plane dips to the right of the strike.
        plane.dipDirection =
            NormalisedDipDirection(layout_.strike ? NormalisedDipDirection(orientation) + 90.0 : orientation);
        plane.dip = dip + 0.0;
        reading_.validPlanes.push_back(std::move(plane));
    }

    void Bad(long line, int column, std::string_view text, const char* reason)
    {
        ++reading_.badCount;
        if (reading_.bad.size() < kBadRowsKept)
            reading_.bad.push_back({line, column + 1, ShortText(text), reason});
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
