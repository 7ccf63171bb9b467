#include "swf/script/Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using swf::script::NumberToString;
using swf::script::PrimitiveToNumber;
using swf::script::PrimitiveToString;
using swf::script::StringToNumber;
using swf::script::ToBoolean;
using swf::script::Value;

TEST(ScriptValue, NumbersPrintWithFifteenDigitsAndThePluginsExponents) {
    struct Case {
        double Number;
        const char* Text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-42.5, "-42.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {123456789012345, "123456789012345"},
        {1e15, "1e+15"},
        {8.64e15, "8.64e+15"},
        {1e21, "1e+21"},
        {0.0001, "0.0001"},
        {0.00001, "1e-5"},
        {5.4e-6, "5.4e-6"},
        {std::numeric_limits<double>::max(), "1.79769313486232e+308"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {std::numeric_limits<double>::infinity(), "Infinity"},
        {-std::numeric_limits<double>::infinity(), "-Infinity"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberToString(c.Number), c.Text) << c.Text;
    EXPECT_EQ(NumberToString(255, 16), "ff");
    EXPECT_EQ(NumberToString(-8, 2), "-1000");
}

TEST(ScriptValue, StringsReadAsNumbersByTheMoviesVersion) {
    // SWF 4 reads a leading number and takes 0 for none.
    EXPECT_EQ(StringToNumber("150a", 4), 150);
    EXPECT_EQ(StringToNumber("abc", 4), 0);
    EXPECT_EQ(StringToNumber("0x96", 4), 0);
    // Later versions want the whole text to be a number.
    EXPECT_TRUE(std::isnan(StringToNumber("150a", 5)));
    EXPECT_TRUE(std::isnan(StringToNumber("", 7)));
    // White space may lead, never trail.
    EXPECT_EQ(StringToNumber(" \t 12.5", 7), 12.5);
    EXPECT_TRUE(std::isnan(StringToNumber("\r12\r", 7)));
    EXPECT_TRUE(std::isnan(StringToNumber("  5  ", 7)));
    EXPECT_EQ(StringToNumber("-1e3", 7), -1000);
    // Hexadecimal and octal text from SWF 6 on.
    EXPECT_TRUE(std::isnan(StringToNumber("0x10", 5)));
    EXPECT_EQ(StringToNumber("0x10", 6), 16);
    EXPECT_EQ(StringToNumber("010", 5), 10);
    EXPECT_EQ(StringToNumber("010", 6), 8);
    EXPECT_EQ(StringToNumber("019", 6), 19);
    // Both read as 32-bit integers.
    EXPECT_EQ(StringToNumber("037777777777", 7), -1);
    EXPECT_EQ(StringToNumber("-037777777777", 7), 1);
    EXPECT_EQ(StringToNumber(" -010", 7), -10); // not octal after white space
    EXPECT_EQ(StringToNumber("0x1999999981ffffff", 7), -2113929217);
    // Words strtod would take are no numbers to the plug-in.
    EXPECT_TRUE(std::isnan(StringToNumber("Infinity", 8)));
    EXPECT_TRUE(std::isnan(StringToNumber("nan", 8)));
}

TEST(ScriptValue, UndefinedAndNullChangeMeaningInSwf7) {
    EXPECT_EQ(PrimitiveToNumber(Value(), 6), 0);
    EXPECT_TRUE(std::isnan(PrimitiveToNumber(Value(), 7)));
    EXPECT_EQ(PrimitiveToNumber(Value::Null(), 6), 0);
    EXPECT_EQ(PrimitiveToString(Value(), 6), "");
    EXPECT_EQ(PrimitiveToString(Value(), 7), "undefined");
    EXPECT_EQ(PrimitiveToString(Value::Null(), 6), "null");
    EXPECT_EQ(PrimitiveToString(Value(true), 6), "true");
}

TEST(ScriptValue, StringsAreTrueByNumberBeforeSwf7AndByLengthAfter) {
    EXPECT_FALSE(ToBoolean(Value("abc"), 6));
    EXPECT_TRUE(ToBoolean(Value("2"), 6));
    EXPECT_TRUE(ToBoolean(Value("abc"), 7));
    EXPECT_FALSE(ToBoolean(Value(""), 7));
    EXPECT_FALSE(ToBoolean(Value(std::nan("")), 7));
    EXPECT_FALSE(ToBoolean(Value::Null(), 7));
}

} // namespace
