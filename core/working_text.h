// Lines of a worked solution: numbers in the program's number format with
// the regional separators, vectors and matrices laid out for a fixed-width
// font, prose wrapped to a page's width. UTF-8 throughout.
#pragma once

#include <array>
#include <string>

#include "core/number_format.h"
#include "core/stress_state.h"

namespace tensorium {

class WorkingText {
public:
    explicit WorkingText(const NumberSeparators& separators);

    // The decimals of each kind of quantity.
    std::string Stress(double value) const { return Number(value, 3); }
    std::string Ratio(double value) const { return Number(value, 3); }
    std::string Unit(double value) const { return Number(value, 6); }
    std::string Angle(double radians) const;  // degrees, 2 decimals, with a degree sign
    std::string Number(double value, int decimals) const
    {
        return FormatNumber(value, decimals, separators_);
    }

    // "(a, b, c)"; the components are parted by "; " where the decimal
    // separator is a comma.
    std::string Vector(const Vec3& v, int decimals) const;
    std::string ListGap() const { return separators_.decimal == "," ? "; " : ", "; }
    // " + x" or " − |x|" after a term, from the text of x.
    std::string SignedTerm(double value, int decimals) const;

    void Line(const std::string& line);
    void Blank() { text_ += '\n'; }
    // Words wrapped at 78 characters.
    void Prose(const std::string& words);
    // "name =" and the rows in brackets, each column right-aligned.
    void Matrix(const std::string& name, const Mat3& m, int decimals);
    // "name =", the rows of formulas (columns left-aligned), "=" and the rows of numbers.
    using TextRows = std::array<std::array<std::string, 3>, 3>;
    void Matrix(const std::string& name, const TextRows& formulas, const Mat3& m, int decimals);

    const std::string& Text() const { return text_; }

private:
    void Rows(const TextRows& cells, bool alignRight);

    NumberSeparators separators_;
    std::string text_;
};

// Characters (code points, not bytes) of a UTF-8 text.
size_t CodePoints(const std::string& utf8);

}  // namespace tensorium
