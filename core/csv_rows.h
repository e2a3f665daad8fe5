// Splitting the delimited text that spreadsheets save into rows of fields,
// each with the line it starts on.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace tensorium {

// The separator of fields: ',', ';', '\t', or ' ' for runs of blanks.
char DetectCsvSeparator(std::string_view text);

// Calls `row(line, fields)` for each row with at least one non-empty field,
// in order; `line` is the 1-based line the row starts on. Lines that are
// blank or whose first non-blank character is '#' are skipped between rows.
// Quoted fields may hold separators, quotes (doubled) and line ends. Unquoted
// fields lose their surrounding blanks; with ' ' as separator a run of blanks
// separates two fields. Stops early when `row` returns false. Returns false
// only when the parser runs out of memory.
using CsvRowSink = std::function<bool(long line, const std::vector<std::string_view>& fields)>;
bool ForEachCsvRow(std::string_view text, char separator, const CsvRowSink& row);

}  // namespace tensorium
