// Reading a worked solution back as a student would: the value of a named
// line, the text with subscripts read plainly, and the default analysis.
#pragma once

#include "tests/core/default_inputs.h"

#include <sstream>
#include <string>
#include <vector>

#include "core/analysis_model.h"
#include "core/angles.h"

namespace tensorium::testing_support {

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// What follows the last " = " of the first line that starts with
// `name` " = " (after any indent); empty when there is none.
inline std::string Value(const std::string& text, const std::string& name)
{
    for (const std::string& line : Lines(text)) {
        const size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos || line.compare(start, name.size() + 3, name + " = ") != 0) continue;
        return line.substr(line.rfind(" = ") + 3);
    }
    return {};
}

// The rows of the matrix after the line "name =", without brackets.
inline std::vector<std::string> MatrixRows(const std::string& text, const std::string& name)
{
    const std::vector<std::string> lines = Lines(text);
    for (size_t i = 0; i + 3 < lines.size(); ++i)
        if (lines[i] == name + " =") {
            std::vector<std::string> rows;
            for (size_t k = i + 1; k <= i + 3; ++k) {
                std::string row = lines[k];
                row = row.substr(row.find('[') + 1);
                row = row.substr(0, row.rfind(']'));
                rows.push_back(row);
            }
            return rows;
        }
    return {};
}

// The subscript characters of the text written as plain letters, as the
// compatibility normalisation reads them; the lines joined by blanks, so
// that a wrapped sentence reads whole.
inline std::string Plain(const std::string& text)
{
    static const char* const kSubscripts[][2] = {{"₁", "1"}, {"₂", "2"}, {"₃", "3"}, {"ₘ", "m"},
                                                 {"ₙ", "n"}, {"ₐ", "a"}, {"ₓ", "x"}, {"ₛ", "s"}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& pair : kSubscripts) {
            const std::string from = pair[0];
            if (text.compare(i, from.size(), from) == 0) {
                out += pair[1];
                i += from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += text[i] == '\n' ? ' ' : text[i], ++i;
    }
    return out;
}

// The program's defaults, computed.
inline AnalysisState DefaultAnalysis()
{
    AnalysisModel model;
    testing_support::SetDefaultInputs(model.state());
    model.ComputeAll();
    return model.state();
}

// `state` with a new stress tensor (and the same rest), computed.
inline AnalysisState Analysed(AnalysisState state)
{
    AnalysisModel model;
    model.state() = state;
    model.ComputeAll();
    return model.state();
}

}  // namespace tensorium::testing_support
