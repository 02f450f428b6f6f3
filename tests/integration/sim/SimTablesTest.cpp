// The simulator's tables beyond plain RowStatus: index keys of every kind,
// storage types, valid/invalid rows, parent and augmenting tables, columns
// that repeat a key, TestAndIncr, ticking counters, the saved changes of a
// kept state folder and the rules of the SNMPv3 configuration tables.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "BehaviourRules.h"
#include "MibModel.h"
#include "SavedChanges.h"
#include "SecurityTables.h"
#include "SetTransaction.h"
#include "TableRows.h"
#include "VantaDevice.h"

namespace fs = std::filesystem;
using namespace vsim;

namespace {

Oid O(const std::string& text) {
    return ParseOid(text).value();
}

fs::path TempPath(const std::string& name) {
    return fs::temp_directory_path() /
           ("vanta-sim-tables-" + std::to_string(getpid()) + "-" + name);
}

BehaviourRules LoadRules(const std::string& text) {
    const fs::path path = TempPath("rules");
    std::ofstream(path) << text;
    BehaviourRules rules;
    EXPECT_EQ(rules.Load(path.string()), std::vector<std::string>{});
    EXPECT_EQ(rules.Check(), std::vector<std::string>{});
    fs::remove(path);
    return rules;
}

// Named rows keyed by a string and an address, their children, a table that
// augments them, a valid/invalid table and a TestAndIncr lock.
const char* const kRules = R"(
serve 1.3.6.1.4.1.2
rw 1.3.6.1.4.1.2.1 integer testandincr
table 1.3.6.1.4.1.2.2.1 keys=string,ip status=5 storage=4 create=1..8/*
rw 1.3.6.1.4.1.2.2.1.3 octets size=0..8 default=
rw 1.3.6.1.4.1.2.2.1.4 integer values=1..3 default=3
rw 1.3.6.1.4.1.2.2.1.5 integer
ro 1.3.6.1.4.1.2.2.1.6 ipaddress key=2
table 1.3.6.1.4.1.2.3.1 keys=string,ip,int status=2 create=*/*/1..9 parent=1.3.6.1.4.1.2.2.1
rw 1.3.6.1.4.1.2.3.1.2 integer
table 1.3.6.1.4.1.2.4.1 keys=string* valid=2
rw 1.3.6.1.4.1.2.4.1.2 integer values=2,3
table 1.3.6.1.4.1.2.5.1 keys=string,ip augments=1.3.6.1.4.1.2.2.1
ro 1.3.6.1.4.1.2.5.1.2 counter32 default=0
tick 1.3.6.1.4.1.2.5.1.2 2..2
tick 1.3.6.1.4.1.2.6 1..1 linked
)";

const std::string kRow = "1.3.6.1.4.1.2.2.1.";
const std::string kChild = "1.3.6.1.4.1.2.3.1.";
const std::string kValid = "1.3.6.1.4.1.2.4.1.";
const std::string kAugment = "1.3.6.1.4.1.2.5.1.";
const std::string kLock = "1.3.6.1.4.1.2.1.0";
// Row "ab" 192.0.2.1 and its address key.
const std::string kAb = "2.97.98.192.0.2.1";

struct TablesFixture {
    TablesFixture() : rules(LoadRules(kRules)) {
        model.Put(O(kLock), MibValue::Integer(5));
        AddRow(kAb, kNonVolatile);
        AddRow("2.114.111.10.0.0.1", kReadOnly);   // "ro"
        AddRow("2.112.101.10.0.0.2", kPermanent);  // "pe"
        model.Put(O(kChild + "2." + kAb + ".1"), MibValue::Integer(kActive));
        model.Put(O(kValid + "2.120"), MibValue::Integer(3));  // "x"
        SyncAugmentingTables(model, rules);
    }

    void AddRow(const std::string& index, std::int64_t storage) {
        model.Put(O(kRow + "3." + index), MibValue::Octets(""));
        model.Put(O(kRow + "4." + index), MibValue::Integer(storage));
        model.Put(O(kRow + "5." + index), MibValue::Integer(kActive));
    }

