#include "core/working_text.h"

#include <algorithm>
#include <sstream>

#include "core/angles.h"

namespace tensorium {
namespace {

constexpr size_t kProseWidth = 78;

}  // namespace

size_t CodePoints(const std::string& utf8)
{
    // Every byte but the continuation bytes 10xxxxxx starts a character.
    return static_cast<size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

WorkingText::WorkingText(const NumberSeparators& separators) : separators_(separators) {}

std::string WorkingText::Angle(double radians) const { return Number(RadToDeg(radians), 2) + "°"; }

std::string WorkingText::Vector(const Vec3& v, int decimals) const
{
    const std::string gap = ListGap();
    return "(" + Number(v[0], decimals) + gap + Number(v[1], decimals) + gap + Number(v[2], decimals) + ")";
}

std::string WorkingText::SignedTerm(double value, int decimals) const
{
    const std::string text = Number(value, decimals);
    if (!text.empty() && text[0] == '-') return " − " + text.substr(1);
    return " + " + text;
}

void WorkingText::Line(const std::string& line) { text_ += line + '\n'; }

void WorkingText::Prose(const std::string& words)
{
    std::istringstream in(words);
    std::string word, line;
    while (in >> word) {
        if (!line.empty() && CodePoints(line) + 1 + CodePoints(word) > kProseWidth) {
            Line(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) Line(line);
}

void WorkingText::Rows(const TextRows& cells, bool alignRight)
{
    size_t width[3] = {0, 0, 0};
    for (const auto& row : cells)
        for (int j = 0; j < 3; ++j) width[j] = std::max(width[j], CodePoints(row[j]));
    for (const auto& cellsOfRow : cells) {
        std::string row = "  [";
        for (int j = 0; j < 3; ++j) {
            const std::string fill(width[j] - CodePoints(cellsOfRow[j]), ' ');
            row += alignRight ? "  " + fill + cellsOfRow[j] : "  " + cellsOfRow[j] + fill;
        }
        Line(row + " ]");
    }
}

void WorkingText::Matrix(const std::string& name, const Mat3& m, int decimals)
{
    TextRows cells;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) cells[i][j] = Number(m[i][j], decimals);
    Line(name + " =");
    Rows(cells, true);
}

void WorkingText::Matrix(const std::string& name, const TextRows& formulas, const Mat3& m, int decimals)
{
    Line(name + " =");
    Rows(formulas, false);
    Line("  =");
    TextRows cells;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) cells[i][j] = Number(m[i][j], decimals);
    Rows(cells, true);
}

}  // namespace tensorium
