// Scalars checked together (the behaviour file's "group"), device rules that
// see the whole set, and the words and values of the set log.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BehaviourRules.h"
#include "MibModel.h"
#include "SetLog.h"
#include "SetTransaction.h"
#include "TableRows.h"

namespace fs = std::filesystem;
using namespace vsim;

namespace {

Oid O(const std::string& text) {
    return ParseOid(text).value();
}

std::vector<std::string> LoadProblems(const std::string& text, BehaviourRules& rules) {
    const fs::path path =
        fs::temp_directory_path() / ("vanta-sim-group-" + std::to_string(getpid()));
    std::ofstream(path) << text;
    std::vector<std::string> problems = rules.Load(path.string());
    fs::remove(path);
    const std::vector<std::string> more = rules.Check();
    problems.insert(problems.end(), more.begin(), more.end());
    return problems;
}

// Two scalars that must add up to at most 10, beside a plain scalar and a
// table whose rows must not exceed the group's first scalar.
const char* const kRules = R"(
serve 1.3.6.1.4.1.3
rw 1.3.6.1.4.1.3.1 integer
group 1.3.6.1.4.1.3.2 check=sum
rw 1.3.6.1.4.1.3.2.1 integer values=0..10
rw 1.3.6.1.4.1.3.2.2 integer values=0..10
table 1.3.6.1.4.1.3.3.1 index=1 check=below
rw 1.3.6.1.4.1.3.3.1.2 integer
)";

struct GroupFixture {
    GroupFixture() {
        EXPECT_EQ(LoadProblems(kRules, rules), std::vector<std::string>{});
        model.Put(O("1.3.6.1.4.1.3.1.0"), MibValue::Integer(0));
        model.Put(O("1.3.6.1.4.1.3.2.1.0"), MibValue::Integer(4));
        model.Put(O("1.3.6.1.4.1.3.2.2.0"), MibValue::Integer(4));
        model.Put(O("1.3.6.1.4.1.3.3.1.2.1"), MibValue::Integer(3));
        checks["sum"] = [](const RowView& row, const RowPlace& place) {
            EXPECT_EQ(place.index, Oid{0});
            return row.at(1).number + row.at(2).number <= 10;
        };
        // Reads the group as the whole set leaves it.
        checks["below"] = [](const RowView& row, const RowPlace& place) {
            const auto group = RowsAfter(place.model, O("1.3.6.1.4.1.3.2"), *place.writes);
            return row.at(2).number <= group.at(Oid{0}).at(1).number;
        };
    }

    SetResult Set(const std::vector<std::pair<std::string, std::int64_t>>& varbinds) {
        std::vector<std::pair<Oid, MibValue>> request;
        for (const auto& [oid, value] : varbinds) {
            request.emplace_back(O(oid), MibValue::Integer(value));
        }
        SetTransaction transaction(model, rules, checks);
        const SetResult result = transaction.Prepare(request);
        if (result.status == SetStatus::NoError) {
            transaction.Apply();
        }
        return result;
    }

    BehaviourRules rules;
    MibModel model;
    RowChecks checks;
};

struct GroupCase {
    const char* name;
    std::vector<std::pair<std::string, std::int64_t>> varbinds;
    SetStatus status;
    std::size_t index;
};

class SimGroup : public ::testing::TestWithParam<GroupCase> {};

}  // namespace

