// Reading a plane set from the delimited text a spreadsheet saves: comma,
// semicolon, tab or blank separated, with or without a header row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/plane_set.h"

namespace tensorium {

// What the two numbers of a row mean when the file has no header row.
enum class HeaderlessColumns { DipDirectionDip, StrikeDip };

// A row that holds no valid plane. `line` is the 1-based line the row starts
// on, `column` the 1-based position of the offending field in the row.
struct BadPlaneRow {
    long line = 0;
    int column = 0;
    std::string text;
    std::string reason;  // "is not a number", "is missing", ...
};

struct PlaneReading {
    PlaneSet planes;               // empty unless every row held a valid plane
    PlaneSet validPlanes;          // with bad rows: the planes of the valid ones
    std::vector<BadPlaneRow> bad;  // the first bad rows, in order
    long badCount = 0;             // all the bad rows
    bool header = false;           // the first row named the columns
    char separator = ',';          // ',', ';', '\t', or ' ' for blanks
    std::string refusal;           // why the whole text was refused, if it was
};

// The largest input read, and the most rows of planes.
inline constexpr size_t kPlaneCsvMaxBytes = 100u * 1024u * 1024u;
inline constexpr long kPlaneCsvMaxRows = 1000000;

// Reads every plane of `bytes` (UTF-8, with or without a byte-order mark).
// A header row names the columns (dip direction or strike, dip, and
// optionally name and set); without one, the first two fields of each row
// are dip direction and dip, or strike and dip, as `headerless` says; a
// non-numeric first field followed by two numbers is the plane's name.
// Dip directions come out in [0, 360), dips in [0, 90]; a strike gives the
// dip direction by the right-hand rule (strike + 90).
//
// The slip seen on a plane (see core/fault_slip.h) comes from a header's
// "rake" column, in degrees from -180 to 180 (-180 read as 180), or from its
// "trend", "plunge" and "sense" (or "slip sense", "sense of slip") columns,
// which go together: a striation's trend and plunge (0 to 90) and the sense
// of slip (N, R, T, D, S or the words), turned into a rake by
// RakeFromStriation; a striation it refuses makes the row bad. With a rake
// column the striation columns are not read. A row has no slip when all its
// slip fields are empty, and is bad when only some are.
PlaneReading ReadPlaneCsv(std::string_view bytes,
                          HeaderlessColumns headerless = HeaderlessColumns::DipDirectionDip);

// The first bad row of `reading`, what it held and why it is bad, and how
// many rows are bad: `Line 7, column 2 holds "4x5": it is not a number (3 rows
// are bad)`. Empty when no row is bad.
std::string DescribeBadRows(const PlaneReading& reading);

}  // namespace tensorium
