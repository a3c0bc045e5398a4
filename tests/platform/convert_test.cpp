#include "platform/convert.h"
#include "platform/error.h"

#include <gtest/gtest.h>

#include <optional>

struct IntegerCase {
    const char* text;
    std::optional<int> value;
};

void PrintTo(const IntegerCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class IntegerConversion : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerConversion, ReadsOrFailsWithTheMessage)
{
    const QString text = QString::fromUtf8(GetParam().text);
    if (GetParam().value) {
        EXPECT_EQ(platform::toInteger(text), *GetParam().value);
        return;
    }
    try {
        platform::toInteger(text);
        FAIL() << GetParam().text;
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerConversion,
    ::testing::Values(IntegerCase{"0", 0}, IntegerCase{"976", 976}, IntegerCase{"  42", 42}, IntegerCase{"-17", -17},
                      IntegerCase{"+5", 5}, IntegerCase{"$1F", 31}, IntegerCase{"0x1f", 31}, IntegerCase{"-$10", -16},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", -2147483647 - 1},
                      IntegerCase{"", std::nullopt}, IntegerCase{"  ", std::nullopt}, IntegerCase{"12 ", std::nullopt},
                      IntegerCase{"1.5", std::nullopt}, IntegerCase{"abc", std::nullopt},
                      IntegerCase{"2147483648", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"- 1", std::nullopt},
                      IntegerCase{"\t1", 1}, IntegerCase{" \t 7", 7}, IntegerCase{"1\t", std::nullopt},
                      IntegerCase{"-\t1", std::nullopt}, IntegerCase{"$FFFFFFFFF", std::nullopt}));

struct BooleanCase {
    const char* text;
    std::optional<bool> value;
};

void PrintTo(const BooleanCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class BooleanConversion : public ::testing::TestWithParam<BooleanCase> {};

TEST_P(BooleanConversion, ReadsOrFailsWithTheMessage)
{
    const QString text = QString::fromUtf8(GetParam().text);
    if (GetParam().value) {
        EXPECT_EQ(platform::toBoolean(text), *GetParam().value);
        return;
    }
    try {
        platform::toBoolean(text);
        FAIL() << GetParam().text;
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid boolean value").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BooleanConversion,
                         ::testing::Values(BooleanCase{"True", true}, BooleanCase{"TRUE", true},
                                           BooleanCase{"1", true}, BooleanCase{"-1", true}, BooleanCase{"$A", true},
                                           BooleanCase{"False", false}, BooleanCase{"false", false},
                                           BooleanCase{"0", false}, BooleanCase{"yes", std::nullopt},
                                           BooleanCase{"", std::nullopt}, BooleanCase{" True", std::nullopt}));
