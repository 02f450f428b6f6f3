#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvExpression.h"
#include "CvFormatSpec.h"

// Arbitrary texts from alphabets rich in the languages' own characters: the
// parsers either answer or raise their one failure code, never anything else.

namespace {

constexpr int kCases = 3000;

std::string RandomText(std::mt19937& rng, std::string_view alphabet, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(length(rng), ' ');
    for (char& c : text) {
        c = alphabet[pick(rng)];
    }
    return text;
}

// Mostly well-formed starts, so that the option parser is reached often.
std::string RandomSpec(std::mt19937& rng) {
    static constexpr std::string_view kHeads[] = {"%i{", "%u{", "%f{", "%n,{", "%s{", "%h{", ""};
    std::uniform_int_distribution<std::size_t> head(0, std::size(kHeads) - 1);
    std::string format(kHeads[head(rng)]);
    format += RandomText(rng, "%{}inxlwefahus,-.0123456789nxl", 14);
    if (rng() % 2 == 0) {
        format += '}';
    }
    return format;
}

TEST(ExpressionPropertyTest, FormatSpecParsesOrRejects) {
    std::mt19937 rng(20240611);
    for (int i = 0; i < kCases; ++i) {
        const std::string text = RandomSpec(rng);
        try {
            const CvFormatSpec format = ParseFormatSpec(text);
            EXPECT_FALSE(std::isnan(format.Min)) << text;
            EXPECT_FALSE(std::isnan(format.Max)) << text;
            EXPECT_GE(format.MaxLength, 0) << text;
            EXPECT_GE(format.Width, 0) << text;
        } catch (const CvException& e) {
            EXPECT_EQ(e.Code(), kErrBadFormatSpec) << text;
        }
    }
}

TEST(ExpressionPropertyTest, ConditionDecidesOrRejectsOperand) {
    std::mt19937 rng(7);
    for (int i = 0; i < kCases; ++i) {
        const std::string text = RandomText(rng, "()|&!<>=\"trufalse 019()|&truefalse", 40);
        try {
            EvaluateCondition(text);
        } catch (const CvException& e) {
            EXPECT_EQ(e.Code(), kErrBadLogicOperand) << text;
        }
    }
}

TEST(ExpressionPropertyTest, NumberAlwaysFinishes) {
    std::mt19937 rng(1234);
    for (int i = 0; i < kCases; ++i) {
        const std::string text = RandomText(rng, "()+-*/0123456789. NOW\x01", 40);
        // Any value, infinities and NaN included; the run itself must stay clean.
        (void)EvaluateNumber(text);
    }
}

}  // namespace
