#include "files/NumberText.h"

#include <QString>

#include <gtest/gtest.h>

#include <clocale>

TEST(LeadingNumber, TakesTheNumberAtTheStartOfTheTextOrZero)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char16_t*, double> cases[] = {
        {u"250", 250}, {u"  250  ", 250}, {u"250ms", 250}, {u"1e3", 1000}, {u"1E+2x", 100}, {u"-12.5", -12.5},
        {u"+7", 7}, {u".5", 0.5}, {u"3.", 3},
        {u"12e", 12}, {u"12e-", 12}, // an exponent without digits is not part of the number
        {u"", 0}, {u"fast", 0}, {u"-", 0}, {u".", 0}, {u"inf", 0}, {u"nan", 0}, {u"&H10", 0},
        {u"0x10", 0}, // the 0 before the x
        {u"1e400", inf}, {u"-1e400", -inf}, {u"1e-400", 0}, {u"0.0001e-400", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingNumber(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(LeadingNumber, DoesNotDependOnTheProcessLocale)
{
    // Qt sets the C locale from the environment; a comma locale must not change "2.5".
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr && std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(leadingNumber(u"2.5"), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(RoundHalfEven, ExactHalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(4.5), 4);
    EXPECT_EQ(roundHalfEven(5.5), 6);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
    EXPECT_EQ(roundHalfEven(0.49), 0);
}

TEST(LeadingInt16, RoundsAndRefusesValuesOutsideSixteenBits)
{
    EXPECT_EQ(leadingInt16(u"32767"), 32767);
    EXPECT_EQ(leadingInt16(u"-32768"), -32768);
    EXPECT_EQ(leadingInt16(u"32767.4"), 32767);
    EXPECT_EQ(leadingInt16(u"32767.5"), std::nullopt);  // rounds to 32768
    EXPECT_EQ(leadingInt16(u"-32768.5"), -32768);       // rounds to the even -32768
    EXPECT_EQ(leadingInt16(u"32768"), std::nullopt);
    EXPECT_EQ(leadingInt16(u"1e9"), std::nullopt);
    EXPECT_EQ(leadingInt16(u"1e400"), std::nullopt);
    EXPECT_EQ(leadingInt16(u"word"), 0);
}

TEST(StrictNumbers, TakeAWholeLineThatIsOneNumberWithBlanksAround)
{
    EXPECT_EQ(strictInt16(u" 0 "), 0);
    EXPECT_EQ(strictInt16(u"1"), 1);
    EXPECT_EQ(strictInt16(u"\t-7\t"), -7);
    EXPECT_EQ(strictInt16(u"+12"), 12);
    EXPECT_EQ(strictInt16(u"2.5"), 2);
    EXPECT_EQ(strictInt16(u"1e2 "), 100);
    EXPECT_EQ(strictInt32(u" 120 "), 120);
    EXPECT_EQ(strictInt32(u"-5 "), -5);
}

TEST(StrictNumbers, RefuseTextThatIsNotExactlyOneNumber)
{
    for (const char16_t* text : {u"", u"   ", u"12a", u"1 2", u"a12", u"-", u".", u"1e", u"0x10", u"&H10", u"inf"}) {
        EXPECT_EQ(strictInt16(text), std::nullopt) << QString::fromUtf16(text).toStdString();
        EXPECT_EQ(strictInt32(text), std::nullopt) << QString::fromUtf16(text).toStdString();
    }
}

TEST(StrictNumbers, RefuseValuesOutsideTheirType)
{
    EXPECT_EQ(strictInt16(u"32767"), 32767);
    EXPECT_EQ(strictInt16(u"32768"), std::nullopt);
    EXPECT_EQ(strictInt16(u"-32769"), std::nullopt);
    EXPECT_EQ(strictInt32(u"2147483647"), 2147483647);
    EXPECT_EQ(strictInt32(u"-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(strictInt32(u"2147483648"), std::nullopt);
    EXPECT_EQ(strictInt32(u"2147483647.5"), std::nullopt);  // rounds to 2147483648
    EXPECT_EQ(strictInt32(u"1e400"), std::nullopt);
}