TEST_P(SimGroup, ChecksItsScalarsAsTheSetLeavesThem) {
    const GroupCase& c = GetParam();
    GroupFixture f;
    const SetResult result = f.Set(c.varbinds);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.index, c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimGroup,
    ::testing::Values(
        GroupCase{"OneScalarWithTheOtherFromTheModel",
                  {{"1.3.6.1.4.1.3.2.1.0", 6}},
                  SetStatus::NoError,
                  0},
        GroupCase{
            "OneScalarTooMany", {{"1.3.6.1.4.1.3.2.1.0", 7}}, SetStatus::InconsistentValue, 0},
        GroupCase{
            "BlamesTheFirstVarbindUnderThePrefix",
            {{"1.3.6.1.4.1.3.1.0", 1}, {"1.3.6.1.4.1.3.2.2.0", 9}, {"1.3.6.1.4.1.3.2.1.0", 2}},
            SetStatus::InconsistentValue,
            1},
        GroupCase{"BothTogether",
                  {{"1.3.6.1.4.1.3.2.2.0", 9}, {"1.3.6.1.4.1.3.2.1.0", 1}},
                  SetStatus::NoError,
                  0},
        GroupCase{
            "OutOfRangeIsWrongValueFirst", {{"1.3.6.1.4.1.3.2.2.0", 11}}, SetStatus::WrongValue, 0},
        GroupCase{"ARowSeesTheGroupWrittenAfterIt",
                  {{"1.3.6.1.4.1.3.3.1.2.1", 6}, {"1.3.6.1.4.1.3.2.1.0", 6}},
                  SetStatus::NoError,
                  0},
        GroupCase{
            "ARowAboveTheGroup", {{"1.3.6.1.4.1.3.3.1.2.1", 5}}, SetStatus::InconsistentValue, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimGroupRules, RefuseWhatAGroupCannotBe) {
    for (const char* text : {"group 1.3.6.1.4.1.3.2\n", "group 1.3.6.1.4.1.3.2 check=\n",
                             "group 1.3.6.1.4.1.3.2 check=sum index=2\n",
                             "group 1.3.6.1.4.1.3.2 check=sum\n"
                             "rw 1.3.6.1.4.1.3.2.1 integer testandincr\n"}) {
        BehaviourRules rules;
        EXPECT_EQ(LoadProblems(text, rules).size(), 1u) << text;
    }
}

TEST(SimSetLogFormat, WritesTypesValuesAndStatusesInTheirOwnWords) {
    MibValue address = MibValue::Ip(192, 0, 2, 7);
    MibValue shortAddress = address;
    shortAddress.bytes.resize(3);
    MibValue opaqueFloat;
    opaqueFloat.bytes = "\x01\xff";
    const std::vector<std::pair<SetLogVarbind, std::string>> cases = {
        {{O("1.3.1.0"), 0x02, MibValue::Integer(-7)}, "integer\t-7"},
        {{O("1.3.1.0"), 0x04, MibValue::Octets(std::string("A\0z", 3))}, "octets\t41007a"},
        {{O("1.3.1.0"), 0x04, MibValue::Octets("")}, "octets\t"},
        {{O("1.3.1.0"), 0x06, MibValue::ObjectId(O("1.3.6.1.4.1"))}, "oid\t1.3.6.1.4.1"},
        {{O("1.3.1.0"), 0x40, address}, "ipaddress\t192.0.2.7"},
        {{O("1.3.1.0"), 0x40, shortAddress}, "ipaddress\tc00002"},
        {{O("1.3.1.0"), 0x41, MibValue::Numeric(Syntax::Counter32, 4294967295)},
         "counter32\t4294967295"},
        {{O("1.3.1.0"), 0x42, MibValue::Numeric(Syntax::Gauge32, 5)}, "gauge32\t5"},
        {{O("1.3.1.0"), 0x43, MibValue::Numeric(Syntax::TimeTicks, 6)}, "timeticks\t6"},
        {{O("1.3.1.0"), 0x46, MibValue::Big(18446744073709551615u)},
         "counter64\t18446744073709551615"},
        {{O("1.3.1.0"), 0x05, MibValue{}}, "null\t"},
        {{O("1.3.1.0"), 0x81, MibValue{}}, "noSuchInstance\t"},
        {{O("1.3.1.0"), 0x78, opaqueFloat}, "0x78\t01ff"},
    };
    for (const auto& [varbind, expected] : cases) {
        EXPECT_EQ(FormatSetLogLines(77, {varbind}, 0), "77\t1.3.1.0\t" + expected + "\tnoError\n");
    }
    EXPECT_EQ(FormatSetLogLines(1, {cases[0].first, cases[1].first}, 12),
              "1\t1.3.1.0\tinteger\t-7\tinconsistentValue\n"
              "1\t1.3.1.0\toctets\t41007a\tinconsistentValue\n");
    const std::vector<std::pair<long, std::string>> statuses = {
        {2, "noSuchName"},   {6, "noAccess"},          {7, "wrongType"},
        {8, "wrongLength"},  {10, "wrongValue"},       {11, "noCreation"},
        {17, "notWritable"}, {18, "inconsistentName"}, {19, "19"}};
    for (const auto& [status, name] : statuses) {
        EXPECT_EQ(ErrorStatusName(status), name);
    }
}
