#include "core/answer_key.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/csv_rows.h"
#include "core/number_format.h"
#include "core/number_parse.h"
#include "core/random_exercise.h"
#include "tests/core/working_lines.h"

namespace tensorium {
namespace {

using Row = std::vector<std::string>;

std::vector<Row> Rows(const std::string& csv)
{
    std::vector<Row> rows;
    ForEachCsvRow(csv, ',', [&](long, const std::vector<std::string_view>& fields) {
        rows.emplace_back(fields.begin(), fields.end());
        return true;
    });
    return rows;
}

TEST(StudentNames, OneALineWithoutBlanksAround)
{
    using Names = std::vector<std::string>;
    EXPECT_EQ(StudentNames("  Anna \r\nBen\n\n\t Cleo\t\r\r \nAnna"), (Names{"Anna", "Ben", "Cleo", "Anna"}));
    EXPECT_EQ(StudentNames("\xEF\xBB\xBF"
                           "Jörg Müller\n"),
              (Names{"Jörg Müller"}));
    EXPECT_EQ(StudentNames("Lee, Ann\r\n\"Bo\" Li"), (Names{"Lee, Ann", "\"Bo\" Li"}));
    EXPECT_EQ(StudentNames(""), Names{});
    EXPECT_EQ(StudentNames(" \n\t\r\n"), Names{});
    EXPECT_EQ(StudentNames("Mary Ann Evans"), (Names{"Mary Ann Evans"}));
}

TEST(AnswerKey, OneRowANameAndTheHeader)
{
    const std::vector<std::string> names = {"Anna",    "Lee, Ann",    "\"Bo\" Li",
                                            "#7 Cleo", "Jörg Müller", "Anna"};
    const std::string csv = AnswerKeyCsv(names);
    // RFC 4180: CRLF after every row, the last included.
    ASSERT_GE(csv.size(), 2u);
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
    size_t rows = 0;
    for (size_t at = csv.find('\n'); at != std::string::npos; at = csv.find('\n', at + 1)) {
        EXPECT_EQ(csv[at - 1], '\r');
        ++rows;
    }
    EXPECT_EQ(rows, names.size() + 1);

    const std::vector<Row> parsed = Rows(csv);
    ASSERT_EQ(parsed.size(), names.size() + 1);
    EXPECT_EQ(parsed[0], (Row{"name",       "sx",
                              "sy",         "sz",
                              "txy",        "tyz",
                              "tzx",        "dip_direction",
                              "dip",        "friction_angle",
                              "cohesion",   "s1",
                              "s2",         "s3",
                              "s1_azimuth", "s1_dip",
                              "regime",     "sigma",
                              "tau",        "sf"}));
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(parsed[i + 1].size(), parsed[0].size());
        EXPECT_EQ(parsed[i + 1][0], names[i]);
    }
    // The same name, the same exercise.
    EXPECT_EQ(Row(parsed[1].begin() + 1, parsed[1].end()), Row(parsed[6].begin() + 1, parsed[6].end()));
    EXPECT_EQ(AnswerKeyCsv({}), csv.substr(0, csv.find('\n') + 1));
}

// Each row against the program's own analysis of the inputs the row
// states, read as the window reads them, and the values as the window
// shows them (3 decimals for stresses and SF, 2 for angles).
TEST(AnswerKey, TheRowsAgainstTheProgramsResults)
{
    std::vector<std::string> names;
    for (int i = 0; i < 60; ++i) names.push_back("Pupil " + std::to_string(i));
    const std::vector<Row> parsed = Rows(AnswerKeyCsv(names));
    ASSERT_EQ(parsed.size(), names.size() + 1);
    const NumberSeparators point{".", ""};
    for (size_t i = 0; i < names.size(); ++i) {
        const Row& row = parsed[i + 1];
        const RandomExercise exercise = RandomExerciseFor(names[i]);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(row[1 + k], exercise.stress[k]);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(row[7 + k], std::to_string(exercise.joint[k]));

        AnalysisState s;
        s.convention = AzimuthConvention::azClockwiseFromNorth;
        s.stress = {ParseNumber(row[1], "."), ParseNumber(row[2], "."), ParseNumber(row[3], "."),
                    ParseNumber(row[4], "."), ParseNumber(row[5], "."), ParseNumber(row[6], ".")};
        s.joint = {DegToRad(ParseNumber(row[7], ".")), DegToRad(ParseNumber(row[8], ".")),
                   ParseNumber(row[9], "."), ParseNumber(row[10], ".")};
        s = testing_support::Analysed(s);
        const PrincipalResult& p = s.principal;
        EXPECT_EQ(row[11], FormatNumber(p.s1, 3, point));
        EXPECT_EQ(row[12], FormatNumber(p.s2, 3, point));
        EXPECT_EQ(row[13], FormatNumber(p.s3, 3, point));
        EXPECT_EQ(row[14], FormatNumber(RadToDeg(p.axes[0].azimuth), 2, point));
        EXPECT_EQ(row[15], FormatNumber(RadToDeg(p.axes[0].dip), 2, point));
        EXPECT_EQ(row[16], RegimeName(RegimeOf(p)));
        EXPECT_EQ(row[17], FormatNumber(s.jointResult.sigma, 3, point));
        EXPECT_EQ(row[18], FormatNumber(s.jointResult.tau, 3, point));
        EXPECT_EQ(row[19], FormatNumber(s.jointResult.tlim / s.jointResult.tau, 3, point));
    }
}

}  // namespace
}  // namespace tensorium
