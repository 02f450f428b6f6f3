// The order of identifier texts that decides whether a walk moves forward and
// whether a reply is still inside its column.
#include <gtest/gtest.h>

#include "CvOidText.h"

namespace {

TEST(OidOrderTest, ComparesSubIdentifiersNumerically) {
    struct Case {
        const char* A;
        const char* B;
        int Expected;
    } const cases[] = {
        {"1.3.6.1", "1.3.6.1", 0},
        {".1.3.6.1", "1.3.6.1", 0},
        {"1.3.6.1.9", "1.3.6.1.10", -1},
        {"1.3.6.1.10", "1.3.6.1.9", 1},
        {"1.3.6", "1.3.6.1", -1},
        {"1.3.6.1", "1.3.6", 1},
        {"1.3.6.1.2.1", "1.3.6.1.10", -1},
        {"1.3.007", "1.3.7", 0},
        {"", "1", -1},
        {"", "", 0},
        {"1.2.4294967295", "1.2.4294967294", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareOidTexts(c.A, c.B), c.Expected) << c.A << " vs " << c.B;
        EXPECT_EQ(CompareOidTexts(c.B, c.A), -c.Expected) << c.B << " vs " << c.A;
    }
}

TEST(OidOrderTest, ExtendsOnlyAtASubIdentifierBoundary) {
    struct Case {
        const char* Oid;
        const char* Prefix;
        bool Expected;
    } const cases[] = {
        {"1.3.6.1.2.1.2.2.1.1.5", "1.3.6.1.2.1.2.2.1.1", true},
        {"1.3.6.1.2.1.2.2.1.10.1", "1.3.6.1.2.1.2.2.1.1", false},
        {"1.3.6.1.2.1.2.2.1.1", "1.3.6.1.2.1.2.2.1.1", false},
        {".1.3.6.1.5", "1.3.6.1", true},
        {"1.3.6.1.5", ".1.3.6.1", true},
        {"1.3.6.2", "1.3.6.1", false},
        {"1", "", true},
        {"", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OidTextExtends(c.Oid, c.Prefix), c.Expected) << c.Oid << " / " << c.Prefix;
    }
}

}  // namespace
