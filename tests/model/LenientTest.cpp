#include "Lenient.h"
#include "ColourText.h"
#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <limits>

using namespace morvane;

TEST(Lenient, IntegerTakesTheLeadingNumber)
{
    EXPECT_EQ(Lenient::ToInteger("12a"), 12);
    EXPECT_EQ(Lenient::ToInteger("  -20"), -20);
    EXPECT_EQ(Lenient::ToInteger("+7px"), 7);
    EXPECT_EQ(Lenient::ToInteger("1200px"), 1200);
    EXPECT_EQ(Lenient::ToInteger("abc"), 0);
    EXPECT_EQ(Lenient::ToInteger(""), 0);
    EXPECT_EQ(Lenient::ToInteger("- 5"), 0);
    EXPECT_EQ(Lenient::ToInteger("3.9"), 3);
}

TEST(Lenient, HugeNumbersSaturateInsteadOfOverflowing)
{
    EXPECT_EQ(Lenient::ToInteger("99999999999"), 99999999999LL);
    EXPECT_EQ(Lenient::ToInteger("999999999999999999999999"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Lenient::ToInt("99999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(Lenient::ToInt("-99999999999"), std::numeric_limits<int>::min());
    EXPECT_EQ(Lenient::IntegerFromReal(1e300), std::numeric_limits<std::int64_t>::max());
}

TEST(Lenient, IntegersReachBothEndsOfTheirRange)
{
    constexpr auto lowest = std::numeric_limits<std::int64_t>::min();
    constexpr auto highest = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(Lenient::ToInteger("-9223372036854775808"), lowest);
    EXPECT_EQ(Lenient::ToInteger("-9223372036854775809"), lowest);
    EXPECT_EQ(Lenient::ToInteger("-99999999999999999999999x"), lowest);
    EXPECT_EQ(Lenient::ToInteger("-9223372036854775807"), lowest + 1);
    EXPECT_EQ(Lenient::ToInteger("9223372036854775807"), highest);
    EXPECT_EQ(Lenient::ToInteger("9223372036854775808"), highest);
    EXPECT_EQ(Lenient::ToInteger("-0"), 0);
    // The largest double below 2^63 fits and converts exactly.
    EXPECT_EQ(Lenient::IntegerFromReal(9223372036854774784.0), 9223372036854774784LL);
    EXPECT_EQ(Lenient::IntegerFromReal(-9223372036854774784.0), -9223372036854774784LL);
    EXPECT_EQ(Lenient::IntegerFromReal(-9223372036854775808.0), lowest);
}

TEST(Lenient, RealsTooLargeOrTooSmallForADouble)
{
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(Lenient::ToReal(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Lenient::ToReal("-" + huge + ".5"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Lenient::IntegerFromReal(Lenient::ToReal(huge)), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Lenient::ToReal("0." + std::string(400, '0') + "1"), 0.0);
}

// Qt's application object takes the user's locale; on a German desktop the C
// library then reads and writes "0,5".
TEST(Lenient, NumbersKeepTheirDecimalPointUnderACommaLocale)
{
    CommaLocale comma;
    ASSERT_TRUE(CommaLocale::Active());
    EXPECT_DOUBLE_EQ(Lenient::ToReal("510.5"), 510.5);
    EXPECT_DOUBLE_EQ(Lenient::ToReal("1,5"), 1.0);
    EXPECT_EQ(Lenient::NumberText(-0.5), "-0.5");
    EXPECT_EQ(Lenient::NumberText(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(Lenient::NumberText(12345678901234.0), "1.234567890123e+13");
}

TEST(Lenient, RealsAndCuttingTowardZero)
{
    EXPECT_DOUBLE_EQ(Lenient::ToReal(" 2.5s"), 2.5);
    EXPECT_DOUBLE_EQ(Lenient::ToReal("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(Lenient::ToReal("1e5"), 1.0); // no exponents
    EXPECT_DOUBLE_EQ(Lenient::ToReal("inf"), 0.0);
    EXPECT_EQ(Lenient::IntegerFromReal(-2.7), -2);
    EXPECT_EQ(Lenient::IntegerFromReal(2.7), 2);
}

TEST(Lenient, NumberTextIsShortestGeneralFormWithThirteenDigits)
{
    EXPECT_EQ(Lenient::NumberText(-485), "-485");
    EXPECT_EQ(Lenient::NumberText(-0.5), "-0.5");
    EXPECT_EQ(Lenient::NumberText(950), "950");
    EXPECT_EQ(Lenient::NumberText(Lenient::ToReal("950")), "950");
    EXPECT_EQ(Lenient::NumberText(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(Lenient::NumberText(12345678901234.0), "1.234567890123e+13");
}

TEST(ColourText, TwoUpperCaseDigitsPerChannel)
{
    EXPECT_EQ(ColourText::FromRgb(0, 0, 255), "#0000FF");
    EXPECT_EQ(ColourText::FromRgb(255, 128, 0), "#FF8000");
    EXPECT_EQ(ColourText::FromRgb(18, 5, 171), "#1205AB");
}