    SetResult Set(const std::vector<std::pair<std::string, MibValue>>& varbinds) {
        std::vector<std::pair<Oid, MibValue>> request;
        for (const auto& [oid, value] : varbinds) {
            request.emplace_back(O(oid), value);
        }
        SetTransaction transaction(model, rules, checks);
        const SetResult result = transaction.Prepare(request);
        if (result.status == SetStatus::NoError) {
            transaction.Apply();
            SyncAugmentingTables(model, rules);
            last = transaction.Writes();
        }
        return result;
    }

    const MibValue* Find(const std::string& oid) const { return model.Find(O(oid)); }

    BehaviourRules rules;
    MibModel model;
    RowChecks checks;
    std::vector<SetTransaction::Write> last;
};

struct TableCase {
    const char* name;
    std::vector<std::pair<std::string, MibValue>> varbinds;
    SetStatus status;
    std::vector<std::pair<std::string, std::optional<MibValue>>> after;
};

std::vector<TableCase> TableCases() {
    const auto I = MibValue::Integer;
    const std::string cd = "2.99.100.192.0.2.9";  // "cd" 192.0.2.9
    return {
        {"TestAndIncrTakesTheCurrentValueAndCountsOn",
         {{kLock, I(5)}},
         SetStatus::NoError,
         {{kLock, I(6)}}},
        {"TestAndIncrRefusesAnyOtherValue",
         {{kLock, I(4)}},
         SetStatus::InconsistentValue,
         {{kLock, I(5)}}},
        {"NewRowRepeatsItsAddressKeyAndIsNonVolatile",
         {{kRow + "5." + cd, I(kCreateAndGo)}},
         SetStatus::NoError,
         {{kRow + "6." + cd, MibValue::Ip(192, 0, 2, 9)},
          {kRow + "4." + cd, I(kNonVolatile)},
          {kAugment + "2." + cd, MibValue::Numeric(Syntax::Counter32, 0)}}},
        {"NameLongerThanTheCreateRange",
         {{kRow + "5.9.97.97.97.97.97.97.97.97.97.192.0.2.9", I(kCreateAndGo)}},
         SetStatus::NoCreation,
         {}},
        {"LengthThatDoesNotMatchTheIndex",
         {{kRow + "5.3.97.98.192.0.2.9", I(kCreateAndGo)}},
         SetStatus::NoCreation,
         {}},
        {"ReadOnlyRowTakesNoWrite",
         {{kRow + "3.2.114.111.10.0.0.1", MibValue::Octets("x")}},
         SetStatus::NotWritable,
         {}},
        {"PermanentRowIsWrittenButNotDestroyed",
         {{kRow + "3.2.112.101.10.0.0.2", MibValue::Octets("x")},
          {kRow + "5.2.112.101.10.0.0.2", I(kDestroy)}},
         SetStatus::InconsistentValue,
         {{kRow + "5.2.112.101.10.0.0.2", I(kActive)}}},
        {"ChildNeedsItsParent",
         {{kChild + "2." + cd + ".1", I(kCreateAndGo)}},
         SetStatus::InconsistentName,
         {}},
        {"ChildUnderItsParent",
         {{kChild + "2." + kAb + ".2", I(kCreateAndGo)}},
         SetStatus::NoError,
         {{kChild + "2." + kAb + ".2", I(kActive)}}},
        {"DestroyingAParentTakesItsChildrenAndAugmentingRows",
         {{kRow + "5." + kAb, I(kDestroy)}},
         SetStatus::NoError,
         {{kChild + "2." + kAb + ".1", std::nullopt}, {kAugment + "2." + kAb, std::nullopt}}},
        {"ParentAndChildCreatedInOneSetInEitherOrder",
         {{kChild + "2." + cd + ".1", I(kCreateAndGo)}, {kRow + "5." + cd, I(kCreateAndGo)}},
         SetStatus::NoError,
         {{kChild + "2." + cd + ".1", I(kActive)}}},
        {"ChildWrittenInTheSetThatDestroysItsParent",
         {{kRow + "5." + kAb, I(kDestroy)}, {kChild + "2." + kAb + ".1", I(kNotInService)}},
         SetStatus::InconsistentName,
         {{kChild + "2." + kAb + ".1", I(kActive)}, {kRow + "5." + kAb, I(kActive)}}},
        {"ValidCreatesARow",
         {{kValid + "2.121", I(3)}},
         SetStatus::NoError,
         {{kValid + "2.121", I(3)}}},
        {"InvalidRemovesARow",
         {{kValid + "2.120", I(2)}},
         SetStatus::NoError,
         {{kValid + "2.120", std::nullopt}}},
    };
}

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.name;
}

