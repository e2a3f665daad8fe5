// The random exercises and their key under a region whose decimal separator
// is a comma: the same texts as in the C locale, since the core never reads
// the C library's locale. Run by ctest with the compiled locales (LOCPATH);
// without them the test is skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "core/answer_key.h"
#include "core/answer_mistake.h"
#include "core/random_exercise.h"

namespace tensorium {
namespace {

struct Outcome {
    std::vector<RandomExercise> exercises;
    std::string key;
    std::vector<std::string> hints;
};

Outcome Compute()
{
    Outcome out;
    const std::vector<std::string> names = StudentNames("Anna\nJörg Müller\nLee, Ann\n");
    for (const std::string& name : names) {
        out.exercises.push_back(RandomExerciseFor(name));
        const AnalysisState s = AnalyseExercise(out.exercises.back());
        for (const Question& q : out.exercises.back().questions) {
            if (q.quantity == Quantity::regime) continue;
            const std::optional<MistakeHint> hint = NameMistake(q, Answer(1e6), s);
            out.hints.push_back(hint ? hint->text : "");
        }
    }
    out.key = AnswerKeyCsv(names);
    return out;
}

// Restores the locale the test found.
class LocaleGuard {
public:
    LocaleGuard() : saved_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleGuard() { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

// Under the generated regions (the ctest entry sets LOCPATH and asks for
// them); run alone, without them, the test is skipped.
TEST(ExerciseRegional, TheSameExercisesAndKeyUnderAGermanLocale)
{
    const Outcome plain = Compute();
    EXPECT_EQ(plain.key.find(';'), std::string::npos);
    const bool required = std::getenv("TENSORIUM_REQUIRE_LOCALES") != nullptr;
    for (const auto& [region, decimal] : {std::pair{"en_US.UTF-8", "1.5"}, {"de_DE.UTF-8", "1,5"}}) {
        SCOPED_TRACE(region);
        LocaleGuard guard;
        if (!std::setlocale(LC_ALL, region)) {
            if (required) ADD_FAILURE() << "the locale " << region << " is not available";
            GTEST_SKIP() << "the locale " << region << " is not available";
        }
        // The C library now writes the region's decimal separator.
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        ASSERT_EQ(std::string(text), decimal);
        const Outcome there = Compute();
        ASSERT_EQ(there.exercises.size(), plain.exercises.size());
        for (size_t i = 0; i < plain.exercises.size(); ++i) {
            EXPECT_EQ(there.exercises[i].stress, plain.exercises[i].stress);
            EXPECT_EQ(there.exercises[i].joint, plain.exercises[i].joint);
        }
        EXPECT_EQ(there.key, plain.key);
        EXPECT_EQ(there.hints, plain.hints);
    }
}

}  // namespace
}  // namespace tensorium
