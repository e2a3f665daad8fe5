#include "core/answer_key.h"

#include "core/plane_csv_writer.h"

#include "core/number_format.h"
#include "core/random_exercise.h"
#include "core/right_answer.h"

namespace tensorium {
namespace {

const NumberSeparators kPoint{".", ""};

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string AnswerText(Quantity quantity, const std::optional<Answer>& answer)
{
    if (!answer) return {};
    if (const auto* regime = std::get_if<StressRegime>(&*answer)) return RegimeName(*regime);
    return FormatNumber(std::get<double>(*answer), ShownDecimals(quantity), kPoint);
}

}  // namespace

std::vector<std::string> StudentNames(std::string_view list)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (list.substr(0, kByteOrderMark.size()) == kByteOrderMark) list.remove_prefix(kByteOrderMark.size());
    std::vector<std::string> names;
    while (!list.empty()) {
        const size_t end = list.find_first_of("\r\n");
        const std::string_view name = Trimmed(list.substr(0, end));
        if (!name.empty()) names.emplace_back(name);
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + (list.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    }
    return names;
}

std::string AnswerKeyCsv(const std::vector<std::string>& names)
{
    std::string out = "name,sx,sy,sz,txy,tyz,tzx,dip_direction,dip,friction_angle,cohesion";
    for (Quantity quantity : RandomExerciseQuantities()) out += "," + QuantityKey(quantity);
    out += "\r\n";
    for (const std::string& name : names) {
        const RandomExercise exercise = RandomExerciseFor(name);
        const AnalysisState state = AnalyseExercise(exercise);
        AppendCsvField(out, name);
        for (const std::string& component : exercise.stress) out += "," + component;
        for (int value : exercise.joint) out += "," + std::to_string(value);
        for (const Question& question : exercise.questions)
            out += "," + AnswerText(question.quantity, RightAnswer(question.quantity, state));
        out += "\r\n";
    }
    return out;
}

}  // namespace tensorium
