#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <QLocale>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <set>
#include <string>

using Platform::ErrorKind;
using Platform::RuntimeError;

// Lets GoogleTest show texts in its failure messages.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

template<typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

template<typename Call>
void expectError(ErrorKind kind, Call call)
{
    try {
        call();
        ADD_FAILURE() << "no run-time error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), kind) << error.what();
    }
}

// Switches the default locale, which stands for the user's number settings,
// and puts the previous one back afterwards.
class LocaleTest
{
protected:
    static void useLocale(QLocale::Language language, QLocale::Country country)
    {
        QLocale::setDefault(QLocale(language, country));
    }
    static void usePoint() { useLocale(QLocale::English, QLocale::UnitedStates); }
    static void useComma() { useLocale(QLocale::German, QLocale::Germany); }

public:
    ~LocaleTest() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

struct ValRow
{
    std::string name;
    const char16_t* text;
    double expected;
    friend void PrintTo(const ValRow& row, std::ostream* out) { *out << row.name; }
};

class ValReads : public testing::TestWithParam<ValRow>
{
};

TEST_P(ValReads, LeadingNumber)
{
    const ValRow& row = GetParam();
    const double value = Platform::Val(QStringView(row.text));
    EXPECT_EQ(value, row.expected);
    EXPECT_FALSE(std::signbit(value) && value == 0.0) << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ValReads,
    testing::Values(
        ValRow{"BlanksSignExponentThenLetters", u"  -1.5e2xyz", -150.0},
        ValRow{"CommaStopsTheNumber", u"2,5", 2.0}, ValRow{"PointWithDecimals", u"2.5", 2.5},
        ValRow{"HexFF", u"&HFF", 255.0}, ValRow{"HexLowerCase", u"&hff", 255.0},
        ValRow{"HexFFFFIsIntegerMinusOne", u"&HFFFF", -1.0},
        ValRow{"Hex8000IsSmallestInteger", u"&H8000", -32768.0},
        ValRow{"HexBeyond16BitsIsLong", u"&H10000", 65536.0},
        ValRow{"HexFFFFFFFFIsLongMinusOne", u"&HFFFFFFFF", -1.0},
        ValRow{"HexLeadingZerosKeepInteger", u"&H0000FFFF", -1.0},
        ValRow{"HexStopsAtNonDigit", u"&H1G", 1.0}, ValRow{"HexWithoutDigits", u"&H", 0.0},
        ValRow{"Octal17", u"&O17", 15.0}, ValRow{"OctalLowerCase", u"&o17", 15.0},
        ValRow{"Octal177777IsIntegerMinusOne", u"&O177777", -1.0},
        ValRow{"OctalBeyond16BitsIsLong", u"&O200000", 65536.0},
        ValRow{"Octal37777777777IsLongMinusOne", u"&O37777777777", -1.0},
        ValRow{"OctalStopsAtEight", u"&O78", 7.0}, ValRow{"AmpersandAlone", u"&", 0.0},
        ValRow{"AmpersandUnknownRadix", u"&X1", 0.0}, ValRow{"DExponent", u"1D3", 1000.0},
        ValRow{"LowerCaseDExponent", u"1d3", 1000.0}, ValRow{"NegativeExponent", u"2.5E-2", 0.025},
        ValRow{"PlusExponent", u"1e+2", 100.0}, ValRow{"Empty", u"", 0.0},
        ValRow{"Letters", u"abc", 0.0}, ValRow{"TabsAndLineFeeds", u"\t\n 7", 7.0},
        ValRow{"CarriageReturn", u"\r\n8", 8.0}, ValRow{"BlanksInsideDigits", u"1 2", 12.0},
        ValRow{"BlanksEverywhere", u" - 1 . 5 e 1 ", -15.0},
        ValRow{"BlanksInsideHex", u"&H F F", 255.0}, ValRow{"PointFirst", u".5", 0.5},
        ValRow{"NegativePointFirst", u"-.5", -0.5}, ValRow{"TrailingPoint", u"5.", 5.0},
        ValRow{"SecondPointStops", u"1.2.3", 1.2}, ValRow{"ExponentWithoutDigits", u"1e", 1.0},
        ValRow{"ExponentSignWithoutDigits", u"1e+", 1.0}, ValRow{"ExponentThenLetter", u"1ex", 1.0},
        ValRow{"PlusSign", u"+3", 3.0}, ValRow{"SignAlone", u"-", 0.0},
        ValRow{"TwoSigns", u"--3", 0.0}, ValRow{"PointAlone", u".", 0.0},
        ValRow{"ExponentWithoutMantissa", u"e5", 0.0}, ValRow{"NegativeZero", u"-0", 0.0},
        ValRow{"ZeroWithHugeExponent", u"0e999999", 0.0},
        ValRow{"FullWidthDigitIsNoDigit", u"\uFF11", 0.0},
        ValRow{"ExactlyRoundedTenth", u"0.1", 0.1},
        ValRow{"MoreDigitsThanADouble", u"123456789012345678901", 123456789012345678901.0},
        ValRow{"LargestDouble", u"1.7976931348623157e308", DBL_MAX},
        ValRow{"SmallestSubnormal", u"4.9406564584124654e-324", 4.9406564584124654e-324},
        ValRow{"UnderflowGivesZero", u"1e-400", 0.0},
        ValRow{"ManyZerosThenDigit", u"0.000000000000000000000000000001e30", 1.0}),
    rowName<ValRow>);

struct OverflowRow
{
    std::string name;
    std::u16string text;
    friend void PrintTo(const OverflowRow& row, std::ostream* out) { *out << row.name; }
};

class ValOverflows : public testing::TestWithParam<OverflowRow>
{
};

TEST_P(ValOverflows, BeyondTheRange)
{
    expectError(ErrorKind::Overflow, [] { Platform::Val(GetParam().text); });
}

INSTANTIATE_TEST_SUITE_P(Grammar, ValOverflows,
                         testing::Values(OverflowRow{"ExponentBeyondDouble", u"1e309"},
                                         OverflowRow{"NegativeBeyondDouble", u"-1e309"},
                                         OverflowRow{"JustAboveLargest", u"1.7976931348623159e308"},
                                         OverflowRow{"HugeExponent", u"1e99999999999999999999"},
                                         OverflowRow{"ManyDigits", std::u16string(400, u'9')},
                                         OverflowRow{"HexBeyond32Bits", u"&H100000000"},
                                         OverflowRow{"OctalBeyond32Bits", u"&O40000000000"}),
                         rowName<OverflowRow>);

class ValUnderDecimalComma : public testing::Test, protected LocaleTest
{
};

TEST_F(ValUnderDecimalComma, PointStaysTheOnlySeparator)
{
    useComma();
    EXPECT_EQ(Platform::Val(u"2,5"), 2.0);
    EXPECT_EQ(Platform::Val(u"2.5"), 2.5);
}

struct CLngRow
{
    std::string name;
    double value;
    std::int32_t expected;
    friend void PrintTo(const CLngRow& row, std::ostream* out) { *out << row.name; }
};

class CLngRounds : public testing::TestWithParam<CLngRow>
{
};

TEST_P(CLngRounds, HalvesToEven)
{
    EXPECT_EQ(Platform::CLng(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, CLngRounds,
    testing::Values(CLngRow{"TwoAndAHalfDown", 2.5, 2}, CLngRow{"ThreeAndAHalfUp", 3.5, 4},
                    CLngRow{"MinusTwoAndAHalf", -2.5, -2}, CLngRow{"MinusThreeAndAHalf", -3.5, -4},
                    CLngRow{"HalfToZero", 0.5, 0}, CLngRow{"OneAndAHalf", 1.5, 2},
                    CLngRow{"JustBelowAHalf", 0.49999999999999994, 0},
                    CLngRow{"NegativeJustBelowAHalf", -0.49999999999999994, 0},
                    CLngRow{"NegativeJustAboveAHalf", -0.5000000000000001, -1},
                    CLngRow{"TinyNegative", -1e-20, 0}, CLngRow{"BelowHalf", 1.4, 1},
                    CLngRow{"AboveHalfNegative", -1.6, -2},
                    CLngRow{"UpperBound", 2147483647.49, 2147483647},
                    CLngRow{"LowerBoundHalfGoesToEven", -2147483648.5, -2147483648},
                    CLngRow{"LowerBoundAboveHalf", -2147483648.49, -2147483648}),
    rowName<CLngRow>);

struct CLngOverflowRow
{
    std::string name;
    double value;
    friend void PrintTo(const CLngOverflowRow& row, std::ostream* out) { *out << row.name; }
};

class CLngOverflows : public testing::TestWithParam<CLngOverflowRow>
{
};

TEST_P(CLngOverflows, OutsideLong)
{
    expectError(ErrorKind::Overflow, [] { Platform::CLng(GetParam().value); });
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, CLngOverflows,
    testing::Values(CLngOverflowRow{"UpperHalfRoundsOut", 2147483647.5},
                    CLngOverflowRow{"JustAboveUpper", 2147483648.0},
                    CLngOverflowRow{"LowerBeyondHalf", -2147483648.51},
                    CLngOverflowRow{"Large", 1e10},
                    CLngOverflowRow{"NotANumber", std::numeric_limits<double>::quiet_NaN()},
                    CLngOverflowRow{"Infinity", std::numeric_limits<double>::infinity()},
                    CLngOverflowRow{"MinusInfinity", -std::numeric_limits<double>::infinity()}),
    rowName<CLngOverflowRow>);

TEST(Int, RoundsDown)
{
    EXPECT_EQ(Platform::Int(-2.5), -3.0);
    EXPECT_EQ(Platform::Int(2.5), 2.0);
    EXPECT_EQ(Platform::Int(-3.0), -3.0);
    EXPECT_EQ(Platform::Int(0.9999), 0.0);
    EXPECT_EQ(Platform::Int(-0.0001), -1.0);
    EXPECT_EQ(Platform::Int(1e300), 1e300);
}

struct FormatRow
{
    std::string name;
    double value;
    std::u16string_view pattern; // empty: the general number
    std::u16string_view withPoint;
    std::u16string_view withComma;
    friend void PrintTo(const FormatRow& row, std::ostream* out) { *out << row.name; }
};

QString format(const FormatRow& row)
{
    const QChar separator = Platform::DecimalSeparator();
    return row.pattern.empty() ? Platform::Format(row.value, separator)
                               : Platform::Format(row.value, QStringView(row.pattern), separator);
}

class FormatWrites : public testing::TestWithParam<FormatRow>, protected LocaleTest
{
};

TEST_P(FormatWrites, WithDecimalPoint)
{
    usePoint();
    EXPECT_EQ(format(GetParam()), QStringView(GetParam().withPoint).toString());
}

TEST_P(FormatWrites, WithDecimalComma)
{
    useComma();
    EXPECT_EQ(format(GetParam()), QStringView(GetParam().withComma).toString());
}

INSTANTIATE_TEST_SUITE_P(
    GeneralNumber, FormatWrites,
    testing::Values(
        FormatRow{"Whole", 2.0, u"", u"2", u"2"}, FormatRow{"OneDecimal", 4.5, u"", u"4.5", u"4,5"},
        FormatRow{"TwoDecimals", 1.25, u"", u"1.25", u"1,25"},
        FormatRow{"SumOfTenths", 0.1 + 0.2, u"", u"0.3", u"0,3"},
        FormatRow{"Negative", -4.5, u"", u"-4.5", u"-4,5"}, FormatRow{"Zero", 0.0, u"", u"0", u"0"},
        FormatRow{"NegativeZero", -0.0, u"", u"0", u"0"},
        FormatRow{"WholeKeepsItsZeros", 100.0, u"", u"100", u"100"},
        FormatRow{"ShortestNotBinary", 4.35, u"", u"4.35", u"4,35"},
        FormatRow{"Third", 1.0 / 3.0, u"", u"0.333333333333333", u"0,333333333333333"},
        FormatRow{"TwoThirdsRoundUp", 2.0 / 3.0, u"", u"0.666666666666667", u"0,666666666666667"},
        FormatRow{"LargestLong", 2147483647.0, u"", u"2147483647", u"2147483647"},
        FormatRow{"FifteenDigitsWhole", 123456789012345.0, u"", u"123456789012345",
                  u"123456789012345"},
        FormatRow{"SixteenDigitsNeedExponent", 1234567890123456.0, u"", u"1.23456789012346E+15",
                  u"1,23456789012346E+15"},
        FormatRow{"RoundsUpIntoExponent", 999999999999999.9, u"", u"1E+15", u"1E+15"},
        FormatRow{"LargePower", 1e20, u"", u"1E+20", u"1E+20"},
        FormatRow{"ThreeDigitExponent", 1.5e300, u"", u"1.5E+300", u"1,5E+300"},
        FormatRow{"LargestDouble", DBL_MAX, u"", u"1.79769313486232E+308",
                  u"1,79769313486232E+308"},
        FormatRow{"SmallestFixed", 0.0001, u"", u"0.0001", u"0,0001"},
        FormatRow{"SmallFixedDigits", 0.000123, u"", u"0.000123", u"0,000123"},
        FormatRow{"SmallNeedsExponent", 0.00001, u"", u"1E-05", u"1E-05"},
        FormatRow{"SmallWithDecimals", 1.5e-7, u"", u"1.5E-07", u"1,5E-07"},
        FormatRow{"NegativeSmall", -1e-5, u"", u"-1E-05", u"-1E-05"}),
    rowName<FormatRow>);

INSTANTIATE_TEST_SUITE_P(
    ThreeDecimals, FormatWrites,
    testing::Values(FormatRow{"Half", 2.5, u"0.000", u"2.500", u"2,500"},
                    FormatRow{"Zero", 0.0, u"0.000", u"0.000", u"0,000"},
                    FormatRow{"Rounded", 12.3456, u"0.000", u"12.346", u"12,346"},
                    FormatRow{"Thirds", 2.0 / 3.0, u"0.000", u"0.667", u"0,667"},
                    FormatRow{"ExactHalfAwayFromZero", 0.0625, u"0.000", u"0.063", u"0,063"},
                    FormatRow{"NegativeExactHalf", -0.0625, u"0.000", u"-0.063", u"-0,063"},
                    FormatRow{"BinaryBelowHalf", 1.0005, u"0.000", u"1.000", u"1,000"},
                    FormatRow{"BinaryAboveHalf", 1.0015, u"0.000", u"1.002", u"1,002"},
                    FormatRow{"CarryIntoWhole", 0.9996, u"0.000", u"1.000", u"1,000"},
                    FormatRow{"TinyNegativeLosesSign", -0.0001, u"0.000", u"0.000", u"0,000"},
                    FormatRow{"FourWholeDigits", 1234.5, u"0.000", u"1234.500", u"1234,500"}),
    rowName<FormatRow>);

INSTANTIATE_TEST_SUITE_P(
    FrameExponent, FormatWrites,
    testing::Values(FormatRow{"Padded", 2.5, u"000.000", u"002.500", u"002,500"},
                    FormatRow{"PaddedRounded", 12.3456, u"000.000", u"012.346", u"012,346"},
                    FormatRow{"FourWholeDigits", 1234.5, u"000.000", u"1234.500", u"1234,500"},
                    FormatRow{"One", 1.0, u"000.000", u"001.000", u"001,000"},
                    FormatRow{"NearOneRendered", 1.0001, u"000.000", u"001.000", u"001,000"},
                    FormatRow{"CarryToFourDigits", 999.9996, u"000.000", u"1000.000", u"1000,000"},
                    FormatRow{"HalfThousandthAboveHalf", 0.0005, u"000.000", u"000.001",
                              u"000,001"}),
    rowName<FormatRow>);

INSTANTIATE_TEST_SUITE_P(VersionText, FormatWrites,
                         testing::Values(FormatRow{"MajorOne", 1.0, u"0.", u"1.", u"1,"},
                                         FormatRow{"MajorZero", 0.0, u"0.", u"0.", u"0,"},
                                         FormatRow{"MajorTwelve", 12.0, u"0.", u"12.", u"12,"},
                                         FormatRow{"MajorRoundsHalfUp", 2.5, u"0.", u"3.", u"3,"},
                                         FormatRow{"MinorZero", 0.0, u"00", u"00", u"00"},
                                         FormatRow{"MinorFive", 5.0, u"00", u"05", u"05"},
                                         FormatRow{"MinorTwelve", 12.0, u"00", u"12", u"12"},
                                         FormatRow{"MinorThreeDigits", 123.0, u"00", u"123",
                                                   u"123"},
                                         FormatRow{"MinorRoundsHalfUp", 9.5, u"00", u"10", u"10"},
                                         FormatRow{"MinorNegative", -5.0, u"00", u"-05", u"-05"}),
                         rowName<FormatRow>);

struct PatternRow
{
    std::string name;
    std::u16string_view pattern;
    friend void PrintTo(const PatternRow& row, std::ostream* out) { *out << row.name; }
};

class FormatRefuses : public testing::TestWithParam<PatternRow>
{
};

TEST_P(FormatRefuses, OtherPatterns)
{
    expectError(ErrorKind::InvalidArgument,
                [] { Platform::Format(1.0, QStringView(GetParam().pattern), u'.'); });
}

INSTANTIATE_TEST_SUITE_P(Patterns, FormatRefuses,
                         testing::Values(PatternRow{"TwoDecimals", u"0.00"},
                                         PatternRow{"Empty", u""}, PatternRow{"Hash", u"#"},
                                         PatternRow{"CommaPattern", u"0,000"},
                                         PatternRow{"TrailingBlank", u"00 "}),
                         rowName<PatternRow>);

TEST(FormatNonFinite, Overflows)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    expectError(ErrorKind::Overflow, [&] { Platform::Format(infinity, u'.'); });
    expectError(ErrorKind::Overflow, [&] { Platform::Format(nan, u'.'); });
    expectError(ErrorKind::Overflow, [&] { Platform::Format(-infinity, u"000.000", u'.'); });
}

class DecimalSeparatorFollowsLocale : public testing::Test, protected LocaleTest
{
};

TEST_F(DecimalSeparatorFollowsLocale, PointAndComma)
{
    usePoint();
    EXPECT_EQ(Platform::DecimalSeparator(), QChar(u'.'));
    useComma();
    EXPECT_EQ(Platform::DecimalSeparator(), QChar(u','));
}

struct RightRow
{
    std::string name;
    const char16_t* text;
    qsizetype n;
    const char16_t* expected;
    friend void PrintTo(const RightRow& row, std::ostream* out) { *out << row.name; }
};

class RightTakes : public testing::TestWithParam<RightRow>
{
};

TEST_P(RightTakes, LastCharacters)
{
    const RightRow& row = GetParam();
    EXPECT_EQ(Platform::Right(QString::fromUtf16(row.text), row.n),
              QString::fromUtf16(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Text, RightTakes,
                         testing::Values(RightRow{"LastOne", u"abc", 1, u"c"},
                                         RightRow{"None", u"abc", 0, u""},
                                         RightRow{"LongerThanText", u"abc", 5, u"abc"},
                                         RightRow{"EmptyText", u"", 1, u""},
                                         RightRow{"TrailingSlash", u"/home/x/", 1, u"/"}),
                         rowName<RightRow>);

TEST(Right, NegativeLengthIsInvalid)
{
    expectError(ErrorKind::InvalidArgument, [] { Platform::Right(QStringLiteral("abc"), -1); });
}

TEST(RuntimeErrorText, EachKindReadsDifferentlyAndKeepsDetail)
{
    const ErrorKind kinds[] = {ErrorKind::Overflow,        ErrorKind::DivisionByZero,
                               ErrorKind::InvalidArgument, ErrorKind::FileNotFound,
                               ErrorKind::PathNotWritable, ErrorKind::InvalidPropertyValue};
    std::set<std::string> messages;
    for (const ErrorKind kind : kinds) {
        const RuntimeError error(kind, QStringLiteral("/tmp/frame.bmp"));
        const std::string message = error.what();
        EXPECT_EQ(error.kind(), kind);
        EXPECT_NE(message.find("/tmp/frame.bmp"), std::string::npos) << message;
        messages.insert(message);
    }
    EXPECT_EQ(messages.size(), std::size(kinds));
    EXPECT_STRNE(RuntimeError(ErrorKind::Overflow).what(), "");
}

} // namespace
