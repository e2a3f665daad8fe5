#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/plane_csv_reader.h"
#include "core/plane_csv_writer.h"

namespace tensorium {
namespace {

MeasuredPlane Plane(std::string name, double dipDirection, double dip, std::string set = "")
{
    return {std::move(name), dipDirection, dip, std::move(set)};
}

MeasuredPlane Slipped(std::string name, double dipDirection, double dip, double rake)
{
    return {std::move(name), dipDirection, dip, "", rake};
}

// The planes of a text that must read without a fault.
PlaneSet Planes(const std::string& text, HeaderlessColumns headerless = HeaderlessColumns::DipDirectionDip)
{
    const PlaneReading reading = ReadPlaneCsv(text, headerless);
    EXPECT_EQ(reading.refusal, "") << text;
    EXPECT_EQ(reading.badCount, 0) << DescribeBadRows(reading) << "\n" << text;
    return reading.planes;
}

PlaneCsvRow RowOf(MeasuredPlane plane)
{
    PlaneCsvRow row;
    row.plane = std::move(plane);
    return row;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(PlaneCsvReader, ReadsEachSeparator)
{
    const PlaneSet expected = {Plane("F1", 120, 45.5, "A"), Plane("F2", 300.25, 80, "B")};
    struct Case {
        std::string text;
        char separator;
    };
    const Case cases[] = {
        {"name,dd,dip,set\nF1,120,45.5,A\nF2,300.25,80,B\n", ','},
        {"name;dd;dip;set\nF1;120;45.5;A\nF2;300.25;80;B\n", ';'},
        {"name\tdd\tdip\tset\nF1\t120\t45.5\tA\nF2\t300.25\t80\tB\n", '\t'},
        // Runs of blanks, as a text editor aligns columns.
        {"name   dd      dip   set\n  F1   120     45.5  A\nF2     300.25  80    B   \n", ' '},
        // Blanks around the separators.
        {"name , dd , dip , set\nF1 , 120 , 45.5 , A\nF2 , 300.25 , 80 , B\n", ','},
        {"name ;\tdd ; dip ; set\nF1 ; 120 ; 45.5 ; A\nF2 ; 300.25 ; 80 ; B\n", ';'},
    };
    for (const Case& c : cases) {
        const PlaneReading reading = ReadPlaneCsv(c.text);
        EXPECT_EQ(reading.separator, c.separator) << c.text;
        EXPECT_TRUE(reading.header) << c.text;
        EXPECT_EQ(reading.planes, expected) << c.text << DescribeBadRows(reading) << reading.refusal;
    }
}

TEST(PlaneCsvReader, ReadsQuotedFields)
{
    // Separators, doubled quotes and a line end inside quotes; the rows after
    // the two-line name keep their own line numbers.
    const std::string text =
        "name,dd,dip,set\n"
        "\"Fault, main\",\"10\",20,\"say \"\"A\"\"\"\n"
        "\"two\nlines\",30,40,\"\"\n"
        "\"# not a comment\",50,60,x\n"
        "F4,70,x,\n";
    const PlaneReading reading = ReadPlaneCsv(text);
    ASSERT_EQ(reading.badCount, 1);
    EXPECT_EQ(reading.bad[0].line, 6);
    EXPECT_EQ(reading.bad[0].column, 3);

    const PlaneSet planes = Planes(text.substr(0, text.rfind("F4")));
    const PlaneSet expected = {Plane("Fault, main", 10, 20, "say \"A\""), Plane("two\nlines", 30, 40),
                               Plane("# not a comment", 50, 60, "x")};
    EXPECT_EQ(planes, expected);

    // Semicolons inside quotes do not make the semicolon the separator.
    EXPECT_EQ(Planes("name,dd,dip\n\"a;b\",1,2\n\"c;d\",3,4\n"),
              (PlaneSet{Plane("a;b", 1, 2), Plane("c;d", 3, 4)}));
}

TEST(PlaneCsvReader, ReadsDecimalCommasWhereCommasDoNotSeparate)
{
    EXPECT_EQ(Planes("dd;dip\n45,5;30,25\n1e2;+7,5E-1\n"),
              (PlaneSet{Plane("", 45.5, 30.25), Plane("", 100, 0.75)}));
    EXPECT_EQ(Planes("dd\tdip\n45,5\t30,25\n"), (PlaneSet{Plane("", 45.5, 30.25)}));
    // Headerless, semicolons and decimal commas in both columns.
    EXPECT_EQ(Planes("120,5;45,5\n300,0;10,0\n"), (PlaneSet{Plane("", 120.5, 45.5), Plane("", 300, 10)}));

    // A comma in a comma-separated file separates.
    const PlaneReading reading = ReadPlaneCsv("dd,dip\n\"45,5\",30\n");
    ASSERT_EQ(reading.badCount, 1);
    EXPECT_EQ(reading.bad[0].reason, "is not a number");
}

TEST(PlaneCsvReader, SkipsByteOrderMarkCommentsAndBlankLines)
{
    const PlaneSet expected = {Plane("a", 10, 20), Plane("b", 30, 40)};
    EXPECT_EQ(Planes("\xEF\xBB\xBFname,dd,dip\r\na,10,20\r\nb,30,40\r\n"), expected);
    EXPECT_EQ(Planes("name,dd,dip\ra,10,20\rb,30,40"), expected);
    // Comments before the header, between rows and indented; blank lines,
    // lines of blanks and rows of empty fields (as spreadsheets save them).
    const std::string text =
        "# measured 2021\r\n"
        "\r\n"
        "name;dd;dip\r\n"
        "   # first outcrop\r\n"
        "a;10;20\r\n"
        " \t \r\n"
        ";;\r\n"
        "b;30;40\r\n"
        "\r\n"
        "c;x;1\r\n";
    const PlaneReading reading = ReadPlaneCsv(text);
    ASSERT_EQ(reading.badCount, 1);
    EXPECT_EQ(reading.bad[0].line, 10);
    EXPECT_EQ(Planes(text.substr(0, text.rfind("c;"))), expected);
}

TEST(PlaneCsvReader, NamesColumnsBySynonymsWhateverTheirCaseAndSpacing)
{
    const char* const dipDirectionNames[] = {
        "dip_direction", "DipDirection", "Dip Direction", "DIP-DIRECTION", "dipdir",
        "Dip_Dir",       "DD",           " azimuth "};
    for (const char* name : dipDirectionNames) {
        const std::string text = std::string("ID;Set;Dip;") + name + ";Comment\nj1;S1;35;200;steep\n";
        EXPECT_EQ(Planes(text), (PlaneSet{Plane("j1", 200, 35, "S1")})) << name;
    }
    // Columns in any order; the first of two dip direction columns counts.
    EXPECT_EQ(Planes("dip,SET,azimuth,NAME,dd\n10,s,20,n,99\n"), (PlaneSet{Plane("n", 20, 10, "s")}));
}

TEST(PlaneCsvReader, TurnsStrikeIntoDipDirectionByTheRightHandRule)
{
    EXPECT_EQ(Planes("Strike,Dip\n0,10\n300,20\n270,30\n359.5,40\n-90,50\n"),
              (PlaneSet{Plane("", 90, 10), Plane("", 30, 20), Plane("", 0, 30), Plane("", 89.5, 40),
                        Plane("", 0, 50)}));
    // A dip direction column wins over a strike column.
    EXPECT_EQ(Planes("strike,dd,dip\n0,10,20\n"), (PlaneSet{Plane("", 10, 20)}));
}

TEST(PlaneCsvReader, ReadsHeaderlessRowsEitherWay)
{
    const std::string text = "300 20\n10 5.5\n";
    EXPECT_EQ(Planes(text), (PlaneSet{Plane("", 300, 20), Plane("", 10, 5.5)}));
    EXPECT_EQ(Planes(text, HeaderlessColumns::StrikeDip), (PlaneSet{Plane("", 30, 20), Plane("", 100, 5.5)}));
    EXPECT_FALSE(ReadPlaneCsv(text).header);
    // A text first and two numbers after it: the name.
    EXPECT_EQ(Planes("J1,120,45,extra\nJ2,130,50\n"), (PlaneSet{Plane("J1", 120, 45), Plane("J2", 130, 50)}));
}

TEST(PlaneCsvReader, NormalisesDipDirections)
{
    const PlaneSet planes = Planes("dd,dip\n360,0\n-10,90\n720.5,1\n-0,-0\n1e-400,1e-400\n");
    ASSERT_EQ(planes.size(), 5u);
    EXPECT_EQ(planes[0].dipDirection, 0);
    EXPECT_EQ(planes[1].dipDirection, 350);
    EXPECT_EQ(planes[2].dipDirection, 0.5);
    EXPECT_EQ(planes[1].dip, 90);
    // No negative zero, and a number below the smallest double reads 0.
    for (size_t i = 3; i < 5; ++i) {
        EXPECT_TRUE(SameBits(planes[i].dipDirection, 0.0)) << i;
        EXPECT_TRUE(SameBits(planes[i].dip, 0.0)) << i;
    }
}

TEST(PlaneCsvReader, ReportsEachBadRowAndKeepsNoPlanes)
{
    struct Case {
        std::string row;  // the third line, after a header and a good row
        int column;
        std::string text;
        std::string reason;
    };
    const Case cases[] = {
        {"a,4x5,30", 2, "4x5", "is not a number"},
        {"a,45,3 0", 3, "3 0", "is not a number"},
        {"a,inf,30", 2, "inf", "is not a number"},
        {"a,nan,30", 2, "nan", "is not a number"},
        {"a,0x10,30", 2, "0x10", "is not a number"},
        {"a,1e,30", 2, "1e", "is not a number"},
        {"a,+-1,30", 2, "+-1", "is not a number"},
        {"a,,30", 2, "", "is missing"},
        {"a,45", 3, "", "is missing"},
        {"a,45,\"\"", 3, "", "is missing"},
        {"a,1e400,30", 2, "1e400", "is not a finite number"},
        {"a,45,90.000001", 3, "90.000001", "dip must lie between 0 and 90"},
        {"a,45,-1", 3, "-1", "dip must lie between 0 and 90"},
        {"a,45,1e400", 3, "1e400", "dip must lie between 0 and 90"},
        // The first bad field of the row counts.
        {"a,x,y", 2, "x", "is not a number"},
    };
    for (const Case& c : cases) {
        const std::string text = "name,dd,dip\ngood,10,20\n" + c.row + "\nlater,x,20\n";
        const PlaneReading reading = ReadPlaneCsv(text);
        EXPECT_EQ(reading.refusal, "") << c.row;
        EXPECT_TRUE(reading.planes.empty()) << c.row;
        EXPECT_EQ(reading.badCount, 2) << c.row;
        ASSERT_EQ(reading.bad.size(), 2u) << c.row;
        EXPECT_EQ(reading.bad[0].line, 3) << c.row;
        EXPECT_EQ(reading.bad[0].column, c.column) << c.row;
        EXPECT_EQ(reading.bad[0].text, c.text) << c.row;
        EXPECT_EQ(reading.bad[0].reason, c.reason) << c.row;
        EXPECT_EQ(reading.bad[1].line, 4) << c.row;
    }
}

TEST(PlaneCsvReader, DescribesTheFirstBadRowAndHowManyThereAre)
{
    std::string text = "name;dd;dip\n";
    for (int i = 0; i < 5; ++i) text += "ok;1;2\n";
    text += "a;4x5;1\nb;1;95\nc;1;\n";
    PlaneReading reading = ReadPlaneCsv(text);
    EXPECT_EQ(DescribeBadRows(reading),
              "Line 7, column 2 holds \"4x5\": it is not a number (3 rows are bad)");
    // Nothing is taken, but the valid rows are there to take on request.
    EXPECT_TRUE(reading.planes.empty());
    ASSERT_EQ(reading.validPlanes.size(), 5u);
    EXPECT_EQ(reading.validPlanes[4], (MeasuredPlane{"ok", 1, 2, ""}));
    EXPECT_TRUE(ReadPlaneCsv("dd,dip\n10,20\n").validPlanes.empty()) << "all valid: they are the planes";

    reading = ReadPlaneCsv("dd dip\n10 95\n");
    EXPECT_EQ(DescribeBadRows(reading),
              "Line 2, column 2 holds \"95\": the dip must lie between 0 and 90 (1 row is bad)");
    reading = ReadPlaneCsv("dd,dip\n10,\n");
    EXPECT_EQ(DescribeBadRows(reading), "Line 2, column 2 holds nothing: it is missing (1 row is bad)");
    EXPECT_EQ(DescribeBadRows(ReadPlaneCsv("dd,dip\n10,20\n")), "");

    // Every bad row counts; a long text is cut short.
    text = "dd,dip\n";
    for (int i = 0; i < 1000; ++i) text += "x,1\n";
    text += std::string(5000, 'y') + ",1\n";
    reading = ReadPlaneCsv(text);
    EXPECT_EQ(reading.badCount, 1001);
    EXPECT_LE(reading.bad.size(), 1001u);
    const std::string longText = ReadPlaneCsv("dd,dip\n" + std::string(5000, 'y') + ",1\n").bad.at(0).text;
    EXPECT_LT(longText.size(), 100u);
}

TEST(PlaneCsvReader, ReadsRakes)
{
    const PlaneSet planes = Planes(
        "name,dd,dip, Rake \n"
        "a,90,60,-90\n"
        "b,10,20,\n"
        "c,30,40,-180\n"
        "d,1,2,180\n"
        "e,1,2,+0.5e1\n"
        "f,1,2,-0\n");
    const PlaneSet expected = {Slipped("a", 90, 60, -90), Plane("b", 10, 20),    Slipped("c", 30, 40, 180),
                               Slipped("d", 1, 2, 180),   Slipped("e", 1, 2, 5), Slipped("f", 1, 2, 0)};
    EXPECT_EQ(planes, expected);
    ASSERT_EQ(planes.size(), 6u);
    EXPECT_FALSE(planes[1].rake);
    EXPECT_TRUE(SameBits(*planes[5].rake, 0.0)) << "no negative zero";
    // Decimal commas where semicolons separate; a strike column.
    EXPECT_EQ(Planes("Strike;Dip;RAKE\n0;45,5;-45,25\n"), (PlaneSet{Slipped("", 90, 45.5, -45.25)}));
}

TEST(PlaneCsvReader, ReadsStriationsWithTheirSense)
{
    // On a plane dipping 60 to the east the striation 90/60 runs down the
    // dip; on the vertical plane 90/90 the horizontal ones run along the
    // strike (north), and the sense picks which way the east block went.
    const PlaneSet planes = Planes(
        "name,dip direction,dip,trend,plunge,sense\n"
        "n1,90,60,90,60,N\n"
        "n2,90,60,90,60,normal\n"
        "r1,90,60,90,60,r\n"
        "r2,90,60,90,60,Thrust\n"
        "r3,90,60,90,60,REVERSE\n"
        "d1,90,90,0,0,D\n"
        "d2,90,90,180,0,dextral\n"
        "d3,90,90,0,0,right-lateral\n"
        "s1,90,90,0,0,s\n"
        "s2,90,90,180,0,Sinistral\n"
        "s3,90,90,0,0,left-lateral\n"
        "none,90,60,,,\n");
    const PlaneSet expected = {
        Slipped("n1", 90, 60, -90), Slipped("n2", 90, 60, -90), Slipped("r1", 90, 60, 90),
        Slipped("r2", 90, 60, 90),  Slipped("r3", 90, 60, 90),  Slipped("d1", 90, 90, 180),
        Slipped("d2", 90, 90, 180), Slipped("d3", 90, 90, 180), Slipped("s1", 90, 90, 0),
        Slipped("s2", 90, 90, 0),   Slipped("s3", 90, 90, 0),   Plane("none", 90, 60)};
    EXPECT_EQ(planes, expected);

    // Semicolons with decimal commas, and the other names of the sense
    // column. A line 9 degrees off the plane (plunging 69 instead of 60 in
    // the plane of the dip) is taken as its projection, the dip line.
    for (const char* sense : {"slip sense", "Sense of slip", "SENSE"}) {
        const PlaneSet read = Planes(std::string("dd;dip;trend;plunge;") + sense +
                                     "\n90,0;60,0;90,0;60,0;n\n90;60;90;69,0;N\n");
        ASSERT_EQ(read.size(), 2u) << sense;
        EXPECT_EQ(read[0], Slipped("", 90, 60, -90)) << sense;
        // Within the rounding of a striation's angles (at most 3.6 times
        // 180 eps degrees measured in fault_slip_test).
        EXPECT_NEAR(*read[1].rake, -90, 8 * 180 * DBL_EPSILON) << sense;
    }
    // With a rake column the striation columns are not read.
    EXPECT_EQ(Planes("dd,dip,rake,trend,plunge,sense\n90,60,45,0,0,N\n"),
              (PlaneSet{Slipped("", 90, 60, 45)}));
    EXPECT_EQ(Planes("dd,dip,rake,sense\n90,60,45,x\n"), (PlaneSet{Slipped("", 90, 60, 45)}));
}

TEST(PlaneCsvReader, ReportsBadSlipByLineAndColumnAndKeepsNoPlanes)
{
    struct Case {
        std::string header;
        std::string row;  // the third line, after the header and a good row
        int column;
        std::string text;
        std::string reason;
    };
    const std::string rake = "name,dd,dip,rake";
    const std::string striation = "name,dd,dip,trend,plunge,sense";
    const Case cases[] = {
        {rake, "a,45,30,181", 4, "181", "rake must lie between -180 and 180"},
        {rake, "a,45,30,-180.5", 4, "-180.5", "rake must lie between -180 and 180"},
        {rake, "a,45,30,1e400", 4, "1e400", "rake must lie between -180 and 180"},
        {rake, "a,45,30,x", 4, "x", "is not a number"},
        {rake, "a,45,30,nan", 4, "nan", "is not a number"},
        {rake, "a,x,30,500", 2, "x", "is not a number"},
        {striation, "a,90,60,90,60,", 6, "", "is missing"},
        {striation, "a,90,60,,60,N", 4, "", "is missing"},
        {striation, "a,90,60,90,,N", 5, "", "is missing"},
        {striation, "a,90,60,,,N", 4, "", "is missing"},
        {striation, "a,90,60,90,95,N", 5, "95", "plunge must lie between 0 and 90"},
        {striation, "a,90,60,90,-1,N", 5, "-1", "plunge must lie between 0 and 90"},
        {striation, "a,90,60,1e400,60,N", 4, "1e400", "is not a finite number"},
        {striation, "a,90,60,90,60,X", 6, "X", "is not a sense of slip (N, R, T, D or S)"},
        {striation, "a,90,60,90,71,N", 4, "90", "striation lies 11.0 degrees off the plane (10 at most)"},
        {striation, "a,90,60,0,0,N", 6, "N",
         "is normal, but the striation runs within 10 degrees of the strike"},
        {striation, "a,90,60,90,60,D", 6, "D",
         "is dextral, but the striation runs within 10 degrees of the dip"},
        {striation, "a,90,95,90,60,X", 3, "95", "dip must lie between 0 and 90"},
    };
    for (const Case& c : cases) {
        const std::string good = c.header == rake ? "good,10,20,30" : "good,90,60,90,60,N";
        const std::string text = c.header + "\n" + good + "\n" + c.row + "\n" + good + "\nlater,x,20\n";
        const PlaneReading reading = ReadPlaneCsv(text);
        EXPECT_EQ(reading.refusal, "") << c.row;
        EXPECT_TRUE(reading.planes.empty()) << c.row;
        EXPECT_EQ(reading.validPlanes.size(), 2u) << c.row;
        EXPECT_EQ(reading.badCount, 2) << c.row;
        ASSERT_EQ(reading.bad.size(), 2u) << c.row;
        EXPECT_EQ(reading.bad[0].line, 3) << c.row;
        EXPECT_EQ(reading.bad[0].column, c.column) << c.row;
        EXPECT_EQ(reading.bad[0].text, c.text) << c.row;
        EXPECT_EQ(reading.bad[0].reason, c.reason) << c.row;
        EXPECT_EQ(reading.bad[1].line, 5) << c.row;
    }
    // The first bad field of the row counts, whatever the order of the columns.
    EXPECT_EQ(ReadPlaneCsv("rake,name,dd,dip\n500,a,x,95\n").bad.at(0).column, 1);
    EXPECT_EQ(ReadPlaneCsv("sense,plunge,trend,dip,dd\nX,95,,30,x\n").bad.at(0).column, 1);
    EXPECT_EQ(ReadPlaneCsv("dd,sense,plunge,trend,dip\n10,X,95,,30\n").bad.at(0).column, 2);
    EXPECT_EQ(DescribeBadRows(ReadPlaneCsv("dd;dip;trend;plunge;sense\n90;60;0;0;normal\n")),
              "Line 2, column 5 holds \"normal\": it is normal, but the striation runs within 10 degrees of "
              "the strike (1 row is bad)");
    EXPECT_EQ(
        DescribeBadRows(ReadPlaneCsv("dd;dip;trend;plunge;sense\n90;60;90;71;n\n")),
        "Line 2, column 3 holds \"90\": the striation lies 11.0 degrees off the plane (10 at most) (1 row "
        "is bad)");
    EXPECT_EQ(DescribeBadRows(ReadPlaneCsv("dd;dip;rake\n90;60;-200\n")),
              "Line 2, column 3 holds \"-200\": the rake must lie between -180 and 180 (1 row is bad)");
}

TEST(PlaneCsvReader, RefusesAStriationWithoutAllItsColumns)
{
    struct Case {
        std::string header;
        std::string missing;
    };
    const Case cases[] = {
        {"dd,dip,trend,plunge", "sense"},    {"dd,dip,trend,sense", "plunge"},
        {"dd,dip,plunge,sense", "trend"},    {"dd,dip,sense", "trend or plunge"},
        {"dd,dip,plunge", "trend or sense"},
    };
    for (const Case& c : cases) {
        const PlaneReading reading = ReadPlaneCsv(c.header + "\n90,60,90,60\n");
        EXPECT_EQ(reading.refusal,
                  "The striation needs trend, plunge and sense columns; the header row names no " +
                      c.missing + " column")
            << c.header;
        EXPECT_TRUE(reading.planes.empty()) << c.header;
    }
}

TEST(PlaneCsvReader, RefusesWhatIsNoPlaneSet)
{
    struct Case {
        std::string text;
        std::string refusal;
    };
    const Case cases[] = {
        {"", "The file holds no planes"},
        {"\xEF\xBB\xBF\r\n# nothing yet\r\n  \r\n", "The file holds no planes"},
        {"name,dd,dip\n# none\n", "The file has a header row but no planes"},
        {"name,dd,set\nx,1,2\n", "The header row names no dip column"},
        {"name;dip;set\nx;1;2\n", "The header row names no dip direction (or strike) column"},
        {"id,set\nx,1\n", "The header row names no dip direction (or strike) column and no dip column"},
        {std::string("dd,dip\n1,2\0", 11), "The file is not a text file"},
        {"\x01\x02\x03\x04", "The file is not a text file"},
        {"\xFF\xFE"
         "d\0d\0",
         "The file is UTF-16 text; save it as UTF-8 CSV"},
    };
    for (const Case& c : cases) {
        const PlaneReading reading = ReadPlaneCsv(c.text);
        EXPECT_EQ(reading.refusal, c.refusal) << c.text;
        EXPECT_TRUE(reading.planes.empty()) << c.text;
    }
    // An old DOS end-of-file mark is no fault.
    EXPECT_EQ(Planes("dd,dip\n1,2\n\x1A"), (PlaneSet{Plane("", 1, 2)}));
}

TEST(PlaneCsvReader, RefusesMoreThanAMillionRowsOrAHundredMegabytes)
{
    std::string text = "dd,dip\n";
    text.reserve(8 + 5 * 1000001);
    for (long i = 0; i < kPlaneCsvMaxRows; ++i) text += "1,2\n";
    EXPECT_EQ(ReadPlaneCsv(text).planes.size(), static_cast<size_t>(kPlaneCsvMaxRows));
    text += "1,2\n";
    const PlaneReading reading = ReadPlaneCsv(text);
    EXPECT_EQ(reading.refusal, "The file has more than 1,000,000 rows");
    EXPECT_TRUE(reading.planes.empty());

    std::string huge(kPlaneCsvMaxBytes + 1, ' ');
    EXPECT_EQ(ReadPlaneCsv(huge).refusal, "The file is larger than 100 MB");
    huge.pop_back();
    EXPECT_EQ(ReadPlaneCsv(huge).refusal, "The file holds no planes");
}

TEST(PlaneCsvReader, ReadsFiftyThousandSpreadsheetRows)
{
    std::string text = "\xEF\xBB\xBFName;Dip direction;Dip;Set\r\n";
    for (int i = 0; i < 50000; ++i)
        text += "J" + std::to_string(i) + ";" + std::to_string(i % 360) + ",5;" + std::to_string(i % 90) +
                ",25;S" + std::to_string(i % 3) + "\r\n";
    const PlaneSet planes = Planes(text);
    ASSERT_EQ(planes.size(), 50000u);
    EXPECT_EQ(planes[49999], Plane("J49999", 319.5, 49.25, "S1"));

    text.replace(text.rfind("J40000;") + 7, 3, "x");
    const PlaneReading reading = ReadPlaneCsv(text);
    ASSERT_EQ(reading.badCount, 1);
    EXPECT_EQ(reading.bad[0].line, 40002);
}

TEST(PlaneCsvWriter, WritesHeaderQuotedTextsAndEmptyValues)
{
    PlaneCsvRow full{
        Plane("a,\"b\"", 0.1, 90, "x\r\ny"), 1.5, -2, 0, 0.25, 1, 1.0 / 3, 7, true, -45.5, 12.25};
    full.plane.rake = 180;
    const PlaneCsvRow bare = RowOf(Plane("", 359, 0));
    const PlaneCsvRow edges = RowOf(Plane(" padded", 1, 2, "#3"));
    EXPECT_EQ(
        PlaneCsv({full, bare, edges}),
        "name,dip_direction,dip,set,sigma_n,tau,sigma_n_eff,slip_tendency,dilation_tendency,safety_factor,"
        "dp_crit,critical,rake,predicted_rake,misfit\r\n"
        "\"a,\"\"b\"\"\",0.10000000000000001,90,\"x\r\ny\",1.5,-2,0,0.25,1,0.33333333333333331,7,yes,180,-45."
        "5,"
        "12.25\r\n"
        ",359,0,,,,,,,,,no,,,\r\n"
        "\" padded\",1,2,\"#3\",,,,,,,,no,,,\r\n");
    EXPECT_EQ(
        PlaneCsv({}),
        "name,dip_direction,dip,set,sigma_n,tau,sigma_n_eff,slip_tendency,dilation_tendency,safety_factor,"
        "dp_crit,critical,rake,predicted_rake,misfit\r\n");
}

TEST(PlaneCsvWriter, WrittenPlanesReadBackExactly)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> dipDirection(0, 360), dip(0, 90);
    const std::string pieces[] = {"J",  "7", " ",  ",", ";",   "\"",  "\r\n",
                                  "\n", "#", "\t", "é", "x y", "1e5", "dd"};
    std::uniform_int_distribution<size_t> piece(0, std::size(pieces) - 1), length(0, 6);
    auto text = [&] {
        std::string t;
        for (size_t n = length(random); n > 0; --n) t += pieces[piece(random)];
        return t;
    };
    std::uniform_real_distribution<double> rake(-180, 180);
    std::vector<PlaneCsvRow> rows;
    for (int i = 0; i < 2000; ++i) {
        rows.push_back(RowOf(Plane(text(), dipDirection(random), dip(random), text())));
        // Two planes in three with a rake; the predicted rake and misfit are
        // written but not read.
        if (i % 3 != 0) rows.back().plane.rake = rake(random);
        if (i % 2 == 0) rows.back().predictedRake = rake(random);
        if (i % 5 == 0) rows.back().misfit = rake(random) / 2 + 90;
    }
    // The ends of the ranges and the smallest numbers.
    rows.push_back(RowOf(Plane("", std::nextafter(360.0, 0.0), 90)));
    rows.push_back(RowOf(Plane("", 0, std::nextafter(90.0, 0.0))));
    rows.push_back(RowOf(Plane("", 4.9406564584124654e-324, 2.2250738585072014e-308)));
    rows.push_back(RowOf(Slipped("", 1, 2, 180)));
    rows.push_back(RowOf(Slipped("", 1, 2, std::nextafter(-180.0, 0.0))));
    rows.push_back(RowOf(Slipped("", 1, 2, -4.9406564584124654e-324)));
    rows.push_back(RowOf(Slipped("", 1, 2, 0)));

    const PlaneReading reading = ReadPlaneCsv(PlaneCsv(rows));
    EXPECT_EQ(reading.refusal, "");
    EXPECT_EQ(DescribeBadRows(reading), "");
    ASSERT_EQ(reading.planes.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const MeasuredPlane& read = reading.planes[i];
        const MeasuredPlane& written = rows[i].plane;
        EXPECT_EQ(read.name, written.name) << i;
        EXPECT_EQ(read.set, written.set) << i;
        EXPECT_TRUE(SameBits(read.dipDirection, written.dipDirection)) << i << " " << written.dipDirection;
        EXPECT_TRUE(SameBits(read.dip, written.dip)) << i << " " << written.dip;
        ASSERT_EQ(read.rake.has_value(), written.rake.has_value()) << i;
        if (written.rake) {
            EXPECT_TRUE(SameBits(*read.rake, *written.rake)) << i << " " << *written.rake;
        }
    }
}

}  // namespace
}  // namespace tensorium
