#include "core/csv_rows.h"

#include <csv.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace tensorium {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The characters that libcsv trims around an unquoted field: never the
// separator itself.
int SpaceOrTab(unsigned char c) { return c == ' ' || c == '\t'; }
int SpaceOnly(unsigned char c) { return c == ' '; }
int TabOnly(unsigned char c) { return c == '\t'; }

// A line, without its end (LF, CRLF or a lone CR), and where the next begins.
struct Line {
    std::string_view content;
    size_t next;
};

Line LineAt(std::string_view text, size_t start)
{
    size_t end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    size_t next = end;
    if (next < text.size())
        next += (text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n') ? 2 : 1;
    return {text.substr(start, end - start), next};
}

bool IsSkipped(std::string_view line)
{
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    return i == line.size() || line[i] == '#';
}

// Collects the fields of the row being read; libcsv hands each over once.
class RowCollector {
public:
    // With blanks as separator, a run of them leaves empty unquoted fields
    // between its blanks: those are dropped.
    RowCollector(const CsvRowSink& sink, bool dropUnquotedEmpty)
        : sink_(sink), dropUnquotedEmpty_(dropUnquotedEmpty)
    {
    }

    void Field(const char* data, size_t size)
    {
        if (data == nullptr && dropUnquotedEmpty_) return;
        const size_t start = buffer_.size();
        if (data != nullptr) buffer_.append(data, size);
        spans_.emplace_back(start, size);
        if (size > 0) nonEmpty_ = true;
    }

    void EndRow()
    {
        if (nonEmpty_ && !stopped_) {
            views_.clear();
            for (const auto& [start, size] : spans_) views_.emplace_back(buffer_.data() + start, size);
            if (!sink_(rowLine_, views_)) stopped_ = true;
        }
        buffer_.clear();
        spans_.clear();
        nonEmpty_ = false;
        atRowStart_ = true;
    }

    void StartLine(long line)
    {
        if (atRowStart_) rowLine_ = line;
        atRowStart_ = false;
    }

    bool atRowStart() const { return atRowStart_; }
    bool stopped() const { return stopped_; }

    static void OnField(void* data, size_t size, void* self)
    {
        static_cast<RowCollector*>(self)->Field(static_cast<const char*>(data), size);
    }
    static void OnRowEnd(int, void* self) { static_cast<RowCollector*>(self)->EndRow(); }

private:
    const CsvRowSink& sink_;
    const bool dropUnquotedEmpty_;
    std::string buffer_;
    std::vector<std::pair<size_t, size_t>> spans_;
    std::vector<std::string_view> views_;
    long rowLine_ = 1;
    bool nonEmpty_ = false;
    bool atRowStart_ = true;
    bool stopped_ = false;
};

// libcsv grows a field's buffer by a fixed block at a time; where realloc
// copies, a long field would cost time quadratic in its length. These grow
// it geometrically instead, keeping the capacity in front of the buffer.
constexpr size_t kHeader = alignof(std::max_align_t);

void* GrowingRealloc(void* buffer, size_t size)
{
    char* base = buffer != nullptr ? static_cast<char*>(buffer) - kHeader : nullptr;
    size_t capacity = 0;
    if (base != nullptr) std::memcpy(&capacity, base, sizeof capacity);
    if (size <= capacity) return buffer;
    const size_t wanted = std::max(size, capacity * 2);
    void* grown = wanted <= SIZE_MAX - kHeader ? std::realloc(base, wanted + kHeader) : nullptr;
    size_t granted = wanted;
    if (grown == nullptr && wanted > size) {
        grown = std::realloc(base, size + kHeader);
        granted = size;
    }
    if (grown == nullptr) return nullptr;
    std::memcpy(grown, &granted, sizeof granted);
    return static_cast<char*>(grown) + kHeader;
}

void GrowingFree(void* buffer)
{
    if (buffer != nullptr) std::free(static_cast<char*>(buffer) - kHeader);
}

class Parser {
public:
    explicit Parser(char separator)
    {
        ok_ = csv_init(&parser_, CSV_EMPTY_IS_NULL) == 0;
        if (!ok_) return;
        csv_set_realloc_func(&parser_, GrowingRealloc);
        csv_set_free_func(&parser_, GrowingFree);
        csv_set_delim(&parser_, static_cast<unsigned char>(separator));
        csv_set_space_func(&parser_, separator == '\t' ? SpaceOnly : separator == ' ' ? TabOnly : SpaceOrTab);
    }
    ~Parser()
    {
        if (ok_) csv_free(&parser_);
    }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    bool Feed(std::string_view bytes, RowCollector& rows)
    {
        return ok_ && csv_parse(&parser_, bytes.data(), bytes.size(), RowCollector::OnField,
                                RowCollector::OnRowEnd, &rows) == bytes.size();
    }
    bool Finish(RowCollector& rows)
    {
        return ok_ && csv_fini(&parser_, RowCollector::OnField, RowCollector::OnRowEnd, &rows) == 0;
    }

private:
    csv_parser parser_{};
    bool ok_ = false;
};

}  // namespace

bool ForEachCsvRow(std::string_view text, char separator, const CsvRowSink& row)
{
    RowCollector rows(row, separator == ' ');
    Parser parser(separator);
    long line = 0;
    // One line at a time, so that each row knows where it starts; a quoted
    // field that runs over a line end keeps the row open.
    for (size_t start = 0; start < text.size() && !rows.stopped();) {
        const Line current = LineAt(text, start);
        ++line;
        if (!(rows.atRowStart() && IsSkipped(current.content))) {
            rows.StartLine(line);
            if (!parser.Feed(text.substr(start, current.next - start), rows)) return false;
        }
        start = current.next;
    }
    return rows.stopped() || parser.Finish(rows);
}

char DetectCsvSeparator(std::string_view text)
{
    // The first rows, split by each candidate in turn (quotes and all): the
    // separator splits the first row, and most rows into as many fields. The
    // sample is bounded so that a file of one long line is split once more,
    // not once per candidate.
    constexpr long kSampleRows = 20;
    constexpr size_t kSampleBytes = 64 * 1024;
    std::string_view sample = text.substr(0, kSampleBytes);
    if (sample.size() < text.size()) {
        const size_t lastLineEnd = sample.find_last_of("\r\n");
        if (lastLineEnd != std::string_view::npos) sample = sample.substr(0, lastLineEnd + 1);
    }
    // Semicolons and tabs first: where they separate, commas are decimal.
    const char candidates[] = {';', '\t', ',', ' '};
    char best = ' ';
    long bestScore = 0;
    for (char candidate : candidates) {
        long rowsRead = 0, score = 0;
        size_t firstCount = 0;
        ForEachCsvRow(sample, candidate, [&](long, const std::vector<std::string_view>& fields) {
            if (rowsRead++ == 0) firstCount = fields.size();
            score += fields.size() == firstCount;
            return rowsRead < kSampleRows;
        });
        if (firstCount >= 2 && score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace tensorium
