// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/random.h"
#include "host/numbers/rounding.h"
#include "host/numbers/text_file.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <vector>

using host::Fault;

namespace {

template <typename Call> Fault::Kind faultKindOf(Call call)
{
    try {
        call();
    } catch (const Fault &fault) {
        return fault.kind();
    }
    ADD_FAILURE() << "no fault raised";
    return Fault::Kind::Invalid;
}

struct RoundingCase
{
    const char *name;
    double value;
    int expected;
};

class NearestInteger : public testing::TestWithParam<RoundingCase>
{
};

TEST_P(NearestInteger, RoundsHalvesToEven)
{
    EXPECT_EQ(host::nearestInt16(GetParam().value), GetParam().expected);
    EXPECT_EQ(host::nearestInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NearestInteger,
                         testing::Values(RoundingCase {"TwoAndAHalf", 2.5, 2},
                                         RoundingCase {"ThreeAndAHalf", 3.5, 4},
                                         RoundingCase {"TwelveAndAHalf", 12.5, 12},
                                         RoundingCase {"ThirteenAndAHalf", 13.5, 14},
                                         RoundingCase {"MinusTwoAndAHalf", -2.5, -2},
                                         RoundingCase {"Half", 0.5, 0},
                                         RoundingCase {"JustAboveHalf", 0.5000001, 1},
                                         RoundingCase {"SliderTwentyFiveTenths", 25 / 10.0, 2},
                                         RoundingCase {"SliderThirtyFiveTenths", 35 / 10.0, 4},
                                         RoundingCase {"TopOf16Bits", 32767.4, 32767},
                                         RoundingCase {"BottomOf16Bits", -32768.5, -32768}),
                         [](const auto &info) { return info.param.name; });

TEST(NearestIntegerFaults, OutOfRangeOrNaNIsAnOverflow)
{
    EXPECT_EQ(faultKindOf([] { host::nearestInt16(32767.5); }), Fault::Kind::Overflow);
    EXPECT_EQ(faultKindOf([] { host::nearestInt16(-32769); }), Fault::Kind::Overflow);
    EXPECT_EQ(faultKindOf([] { host::nearestInt16(std::nan("")); }), Fault::Kind::Overflow);
    EXPECT_EQ(faultKindOf([] { host::nearestInt32(3e9); }), Fault::Kind::Overflow);
    EXPECT_EQ(host::nearestInt32(40000.5), 40000);
}

TEST(IntAndMod, FloorAndRemainderWithDividendSign)
{
    EXPECT_EQ(host::floorValue(2.7), 2);
    EXPECT_EQ(host::floorValue(-0.5), -1);
    EXPECT_EQ(host::floorValue(23.999), 23);
    EXPECT_EQ(host::intToInt16(23.999), 23);
    EXPECT_EQ(host::intToInt16(-0.5), -1);
    EXPECT_EQ(faultKindOf([] { host::intToInt16(32768.2); }), Fault::Kind::Overflow);
    EXPECT_EQ(host::modulo(7, 3), 1);
    EXPECT_EQ(host::modulo(-7, 3), -1);
    EXPECT_EQ(host::modulo(7, -3), 1);
    EXPECT_EQ(host::modulo(std::numeric_limits<int32_t>::min(), -1), 0);
    EXPECT_EQ(faultKindOf([] { host::modulo(5, 0); }), Fault::Kind::DivisionByZero);
}

struct ValCase
{
    const char *name;
    const char *text;
    double expected;
};

class LeadingNumber : public testing::TestWithParam<ValCase>
{
};

TEST_P(LeadingNumber, ReadsTheLongestNumberPrefix)
{
    EXPECT_EQ(host::leadingNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, LeadingNumber,
    testing::Values(ValCase {"BlankThenSeven", " 7", 7}, ValCase {"PointTwo", "0.2", 0.2},
                    ValCase {"DigitsThenLetters", "12abc", 12},
                    ValCase {"NegativeHalfThenLetter", "-0.5x", -0.5},
                    ValCase {"LonePoint", ".", 0}, ValCase {"Empty", "", 0},
                    ValCase {"Letters", "abc", 0}, ValCase {"PointFive", ".5", 0.5},
                    ValCase {"TrailingPoint", "3.", 3}, ValCase {"LoneMinus", "-", 0},
                    ValCase {"SecondPointStops", "1.2.3", 1.2}),
    [](const auto &info) { return info.param.name; });

TEST(NumberBox, AnExponentOrADecimalCommaAfterTheNumberIsRefused)
{
    const host::NumberBox rate {"learning rate", "0.001"};
    for (const char *written : {"1e-3", " 1E3", "2e+1", "1.e5", "0,5", "-3,25", "7e0abc"}) {
        try {
            host::boxVal(written, rate);
            ADD_FAILURE() << written << " was read";
        } catch (const Fault &fault) {
            EXPECT_EQ(fault.kind(), Fault::Kind::NotANumber);
            EXPECT_STREQ(fault.what(),
                         "Write the learning rate as a plain decimal number, for example 0.001.");
        }
        EXPECT_EQ(faultKindOf([&] { host::boxValOrInfinity(written, rate); }),
                  Fault::Kind::NotANumber);
    }
    // Any other text after the number, or an e or a comma that no number follows, is left out
    // as by the leading-number rule; a text that begins with no number reads 0.
    for (auto [text, value] : {std::pair {"12abc", 12.0},
                               {"0.5e", 0.5},
                               {"3em", 3.0},
                               {"2, 3", 2.0},
                               {"4,x", 4.0},
                               {"e5", 0.0},
                               {",5", 0.0}})
        EXPECT_EQ(host::boxVal(text, rate), value) << text;
    EXPECT_EQ(host::boxValOrInfinity(std::string(400, '9'), rate),
              std::numeric_limits<double>::infinity());
}

TEST(TextToNumber, WholeTextMustBeANumber)
{
    EXPECT_EQ(host::toDouble(" 0.5 "), 0.5);
    EXPECT_EQ(host::toDouble("-3"), -3);
    EXPECT_EQ(host::toDouble("+2.5"), 2.5);
    EXPECT_EQ(host::toDouble("1e3"), 1000);
    EXPECT_EQ(host::toFloat("0.35"), 0.35f);
    EXPECT_EQ(host::toInt16("2.5"), 2);
    EXPECT_EQ(host::toInt16("3.5"), 4);
    for (const char *bad : {"", "   ", "abc", "12abc", "0,5", "inf", "nan", "--1", "1 2", "."})
        EXPECT_EQ(faultKindOf([bad] { host::toDouble(bad); }), Fault::Kind::NotANumber) << bad;
    EXPECT_EQ(faultKindOf([] { host::toInt16("40000"); }), Fault::Kind::Overflow);
    EXPECT_EQ(faultKindOf([] { host::toFloat("1e300"); }), Fault::Kind::Overflow);
    EXPECT_EQ(faultKindOf([] { host::toFloat("-3.5e38"); }), Fault::Kind::Overflow);
    // The shortest text of the largest float, a little above it, still reads as that float.
    EXPECT_EQ(host::toFloat("3.4028235e38"), std::numeric_limits<float>::max());
    EXPECT_EQ(faultKindOf([] { host::toDouble("1e999"); }), Fault::Kind::Overflow);
    EXPECT_EQ(host::toDouble("1e-999"), 0);
    const std::string tinyFraction = "00." + std::string(400, '0') + "1";
    EXPECT_EQ(host::toDouble(tinyFraction), 0);
    EXPECT_EQ(host::leadingNumber(tinyFraction), 0);
    EXPECT_EQ(host::toDouble(tinyFraction + "e+5"), 0);
    EXPECT_EQ(faultKindOf([] { host::toDouble("1" + std::string(400, '0') + "e-5"); }),
              Fault::Kind::Overflow);
}

TEST(LeadingNumberOverflow, ANumberBeyondADoubleIsAnOverflowFaultNeverInfinity)
{
    const std::string nines(309, '9');
    EXPECT_EQ(host::leadingNumber(nines.substr(1)), 1e308); // 308 digits still read
    for (const std::string &text :
         {nines, "  -" + nines + "abc", "+" + nines + ".5", "1" + std::string(400, '0')}) {
        try {
            const double value = host::leadingNumber(text);
            ADD_FAILURE() << "read as " << value;
        } catch (const Fault &fault) {
            EXPECT_EQ(fault.kind(), Fault::Kind::Overflow);
            const std::string message = fault.what();
            // The text is named, cut to 80 characters.
            const std::string end = "...\" is too large a number.";
            EXPECT_EQ(message.size(), 1 + 80 + end.size()) << message;
            EXPECT_EQ(message.substr(message.size() - end.size()), end);
        }
        // Where a range check follows, such a number is simply beyond every range.
        EXPECT_EQ(host::leadingNumberOrInfinity(text), std::numeric_limits<double>::infinity());
    }
    EXPECT_EQ(host::leadingNumberOrInfinity(" -2.5x"), -2.5);
    // A tiny number and a number of many digits after the point are no overflow.
    EXPECT_EQ(host::leadingNumber("0." + nines), 1);
    EXPECT_EQ(host::leadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(TextToNumber, MessagesQuoteAtMostEightyCharacters)
{
    try {
        host::toDouble(std::string(1 << 20, 'x'));
        FAIL();
    } catch (const Fault &fault) {
        EXPECT_EQ(std::string(fault.what()),
                  "\"" + std::string(80, 'x') + "...\" is not a number.");
    }
    EXPECT_EQ(host::quotedText(std::string(80, 'a')), "\"" + std::string(80, 'a') + "\"");
    // A cut never splits a character: 79 letters and a two-byte letter keep the letter whole
    // only when it fits.
    const std::string umlauts = std::string(79, 'a') + "\xC3\xBC" + "tail";
    EXPECT_EQ(host::quotedText(umlauts), "\"" + std::string(79, 'a') + "...\"");
}

TEST(DoubleToText, TheLargestDoublesReadBack)
{
    constexpr double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(host::doubleText(largest), "1.7976931348623157E+308");
    EXPECT_EQ(host::toDouble(host::doubleText(largest)), largest);
    EXPECT_EQ(host::toDouble(host::doubleText(-largest)), -largest);
    EXPECT_EQ(host::floatText(std::numeric_limits<float>::max()), "3.402823E+38");
    // The 10,000 doubles just below the largest: each text reads back as a finite number
    // within the rounding of its digits, and written again gives the same text; one with more
    // than 15 digits reads back exactly.
    double value = largest;
    for (int i = 0; i < 10000; ++i, value = std::nextafter(value, 0.0)) {
        const std::string text = host::doubleText(value);
        const double back = host::toDouble(text);
        EXPECT_LE(std::fabs(back - value), value * 1e-14) << text;
        EXPECT_EQ(host::doubleText(back), text);
        if (text.find('E') > std::string("1.").size() + 14) {
            EXPECT_EQ(back, value) << text;
        }
    }
    EXPECT_EQ(host::doubleText(1.7976931348623153e308), "1.7976931348623153E+308");
}

TEST(TextToNumber, FaultMessageNamesTheText)
{
    try {
        host::toDouble("abc");
        FAIL();
    } catch (const Fault &fault) {
        EXPECT_STREQ(fault.what(), "\"abc\" is not a number.");
    }
}

TEST(TextToNumber, GermanLocaleStillReadsAPoint)
{
    const char *previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
        GTEST_SKIP() << "no German locale installed (package locales-all)";
    EXPECT_EQ(host::toDouble("0.5"), 0.5);
    EXPECT_EQ(host::leadingNumber("0.5"), 0.5);
    EXPECT_EQ(host::floatText(0.5f), "0.5");
    EXPECT_EQ(faultKindOf([] { host::toDouble("0,5"); }), Fault::Kind::NotANumber);
    std::setlocale(LC_ALL, saved.c_str());
}

struct TextCase
{
    const char *name;
    double value;
    const char *expected;
};

class FloatToText : public testing::TestWithParam<TextCase>
{
};

TEST_P(FloatToText, ShortestWithSevenDigits)
{
    EXPECT_EQ(host::floatText(float(GetParam().value)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FloatToText,
    testing::Values(TextCase {"PointThreeFive", 0.35, "0.35"}, TextCase {"Hundred", 100, "100"},
                    TextCase {"PointThreeSeven", 0.37, "0.37"},
                    TextCase {"TwoThousandths", 0.002, "0.002"},
                    TextCase {"OneAndAHalf", 1.5, "1.5"}, TextCase {"Five", 5, "5"},
                    TextCase {"NegativeQuarter", -0.25, "-0.25"}, TextCase {"Zero", 0, "0"},
                    TextCase {"NegativeZero", -0.0, "0"}, TextCase {"TwentyTwo", 22, "22"},
                    TextCase {"HalfTurn", 1.5735011, "1.573501"},
                    TextCase {"TenMillion", 1e7, "1E+07"},
                    TextCase {"TenPointFour", 52 / 5.0, "10.4"}),
    [](const auto &info) { return info.param.name; });

TEST(DoubleToText, ShortestWithFifteenDigits)
{
    EXPECT_EQ(host::doubleText(1.0 / 500), "0.002");
    EXPECT_EQ(host::doubleText(0.1 + 0.2), "0.3");
    EXPECT_EQ(host::doubleText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(host::doubleText(-18), "-18");
    EXPECT_EQ(host::intText(22), "22");
    EXPECT_EQ(host::intText(-18), "-18");
    EXPECT_EQ(host::intText(0), "0");
}

TEST(PrintedNumber, SignPlaceAndWholeFormat)
{
    EXPECT_EQ(host::printed(host::intText(5)), " 5");
    EXPECT_EQ(host::printed(host::intText(-5)), "-5");
    EXPECT_EQ(host::printed(host::floatText(0.25f)), " 0.25");
    EXPECT_EQ(host::wholeNumberText(180), "180");
    EXPECT_EQ(host::wholeNumberText(0), "0");
    EXPECT_EQ(host::wholeNumberText(-0.2), "0");
    EXPECT_EQ(host::wholeNumberText(29.999999), "30");
    EXPECT_EQ(host::wholeNumberText(-30.4), "-30");
    for (double large : {1e70, -1.5e300, std::numeric_limits<double>::max()})
        EXPECT_EQ(host::toDouble(host::wholeNumberText(large)), large) << large;
}

// The state read back replays every draw and re-seed; an equal seed goes on with new numbers.
TEST(RandomSequence, StateReplaysAndAnEqualSeedContinues)
{
    const host::RandomState start = host::randomState();
    std::vector<float> first;
    for (int i = 0; i < 1000; ++i) {
        if (i % 100 == 0)
            host::reseed(1234.5);
        first.push_back(host::nextRandom());
    }
    host::setRandomState(start);
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (i % 100 == 0)
            host::reseed(1234.5);
        const float again = host::nextRandom();
        EXPECT_EQ(again, first[i]);
        EXPECT_GE(again, 0.0f);
        EXPECT_LT(again, 1.0f);
    }
    EXPECT_EQ(std::set<float>(first.begin(), first.end()).size(), first.size());
    host::setRandomState(start);
    host::reseed(1234.25);
    EXPECT_NE(host::nextRandom(), first[0]);
    host::setRandomState(start);
    host::reseed(-0.0);
    const float negativeZero = host::nextRandom();
    host::setRandomState(start);
    host::reseed(0.0);
    EXPECT_EQ(host::nextRandom(), negativeZero);
}

TEST(Clock, FrozenClockMakesReseedingReproducible)
{
    host::freezeClock(43200.25);
    EXPECT_EQ(host::clockSeconds(), 43200.25f);
    const host::RandomState start = host::randomState();
    host::reseed(host::clockSeconds());
    const float first = host::nextRandom();
    host::reseed(host::clockSeconds());
    EXPECT_NE(host::nextRandom(), first);
    host::setRandomState(start);
    host::reseed(host::clockSeconds());
    EXPECT_EQ(host::nextRandom(), first);
    host::thawClock();
    float now = host::clockSeconds();
    EXPECT_GE(now, 0.0f);
    EXPECT_LT(now, 86401.0f);
    EXPECT_EQ(host::dateTimeText().size(), 19u);
}

TEST(TextFile, ReadsLinesWithoutLineEnds)
{
    auto path = std::filesystem::temp_directory_path() / "neurosims_text_file_test.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "16\r\n7\n\r\nlast";
    }
    host::TextFileReader reader(path.string());
    std::vector<std::string> lines;
    while (auto line = reader.readLine())
        lines.push_back(*line);
    EXPECT_EQ(lines, (std::vector<std::string> {"16", "7", "", "last"}));
    EXPECT_EQ(reader.lineNumber(), 4);
    EXPECT_FALSE(reader.readLine());
    std::filesystem::remove(path);
    EXPECT_EQ(faultKindOf([&] { host::TextFileReader missing(path.string()); }), Fault::Kind::File);
}

TEST(TextFile, SkipsAByteOrderMarkAndEndsLinesAtALoneCarriageReturn)
{
    auto path = std::filesystem::temp_directory_path() / "neurosims_text_file_cr_test.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "\xEF\xBB\xBF"
            << "16\r7\r\r16\r\n1 2,3\n\xEF\xBB\xBFkept\r";
    }
    host::TextFileReader reader(path.string());
    std::vector<std::string> lines;
    while (auto line = reader.readLine())
        lines.push_back(*line);
    // Only a mark at the very start is skipped.
    EXPECT_EQ(lines, (std::vector<std::string> {"16", "7", "", "16", "1 2,3", "\xEF\xBB\xBFkept"}));
    {
        std::ofstream out(path, std::ios::binary);
        out << "\xEF\xBB";
    }
    host::TextFileReader shortFile(path.string());
    EXPECT_EQ(shortFile.readLine(), "\xEF\xBB"); // two bytes of a mark are text
    EXPECT_FALSE(shortFile.readLine());
    std::filesystem::remove(path);
}

TEST(TextFile, AFolderIsNamedAsSuch)
{
    const std::string folder = std::filesystem::temp_directory_path().string();
    try {
        host::TextFileReader reader(folder);
        FAIL() << "a folder was opened";
    } catch (const Fault &fault) {
        EXPECT_EQ(fault.kind(), Fault::Kind::File);
        EXPECT_EQ(std::string(fault.what()),
                  "\"" + folder + "\" is a folder, not a file, and cannot be read.");
    }
}

} // namespace
