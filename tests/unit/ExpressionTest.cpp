#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "../TestNames.h"
#include "CvCatalogues.h"
#include "CvExpression.h"
#include "CvOptionList.h"
#include "CvSNMPVarList.h"
#include "TestSupport.h"

namespace {

// ---- EvaluateNumber -----------------------------------------------------------

struct NumberCase {
    const char* Expr;
    double Expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << '"' << c.Expr << '"';
}

class EvaluateNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(EvaluateNumberTest, Computes) {
    EXPECT_DOUBLE_EQ(EvaluateNumber(GetParam().Expr), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Exprs, EvaluateNumberTest,
    ::testing::Values(NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{" 42 ", 42},
                      NumberCase{"3.5x+1", 4.5}, NumberCase{"-5", -5}, NumberCase{"1+2", 3},
                      // Chains split at the first operator associate to the right.
                      NumberCase{"10-2-3", 11}, NumberCase{"8/2/2", 8}, NumberCase{"2*3+4", 10},
                      NumberCase{"2+3*4", 14}, NumberCase{"2*3*4", 24}, NumberCase{"12/3", 4},
                      NumberCase{"(1+2)*3", 9}, NumberCase{"((2))", 2},
                      NumberCase{"(1+(2*3))*2", 14}, NumberCase{"10-(2-3)", 11},
                      NumberCase{"(10-2)-3", 5},
                      // A group's value is one operand, whatever its sign or size.
                      NumberCase{"2*(1-3)", -4}, NumberCase{"(1/100000)*100000", 1},
                      NumberCase{"(1e10*1e10)+1", 1e20}, NumberCase{"(0-2)*(0-3)", 6},
                      // An unmatched first "(" leaves the text to the operators.
                      NumberCase{"(1+2", 2}, NumberCase{"(1+(2+3)", 5}, NumberCase{")1+2(", 2},
                      NumberCase{"3(2)", 32}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

TEST(EvaluateNumberTest, NowIsTheCurrentDateTime) {
    // Days since 30 December 1899: 36526 is 1 January 2000.
    EXPECT_GT(EvaluateNumber("NOW"), 36526);
    EXPECT_GT(EvaluateNumber(" now "), 36526);
    EXPECT_NEAR(EvaluateNumber("(NOW)-NoW"), 0, 0.001);
    EXPECT_EQ(EvaluateNumber("NOWX"), 0);
}

TEST(EvaluateNumberTest, LongAndDeepTextsFinish) {
    std::string chain = "1";
    for (int i = 0; i < 3000; ++i) {
        chain += "+1";
    }
    EXPECT_EQ(EvaluateNumber(chain), 3001);
    EXPECT_EQ(EvaluateNumber(std::string(5000, '(') + "7" + std::string(5000, ')')), 7);
    EXPECT_EQ(EvaluateNumber(std::string(5000, '(') + "7"), 0);
}

// ---- EvaluateCondition --------------------------------------------------------

struct ConditionCase {
    const char* Expr;
    std::optional<bool> Expected;  // none: bad logic operand
};

void PrintTo(const ConditionCase& c, std::ostream* os) {
    *os << '"' << c.Expr << '"';
}

class EvaluateConditionTest : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(EvaluateConditionTest, Decides) {
    const ConditionCase& c = GetParam();
    if (c.Expected) {
        EXPECT_EQ(EvaluateCondition(c.Expr), *c.Expected);
    } else {
        EXPECT_CV_CODE(EvaluateCondition(c.Expr), kErrBadLogicOperand);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, EvaluateConditionTest,
    ::testing::Values(ConditionCase{"TRUE", true}, ConditionCase{" false ", false},
                      ConditionCase{"", true}, ConditionCase{"  ", true},
                      ConditionCase{"abc", std::nullopt}, ConditionCase{"1", std::nullopt},
                      ConditionCase{"\"true\"", std::nullopt},
                      ConditionCase{"(true", std::nullopt}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

INSTANTIATE_TEST_SUITE_P(
    Comparisons, EvaluateConditionTest,
    ::testing::Values(ConditionCase{"10<9", true}, ConditionCase{"9 > 10", true},
                      ConditionCase{"abc=abc", true}, ConditionCase{"abc = ABC", false},
                      ConditionCase{"abc<>abd", true}, ConditionCase{"a>=a", true},
                      ConditionCase{"a<=b", true}, ConditionCase{"b<=a", false},
                      ConditionCase{"\"abc\" = abc", true}, ConditionCase{"x = \" x\"", false},
                      ConditionCase{"= ", true}, ConditionCase{"NOW > 1", true}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

INSTANTIATE_TEST_SUITE_P(
    Quoting, EvaluateConditionTest,
    ::testing::Values(ConditionCase{"\"a|b&c\" <> x", true}, ConditionCase{"x = \"a|b\"", false},
                      ConditionCase{"\"(a\" = \"(a\"", true}, ConditionCase{"\"!x\" = y", false},
                      ConditionCase{"\"a=b\"", std::nullopt}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

INSTANTIATE_TEST_SUITE_P(
    Logic, EvaluateConditionTest,
    ::testing::Values(
        ConditionCase{"(true)", true}, ConditionCase{"()", true}, ConditionCase{"!true", false},
        ConditionCase{" !true", false}, ConditionCase{"!!true", true},
        ConditionCase{"!(false)", true}, ConditionCase{"!(a=a|b=b)", false},
        ConditionCase{"(a=b)|(c=c)", true}, ConditionCase{"(true&false)|true", true},
        ConditionCase{"true&(false|true)", true}, ConditionCase{"false|false|true", true},
        ConditionCase{"true&true&false", false}, ConditionCase{"!false&false", false},
        ConditionCase{"((a<b)&(b<c))", true},
        // The side that cannot change the outcome is not evaluated.
        ConditionCase{"true | abc", true}, ConditionCase{"a=a | abc", true},
        ConditionCase{"false & abc", false}, ConditionCase{"false | abc", std::nullopt},
        ConditionCase{"true & abc", std::nullopt},
        // Groups are resolved before the operators see them.
        ConditionCase{"(false) & (abc)", std::nullopt},
        ConditionCase{"(abc) | true", std::nullopt}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

TEST(EvaluateConditionTest, BadOperandMessage) {
    try {
        EvaluateCondition("abc");
        ADD_FAILURE() << "accepted";
    } catch (const CvException& e) {
        EXPECT_EQ(e.Code(), -1);
        EXPECT_EQ(e.Message(), "(CvCommon) Bad logic operand!");
    }
}

TEST(EvaluateConditionTest, LongAndDeepTextsFinish) {
    std::string chain;
    for (int i = 0; i < 2000; ++i) {
        chain += "a=b|";
    }
    EXPECT_TRUE(EvaluateCondition(chain + "true"));
    EXPECT_FALSE(EvaluateCondition(chain + "false"));
    EXPECT_TRUE(EvaluateCondition(std::string(2000, '(') + "true" + std::string(2000, ')')));
}

// ---- item references ------------------------------------------------------------

const CvIntOptionPair kStatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList kStates(kStatePairs);

enum Item {
    kInt,
    kState,
    kTrue,
    kFalse,
    kTicks,
    kText,
    kNull,
    kDateTime,
    kCounter64,
    kBytes,
    kItemCount
};

const CvSNMPVarDesc kTable[] = {
    {"1.1", "int", CvSyntax::integer, CvAccess::readonly},
    {"1.2", "state", CvSyntax::integer, CvAccess::readonly, &kStates},
    {"1.3", "on", CvSyntax::boolean, CvAccess::readonly},
    {"1.4", "off", CvSyntax::bool16, CvAccess::readonly},
    {"1.5", "uptime", CvSyntax::timeticks, CvAccess::readonly},
    {"1.6", "name", CvSyntax::displaystr, CvAccess::readonly},
    {"1.7", "missing", CvSyntax::integer, CvAccess::readonly},
    {"1.8", "when", CvSyntax::bcdatetime, CvAccess::readonly},
    {"1.9", "octets", CvSyntax::counter64, CvAccess::readonly},
    {"1.10", "mac", CvSyntax::octetstr, CvAccess::readonly},
    {nullptr},
};

CvSNMPVarList MakeList() {
    CvSNMPVarList list(kTable, SVT_SV, 0);
    const char* values[kItemCount] = {"5",
                                      "disabled",
                                      "true",
                                      "false",
                                      "1 day 0:00:00.01",
                                      "abc",
                                      "(NULL)",
                                      "1899/12/31 12:00 pm",
                                      "18446744073709551615",
                                      "0A0B"};
    for (int i = 0; i < kItemCount; ++i) {
        list.Item(i).Value = values[i];
    }
    return list;
}

struct ExpandCase {
    const char* Expr;
    char Marker;
    bool Quote;
    const char* Expected;  // null: raises Code
    int Code;
};

void PrintTo(const ExpandCase& c, std::ostream* os) {
    *os << '"' << c.Expr << '"';
}

class ExpandItemRefsTest : public ::testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandItemRefsTest, Expands) {
    const ExpandCase& c = GetParam();
    const CvSNMPVarList list = MakeList();
    if (c.Expected != nullptr) {
        EXPECT_EQ(ExpandItemRefs(list, c.Expr, c.Marker, c.Quote), c.Expected);
    } else {
        EXPECT_CV_CODE(ExpandItemRefs(list, c.Expr, c.Marker, c.Quote), c.Code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Refs, ExpandItemRefsTest,
    ::testing::Values(
        ExpandCase{"$0+$1", '$', false, "5+2", 0}, ExpandCase{"$01*2", '$', false, "2*2", 0},
        ExpandCase{"#0 = $0", '#', true, "5 = $0", 0}, ExpandCase{"$2$3", '$', false, "10", 0},
        ExpandCase{"$4", '$', false, "8640001", 0}, ExpandCase{"$7", '$', false, "1.5", 0},
        ExpandCase{"$8", '$', false, "18446744073709551615", 0},
        ExpandCase{"$5 = abc", '$', true, "\"abc\" = abc", 0}, ExpandCase{"$9", '#', true, "$9", 0},
        ExpandCase{"#9", '#', true, "\"0A0B\"", 0}, ExpandCase{"$ 1$x5$", '$', false, "$ 1$x5$", 0},
        ExpandCase{"$5", '$', false, nullptr, kErrBadSyntaxInExpression},
        ExpandCase{"$9", '$', false, nullptr, kErrBadSyntaxInExpression},
        ExpandCase{"1+$6", '$', true, nullptr, kErrNullInExpression},
        ExpandCase{"$10", '$', false, nullptr, kErrIndexOutOfRange},
        ExpandCase{"$4294967296000", '$', false, nullptr, kErrIndexOutOfRange}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

TEST(ExpandItemRefsTest, InsertedValuesAreNotExpandedAgain) {
    CvSNMPVarList list = MakeList();
    list.Item(kText).Value = "$0";
    EXPECT_EQ(ExpandItemRefs(list, "$5", '$', true), "\"$0\"");
}

// ---- item expressions -----------------------------------------------------------

struct ComputeCase {
    std::uint32_t Syntax;
    const char* Expr;
    const char* Expected;  // null: raises Code
    int Code;
    const CvOptionList* Options = nullptr;
};

void PrintTo(const ComputeCase& c, std::ostream* os) {
    *os << "syntax " << c.Syntax << " \"" << c.Expr << '"';
}

class ComputeItemExprTest : public ::testing::TestWithParam<ComputeCase> {};

TEST_P(ComputeItemExprTest, WritesInTheItemsSyntax) {
    const ComputeCase& c = GetParam();
    for (const bool afterRead : {true, false}) {
        CvSNMPVarList list = MakeList();
        CvSNMPVar& target = list.Item(kInt);
        target.Syntax = c.Syntax;
        target.Options = c.Options;
        (afterRead ? target.ReadExpr : target.WriteExpr) = c.Expr;
        if (c.Expected != nullptr) {
            ComputeItemExpr(list, kInt, afterRead);
            EXPECT_EQ(list.Item(kInt).Value, c.Expected);
        } else {
            EXPECT_CV_CODE(ComputeItemExpr(list, kInt, afterRead), c.Code);
            EXPECT_EQ(list.Item(kInt).Value, "5") << "value changed by a failed expression";
        }
        // The other expression is empty and leaves the value alone.
        ComputeItemExpr(list, kInt, !afterRead);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, ComputeItemExprTest,
    ::testing::Values(
        ComputeCase{CvSyntax::integer, "7/3", "2", 0},
        ComputeCase{CvSyntax::integer, "0-7/3", "-2", 0},
        ComputeCase{CvSyntax::integer, "0-2147483648", "-2147483648", 0},
        ComputeCase{CvSyntax::integer, "$0*$1", "10", 0},
        ComputeCase{CvSyntax::integer, "$0-3", "disabled", 0, &kStates},
        ComputeCase{CvSyntax::boolean, "$1-2", "false", 0},
        ComputeCase{CvSyntax::boolean, "0.5", "true", 0},
        ComputeCase{CvSyntax::counter, "4294967295.9", "4294967295", 0},
        ComputeCase{CvSyntax::uinteger, "0-0.5", "0", 0},
        ComputeCase{CvSyntax::timeticks, "$4+3", "1 day 0:00:00.04", 0},
        ComputeCase{CvSyntax::counter64, "4294967296*2", "8589934592", 0},
        ComputeCase{CvSyntax::double_, "$0/2", "2.5", 0},
        ComputeCase{CvSyntax::bcdatetime, "38854+0.5625", "2006/05/17 01:30:00 pm", 0},
        ComputeCase{CvSyntax::octetstr, "1", nullptr, kErrBadSyntaxInExpression},
        ComputeCase{CvSyntax::integer, "$5", nullptr, kErrBadSyntaxInExpression},
        ComputeCase{CvSyntax::integer, "$6", nullptr, kErrNullInExpression},
        // Results beyond the syntax's range saturate instead of wrapping.
        ComputeCase{CvSyntax::integer, "2147483648", "2147483647", 0},
        ComputeCase{CvSyntax::integer, "0-2147483649", "-2147483648", 0},
        ComputeCase{CvSyntax::integer, "1e300", "2147483647", 0},
        ComputeCase{CvSyntax::counter, "0-1", "0", 0},
        ComputeCase{CvSyntax::guage, "4294967296", "4294967295", 0},
        ComputeCase{CvSyntax::timeticks, "4294967296", "497 days, 2:27:52.95", 0},
        ComputeCase{CvSyntax::counter64, "18446744073709551616", "18446744073709551615", 0},
        ComputeCase{CvSyntax::counter64, "0-5", "0", 0},
        // Results that are no number, or no date, are refused.
        ComputeCase{CvSyntax::bcdatetime, "0-1e9", nullptr, kErrBadPartialValue},
        ComputeCase{CvSyntax::integer, "1/0", nullptr, kErrBadPartialValue},
        ComputeCase{CvSyntax::boolean, "0/0", nullptr, kErrBadPartialValue},
        ComputeCase{CvSyntax::double_, "1e999", nullptr, kErrBadPartialValue}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

}  // namespace