class SimTables : public ::testing::TestWithParam<TableCase> {};

}  // namespace

TEST_P(SimTables, FollowTheirRules) {
    const TableCase& c = GetParam();
    TablesFixture f;
    const SetResult result = f.Set(c.varbinds);
    EXPECT_EQ(result.status, c.status);
    for (const auto& [oid, value] : c.after) {
        const MibValue* now = f.Find(oid);
        EXPECT_EQ(now != nullptr, value.has_value()) << oid;
        if (now != nullptr && value) {
            EXPECT_EQ(*now, *value) << oid;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SimTables, ::testing::ValuesIn(TableCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The set that destroys a parent row removes its children itself, so that
// what it wrote (and a kept state folder records) says they are gone.
TEST(SimTablesParent, DestroyingAParentWritesTheRemovalOfItsChildren) {
    TablesFixture f;
    ASSERT_EQ(f.Set({{kRow + "5." + kAb, MibValue::Integer(kDestroy)}}).status, SetStatus::NoError);
    const Oid child = O(kChild + "2." + kAb + ".1");
    EXPECT_TRUE(std::any_of(f.last.begin(), f.last.end(), [&](const SetTransaction::Write& w) {
        return w.oid == child && !w.value;
    }));
}

namespace {

// How many problems loading and checking the rules `text` finds.
std::size_t ProblemsIn(const std::string& text) {
    const fs::path path = TempPath("problems");
    std::ofstream(path) << text;
    BehaviourRules rules;
    std::vector<std::string> found = rules.Load(path.string());
    const std::vector<std::string> checked = rules.Check();
    found.insert(found.end(), checked.begin(), checked.end());
    fs::remove(path);
    return found.size();
}

}  // namespace

TEST(SimTablesParent, OrphanAnswerNeedsAParentAndAKnownWord) {
    for (const auto& [text, problems] : std::vector<std::pair<std::string, std::size_t>>{
             {"table 1.3.6.1.4.1.2.2.1 index=1\n"
              "table 1.3.6.1.4.1.2.3.1 index=2 parent=1.3.6.1.4.1.2.2.1 orphan=inconsistentValue\n",
              0},
             {"table 1.3.6.1.4.1.2.3.1 index=2 orphan=inconsistentValue\n", 1},
             {"table 1.3.6.1.4.1.2.2.1 index=1\n"
              "table 1.3.6.1.4.1.2.3.1 index=2 parent=1.3.6.1.4.1.2.2.1 orphan=wrongValue\n",
              1},
         }) {
        EXPECT_EQ(ProblemsIn(text), problems) << text;
    }
}

// Kept rows name an index of their table, a missing answer needs a valid
// column, and a value layout is a known one on octets.
TEST(SimTablesRules, KeptRowsMissingAnswersAndLayoutsAreChecked) {
    for (const auto& [text, problems] : std::vector<std::pair<std::string, std::size_t>>{
             {"table 1.3.6.1.4.1.2.2.1 keys=string status=2 keep=3.97.98.99 keep=1.120\n"
              "rw 1.3.6.1.4.1.2.2.1.2 integer\n",
              0},
             {"table 1.3.6.1.4.1.2.2.1 keys=string status=2 keep=3.97.98\n"
              "rw 1.3.6.1.4.1.2.2.1.2 integer\n",
              1},
             {"table 1.3.6.1.4.1.2.2.1 index=1 valid=2 missing=noCreation\n"
              "rw 1.3.6.1.4.1.2.2.1.2 integer\n",
              0},
             {"table 1.3.6.1.4.1.2.2.1 index=1 missing=noCreation\n", 1},
             {"table 1.3.6.1.4.1.2.2.1 index=1 valid=2 missing=wrongValue\n"
              "rw 1.3.6.1.4.1.2.2.1.2 integer\n",
              1},
             {"rw 1.3.6.1.4.1.2.3 octets size=4 format=annual-date\n", 0},
             {"rw 1.3.6.1.4.1.2.3 octets format=weekly-date\n", 1},
             {"rw 1.3.6.1.4.1.2.3 integer format=annual-date\n", 1},
         }) {
        EXPECT_EQ(ProblemsIn(text), problems) << text;
    }
}

TEST(SimTablesIndex, SplitsEveryKindOfKey) {
    TableRule table;
    table.keys = {IndexKey::Integer, IndexKey::IpAddress, IndexKey::MacAddress,
                  IndexKey::String,  IndexKey::Oid,       IndexKey::ImpliedString};
    const auto parts = table.SplitIndex(O("7.192.0.2.1.0.1.2.3.4.5.2.97.98.3.1.3.6.120.121"));
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(*parts,
              (std::vector<Oid>{
                  {7}, {192, 0, 2, 1}, {0, 1, 2, 3, 4, 5}, {2, 97, 98}, {3, 1, 3, 6}, {120, 121}}));
    table.keys = {IndexKey::String, IndexKey::ImpliedOid};
    EXPECT_EQ(table.SplitIndex(O("0.1.3.6")), (std::vector<Oid>{{0}, {1, 3, 6}}));
    EXPECT_FALSE(table.SplitIndex(O("5.1.3")).has_value()) << "shorter than its length";
    table.keys = {IndexKey::Integer, IndexKey::Ipv6Address};
    EXPECT_EQ(table.SplitIndex(O("5121.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1")),
              (std::vector<Oid>{{5121}, {32, 1, 13, 184, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}));
    EXPECT_FALSE(table.SplitIndex(O("5121.32.1.13.184.0.0.0.0.0.0.0.0.0.0.1")).has_value())
        << "15 octets";
    table.keys = {IndexKey::MacAddress};
    EXPECT_FALSE(table.SplitIndex(O("0.1.2.3.4.256")).has_value()) << "not a byte";
    EXPECT_FALSE(table.SplitIndex(O("0.1.2.3.4.5.6")).has_value()) << "one arc too many";
}

TEST(SimTablesDevice, CountersTickEverySecondAndLinkedOnesOnlyWithALink) {
    TablesFixture f;
    for (std::uint32_t port = 1; port <= 24; ++port) {
        f.model.Put(Join(O("1.3.6.1.4.1.2.6"), {port, 1}), MibValue::Numeric(Syntax::Counter32, 0));
    }
    VantaDevice device(f.model, f.rules, 1);
    const auto start = VantaDevice::Clock::now();
    device.Start(start);
    device.Advance(start + std::chrono::milliseconds(3500));
    EXPECT_EQ(f.Find(kAugment + "2." + kAb)->number, 6);
    for (std::uint32_t port = 1; port <= 24; ++port) {
        const auto grown = f.model.Find(Join(O("1.3.6.1.4.1.2.6"), {port, 1}))->number;
        EXPECT_EQ(grown, device.Ports().At(static_cast<int>(port)).Up() ? 3 : 0) << port;
    }
}

// What sets changed comes back after a restart; a volatile row does not.
TEST(SimTablesSaved, ChangesComeBackAfterARestartButVolatileRowsDoNot) {
    const fs::path file = TempPath("saved");
    fs::remove(file);
    TablesFixture before;
    SavedChanges saved(file);
    const auto set = [&](const std::vector<std::pair<std::string, MibValue>>& varbinds) {
        ASSERT_EQ(before.Set(varbinds).status, SetStatus::NoError);
        ASSERT_TRUE(saved.Record(before.last, before.model, before.rules));
    };
    const std::string volatileRow = "2.118.118.192.0.2.8";  // "vv"
    set({{kLock, MibValue::Integer(5)}});
    set({{kRow + "5.2.99.100.192.0.2.9", MibValue::Integer(kCreateAndWait)},
         {kRow + "3.2.99.100.192.0.2.9", MibValue::Octets(std::string("a\0|\n", 4))}});
    set({{kRow + "5." + volatileRow, MibValue::Integer(kCreateAndGo)}});
    set({{kRow + "4." + volatileRow, MibValue::Integer(kVolatile)}});
    set({{kValid + "2.120", MibValue::Integer(2)}});

    TablesFixture after;
    SavedChanges reloaded(file);
    EXPECT_EQ(reloaded.Load(), std::vector<std::string>{});
    reloaded.ApplyTo(after.model);
    SyncAugmentingTables(after.model, after.rules);
    const Oid gone = O(volatileRow);
    for (const auto& [oid, value] : before.model.All()) {
        if (oid.size() > gone.size() && std::equal(gone.rbegin(), gone.rend(), oid.rbegin())) {
            continue;  // the volatile row's
        }
        const MibValue* kept = after.model.Find(oid);
        EXPECT_TRUE(kept != nullptr && *kept == value) << FormatOid(oid);
    }
    EXPECT_EQ(after.Find(kRow + "5." + volatileRow), nullptr);
    EXPECT_EQ(after.Find(kAugment + "2." + volatileRow), nullptr);
    EXPECT_EQ(after.Find(kValid + "2.120"), nullptr);
    fs::remove(file);

    std::ofstream(file) << "1.3.6.1.4.1.2.1.0|2|7\n1.3.6.1.4.1.2.1.0|99|7\nnonsense\n";
    EXPECT_EQ(SavedChanges(file).Load().size(), 2u);
    fs::remove(file);
}

// A user row: protocols only switched off, privacy only with authentication,
// clones only of active users, key changes twice their key's length.
TEST(SimTablesSecurity, UserRowsFollowTheUserBasedSecurityModel) {
    const BehaviourRules rules = LoadRules(R"(
serve 1.3.6.1.6.3.15.1.2
table 1.3.6.1.6.3.15.1.2.2.1 keys=string,string status=13 create=5..32/1..32
rw 1.3.6.1.6.3.15.1.2.2.1.13 integer
)");
    const TableRule& table = rules.Tables().begin()->second;
    using namespace security;
    const std::string engine("\x80\0\0\0\1", 5);
    const Oid user = UserIndex(engine, "u");
    const Oid other = UserIndex(engine, "o");
    const Oid fresh = UserIndex(engine, "new");
    const auto column = [](std::uint32_t c, const Oid& index) {
        return Join(Join(kUserEntry, {c}), index);
    };
    MibModel model;
    PutUser(model, engine, "u", O("1.3.6.1.6.3.10.1.1.3"), O("1.3.6.1.6.3.10.1.2.4"), true);
    PutUser(model, engine, "o", kNoAuthProtocol, kNoPrivProtocol, true);
    model.Put(column(kUserStatus, other), MibValue::Integer(kNotInService));
    const RowView existing = ReadRow(model, table, user);
    const auto oid = [](const Oid& value) { return MibValue::ObjectId(value); };
    const auto octets = [](std::size_t n) { return MibValue::Octets(std::string(n, 'k')); };
    const struct {
        Oid index;
        std::vector<std::pair<std::uint32_t, MibValue>> changes;
        bool consistent;
    } cases[] = {
        {user, {}, true},
        {user, {{kUserAuthProtocol, oid(O("1.3.6.1.6.3.10.1.1.2"))}}, false},
        {user, {{kUserAuthProtocol, oid(kNoAuthProtocol)}}, false},  // privacy stays
        {user, {{kUserPrivProtocol, oid(kNoPrivProtocol)}}, true},
        {user, {{kUserAuthKeyChange, octets(40)}}, true},
        {user, {{kUserAuthKeyChange, octets(32)}}, false},
        {user, {{kUserOwnPrivKeyChange, octets(32)}}, true},
        {fresh, {{kUserCloneFrom, oid(column(1, user))}}, true},
        {fresh, {{kUserCloneFrom, oid(column(1, other))}}, false},  // out of service
        {fresh, {{kUserCloneFrom, oid(column(1, fresh))}}, false},  // no such user
        {UserIndex(engine, std::string("a\0b", 3)), {}, false},
    };
    for (const auto& c : cases) {
        RowView row = c.index == user ? existing : RowView{};
        for (const auto& [number, value] : c.changes) {
            row[number] = value;
        }
        EXPECT_EQ(UserRowIsConsistent(row, RowPlace{model, table, c.index}), c.consistent)
            << FormatOid(c.index) << " " << (c.changes.empty() ? 0 : c.changes[0].first);
    }
}
