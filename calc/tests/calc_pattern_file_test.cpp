// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/pattern_file.h"
#include "calc/model/unit_list.h"

#include "host/numbers/fault.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

using calc::UnitList;
using host::Fault;

namespace {

struct ListCase
{
    const char *name;
    const char *text;
    UnitList expected;
};

class CalcListText : public testing::TestWithParam<ListCase>
{
};

TEST_P(CalcListText, GivesTheUnitList)
{
    EXPECT_EQ(calc::strToArray(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcListText,
    testing::Values(ListCase {"SixSegments", "1 2 3 5 6 7", {1, 2, 3, 5, 6, 7, 0, 0, 0, 0}},
                    ListCase {"Empty", "", {}},
                    ListCase {"LeadingBlankGivesZeroFirst", " 3 6", {0, 3, 6}},
                    ListCase {"TrailingBlankGivesZero", "3 6 ", {3, 6, 0}},
                    ListCase {"DoubleBlankPutsZeroBetween", "1  2", {1, 0, 2}},
                    ListCase {"HalvesRoundToEven", "2.5 3.5 -0.5", {2, 4, 0}},
                    ListCase {"ItemThatIsNoNumberGivesZero", "x 4 5y", {0, 4, 5}},
                    ListCase {"TenItems", "1 2 3 4 5 6 7 8 9 10", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                    ListCase {"NineItemsAndATrailingBlank",
                              "1 2 3 4 5 6 7 8 9 ",
                              {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}}),
    [](const auto &info) { return info.param.name; });

TEST(CalcListTextFaults, TooManyItemsOrTooLargeAnItem)
{
    for (const char *text : {"1 2 3 4 5 6 7 8 9 10 11", "1 2 3 4 5 6 7 8 9 10 ", "           "}) {
        try {
            calc::strToArray(text);
            ADD_FAILURE() << "no fault for \"" << text << "\"";
        } catch (const Fault &fault) {
            EXPECT_EQ(fault.kind(), Fault::Kind::IndexOutOfRange) << text;
        }
    }
    try {
        calc::strToArray("3 40000");
        ADD_FAILURE() << "no fault";
    } catch (const Fault &fault) {
        EXPECT_EQ(fault.kind(), Fault::Kind::Overflow);
    }
}

class CalcPatternFile : public testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path()
            / ("calc_pattern_file_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string write(const std::string &content)
    {
        const std::filesystem::path path
            = m_dir / ("patterns" + std::to_string(++m_count) + ".dat");
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

private:
    std::filesystem::path m_dir;
    int m_count = 0;
};

TEST_F(CalcPatternFile, ShippedFileHoldsTheSixteenNumerals)
{
    const calc::Network net = calc::loadPatternFile(CALC_DATA_FILE);
    EXPECT_EQ(net.nPatterns, 16);
    EXPECT_EQ(net.nInputs, 7);
    EXPECT_EQ(net.nOutputs, 16);
    ASSERT_EQ(net.inPatterns.size(), 16u);
    EXPECT_EQ(net.inPatterns[0], (UnitList {3, 6})); // 1
    EXPECT_EQ(net.inPatterns[7], (UnitList {1, 2, 3, 4, 5, 6, 7})); // 8
    EXPECT_EQ(net.inPatterns[9], (UnitList {1, 2, 3, 5, 6, 7})); // 0
    EXPECT_EQ(net.inPatterns[15], (UnitList {1, 2, 4, 5})); // F
    for (int p = 1; p <= 16; ++p)
        EXPECT_EQ(net.targets[size_t(p - 1)], (UnitList {int16_t(p)})) << p;
    EXPECT_EQ(net.weights, std::vector<std::vector<float>>(16, std::vector<float>(7, 0.0f)));
    EXPECT_EQ(net.outputs, std::vector<float>(16, 0.0f));
    EXPECT_EQ(net.netInputs, std::vector<float>(16, 0.0f));
}

TEST_F(CalcPatternFile, LineEndsMayBeCrLfOrLf)
{
    std::ifstream shipped(CALC_DATA_FILE, std::ios::binary);
    const std::string crlf((std::istreambuf_iterator<char>(shipped)),
                           std::istreambuf_iterator<char>());
    ASSERT_NE(crlf.find("\r\n"), std::string::npos);
    std::string lf;
    for (char c : crlf) {
        if (c != '\r')
            lf += c;
    }
    const calc::Network a = calc::loadPatternFile(CALC_DATA_FILE);
    const calc::Network b = calc::loadPatternFile(write(lf));
    EXPECT_EQ(a.inPatterns, b.inPatterns);
    EXPECT_EQ(a.targets, b.targets);
}

TEST_F(CalcPatternFile, AByteOrderMarkAndLoneCarriageReturnsReadAsTheShippedFile)
{
    std::ifstream shipped(CALC_DATA_FILE, std::ios::binary);
    const std::string crlf((std::istreambuf_iterator<char>(shipped)),
                           std::istreambuf_iterator<char>());
    std::string cr; // as an old Macintosh editor saves it
    for (char c : crlf) {
        if (c != '\n')
            cr += c;
    }
    const calc::Network a = calc::loadPatternFile(CALC_DATA_FILE);
    for (const std::string &content : {"\xEF\xBB\xBF" + crlf, cr, "\xEF\xBB\xBF" + cr}) {
        const calc::Network b = calc::loadPatternFile(write(content));
        EXPECT_EQ(b.nPatterns, 16);
        EXPECT_EQ(a.inPatterns, b.inPatterns);
        EXPECT_EQ(a.targets, b.targets);
    }
}

TEST_F(CalcPatternFile, AHugeLineIsQuotedByItsFirstEightyCharacters)
{
    const std::string units
        = "1 2 3 4 5 6 7 1 2 3 4 5 6 7 1 2 3 4 5 6 7 1 2 3 4 5 6 7 1 2 3 4 5 6 7 1 2 3 4 5";
    std::string megabyteLine = units;
    while (megabyteLine.size() < (1 << 20))
        megabyteLine += " 1";
    const std::string path = write("1\n7\n16\n1," + megabyteLine + "\n");
    try {
        calc::loadPatternFile(path);
        FAIL() << "no fault";
    } catch (const Fault &fault) {
        const std::string message = fault.what();
        EXPECT_EQ(message,
                  "The pattern file \"" + path + "\", line 4: The list \""
                      + megabyteLine.substr(0, 80) + "...\" has more than ten items.");
    }
}

TEST_F(CalcPatternFile, ACountTooLargeForADoubleIsAFileFaultOfItsLine)
{
    const std::string digits(400, '9');
    for (const std::string &content :
         {digits + "\n7\n16\n", "1\n" + digits + "\n16\n", "1\n7\n16\n1," + digits + "\n"}) {
        try {
            calc::loadPatternFile(write(content));
            ADD_FAILURE() << "no fault";
        } catch (const Fault &fault) {
            const std::string message = fault.what();
            EXPECT_EQ(fault.kind(), Fault::Kind::File);
            EXPECT_NE(message.find("too large"), std::string::npos) << message;
            EXPECT_NE(message.find(digits.substr(0, 80) + "...\""), std::string::npos) << message;
            EXPECT_EQ(message.find(digits.substr(0, 81)), std::string::npos) << message;
        }
    }
}

TEST_F(CalcPatternFile, AFolderGivenAsTheFileIsNamedAsSuch)
{
    const std::string folder = std::filesystem::path(write("")).parent_path().string();
    try {
        calc::loadPatternFile(folder);
        FAIL() << "no fault";
    } catch (const Fault &fault) {
        EXPECT_EQ(fault.kind(), Fault::Kind::File);
        EXPECT_EQ(std::string(fault.what()),
                  "\"" + folder + "\" is a folder, not a file, and cannot be read.");
    }
}

// A file saved as UTF-16 (little-endian with its mark, big-endian without) is named as such,
// not read as a first line of 0.
TEST_F(CalcPatternFile, AUtf16FileIsRefusedAsNoPlainText)
{
    std::ifstream shipped(CALC_DATA_FILE, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(shipped)),
                           std::istreambuf_iterator<char>());
    std::string little = "\xFF\xFE", big;
    for (char c : text) {
        little += {c, '\0'};
        big += {'\0', c};
    }
    for (const std::string &content : {little, big}) {
        const std::string path = write(content);
        try {
            calc::loadPatternFile(path);
            ADD_FAILURE() << "no fault";
        } catch (const Fault &fault) {
            EXPECT_EQ(fault.kind(), Fault::Kind::File);
            EXPECT_EQ(std::string(fault.what()),
                      "The file \"" + path
                          + "\" is not a plain text file: it looks like UTF-16. Save it as plain "
                            "text (ASCII or UTF-8).");
        }
    }
}

TEST_F(CalcPatternFile, BlanksAroundInputAndTargetAndLinesAfterTheLast)
{
    const calc::Network net = calc::loadPatternFile(
        write("4\n7\n16\n3 6, 1 \n 1 2,2\n1 2 ,3 5\n1  4 5,4\nthis line is not read\n"));
    EXPECT_EQ(net.inPatterns[0], (UnitList {3, 6}));
    EXPECT_EQ(net.targets[0], (UnitList {1}));
    EXPECT_EQ(net.inPatterns[1], (UnitList {0, 1, 2}));
    EXPECT_EQ(net.inPatterns[2], (UnitList {1, 2, 0}));
    EXPECT_EQ(net.targets[2], (UnitList {3, 5}));
    EXPECT_EQ(net.inPatterns[3], (UnitList {1, 0, 4, 5}));
}

TEST_F(CalcPatternFile, FractionalCountsAndItemsRoundHalvesToEven)
{
    const calc::Network net
        = calc::loadPatternFile(write("3.5\n6.5\n3.4\n2.5 3.5,2.5\n1,1\n2,3\n"));
    EXPECT_EQ(net.nPatterns, 3.5);
    EXPECT_EQ(net.nInputs, 6);
    EXPECT_EQ(net.nOutputs, 3);
    // Patterns 1..3 are read; the fourth slot a count of 3.5 rounds to stays empty.
    ASSERT_EQ(net.inPatterns.size(), 4u);
    EXPECT_EQ(net.inPatterns[0], (UnitList {2, 4}));
    EXPECT_EQ(net.targets[0], (UnitList {2}));
    EXPECT_EQ(net.targets[2], (UnitList {3}));
    EXPECT_EQ(net.inPatterns[3], UnitList {});
    EXPECT_EQ(net.targets[3], UnitList {});
}

struct BadFileCase
{
    const char *name;
    const char *content;
    int line;
    const char *problem;
};

class CalcBadPatternFile : public CalcPatternFile, public testing::WithParamInterface<BadFileCase>
{
};

TEST_P(CalcBadPatternFile, IsAFileFaultNamingFileLineAndProblem)
{
    const std::string path = write(GetParam().content);
    try {
        calc::loadPatternFile(path);
        ADD_FAILURE() << "no fault";
    } catch (const Fault &fault) {
        const std::string message = fault.what();
        EXPECT_EQ(fault.kind(), Fault::Kind::File);
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find("line " + std::to_string(GetParam().line) + ":"), std::string::npos)
            << message;
        EXPECT_NE(message.find(GetParam().problem), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcBadPatternFile,
    testing::Values(
        BadFileCase {"EmptyFile", "", 1, "ends here"},
        BadFileCase {"NoSizes", "2\n7\n", 3, "ends here"},
        BadFileCase {"FewerPatternsThanAnnounced", "3\n7\n16\n1,1\n2,2\n", 6, "ends here"},
        BadFileCase {"NoComma", "2\n7\n16\n1,1\n2 2\n", 5, "no comma"},
        BadFileCase {"ElevenItems", "1\n7\n16\n1,1 2 3 4 5 6 7 8 9 10 11\n", 4, "more than ten"},
        BadFileCase {"TenInputUnits", "1\n7\n16\n1 2 3 4 5 6 7 1 2 3,1\n", 4, "ten units"},
        BadFileCase {"NoPatterns", "0\n7\n16\n", 1, "between 1 and 16"},
        BadFileCase {"CountIsNoNumber", "many\n7\n16\n", 1, "between 1 and 16"},
        BadFileCase {"SeventeenPatterns", "17\n7\n16\n", 1, "between 1 and 16"},
        BadFileCase {"JustAboveSixteenPatterns", "16.4\n7\n16\n", 1, "between 1 and 16"},
        BadFileCase {"EightInputs", "1\n8\n16\n1,1\n", 2, "between 1 and 7"},
        BadFileCase {"HugeInputCount", "1\n99999999\n16\n1,1\n", 2, "between 1 and 7"},
        BadFileCase {"NoOutputs", "1\n7\n0.5\n1,1\n", 3, "between 1 and 16"},
        BadFileCase {"InputUnitEight", "1\n7\n16\n1 8,1\n", 4, "input unit 8"},
        BadFileCase {"InputUnitBeyondASmallerNetwork", "1\n4\n16\n5,1\n", 4, "input unit 5"},
        BadFileCase {"NegativeInputUnit", "1\n7\n16\n-1,1\n", 4, "input unit -1"},
        BadFileCase {"OutputUnitSeventeen", "1\n7\n16\n1,17\n", 4, "output unit 17"},
        BadFileCase {"UnitBeyond16Bits", "1\n7\n16\n1,40000\n", 4, "too large"}),
    [](const auto &info) { return info.param.name; });

TEST_F(CalcPatternFile, MissingFileIsAFileFaultNamingIt)
{
    const std::string path = write("") + ".missing";
    try {
        calc::loadPatternFile(path);
        ADD_FAILURE() << "no fault";
    } catch (const Fault &fault) {
        EXPECT_EQ(fault.kind(), Fault::Kind::File);
        EXPECT_NE(std::string(fault.what()).find(path), std::string::npos);
    }
}

} // namespace
