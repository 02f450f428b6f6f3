// The simulator's model without the network: row creation and deletion by
// RowStatus, all-or-nothing sets, the seed loader, the ports' life and the
// command line.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "../../TestNames.h"
#include "BehaviourRules.h"
#include "EngineState.h"
#include "MibModel.h"
#include "PortModel.h"
#include "SetTransaction.h"
#include "SimOptions.h"
#include "SnmprecLoader.h"
#include "StateFolder.h"
#include "VantaDevice.h"

namespace fs = std::filesystem;
using namespace vsim;

namespace {

fs::path WriteTemp(const std::string& name, const std::string& text) {
    const fs::path path =
        fs::temp_directory_path() / ("vanta-sim-model-" + std::to_string(getpid()) + "-" + name);
    std::ofstream(path) << text;
    return path;
}

Oid O(const std::string& text) {
    return ParseOid(text).value();
}

// A scalar, a read-only scalar, a size-limited string and a table with a
// required column, a defaulted one and a RowStatus column.
const char* const kRules = R"(
serve 1.3.6.1.4.1.1
rw 1.3.6.1.4.1.1.1 integer values=0..10
rw 1.3.6.1.4.1.1.5 octets size=2,4
table 1.3.6.1.4.1.1.2.1 index=1 status=4 create=1..9
rw 1.3.6.1.4.1.1.2.1.2 ipaddress required
rw 1.3.6.1.4.1.1.2.1.3 integer values=1..3 default=1
rw 1.3.6.1.4.1.1.2.1.4 integer
)";

const std::string kT = "1.3.6.1.4.1.1.2.1.";

class RowFixture {
public:
    RowFixture() {
        const fs::path path = WriteTemp("rules", kRules);
        EXPECT_TRUE(rules.Load(path.string()).empty());
        fs::remove(path);
        model.Put(O("1.3.6.1.4.1.1.1.0"), MibValue::Integer(5));
        model.Put(O("1.3.6.1.4.1.1.5.0"), MibValue::Octets("ab"));
        model.Put(O("1.3.6.1.4.1.1.9.0"), MibValue::Integer(1));  // read-only
        AddRow(1, kActive, true);
        AddRow(2, kNotReady, false);
        AddRow(3, kNotInService, true);
        AddRow(10, kActive, true);  // outside the creatable range: permanent
    }

    void AddRow(std::uint32_t index, std::int64_t status, bool complete) {
        if (complete) {
            model.Put(Join(O(kT + "2"), {index}), MibValue::Ip(192, 0, 2, 1));
        }
        model.Put(Join(O(kT + "3"), {index}), MibValue::Integer(1));
        model.Put(Join(O(kT + "4"), {index}), MibValue::Integer(status));
    }

    std::optional<std::int64_t> Number(const std::string& oid) const {
        const MibValue* value = model.Find(O(oid));
        return value ? std::optional(value->number) : std::nullopt;
    }

    BehaviourRules rules;
    MibModel model;
    RowChecks checks;
};

MibValue Ip() {
    return MibValue::Ip(192, 0, 2, 7);
}

struct RowCase {
    const char* name;
    std::vector<std::pair<std::string, MibValue>> varbinds;
    SetStatus status;
    std::size_t index;
    std::vector<std::pair<std::string, std::optional<std::int64_t>>> after;  // numbers afterwards
};

std::vector<RowCase> RowCases() {
    const auto I = MibValue::Integer;
    return {
        {"CreateAndGoWithRequiredColumn",
         {{kT + "4.4", I(kCreateAndGo)}, {kT + "2.4", Ip()}},
         SetStatus::NoError,
         0,
         {{kT + "4.4", kActive}, {kT + "3.4", 1}}},
        {"CreateAndGoMissingRequiredColumn",
         {{kT + "4.4", I(kCreateAndGo)}},
         SetStatus::InconsistentValue,
         0,
         {{kT + "4.4", std::nullopt}}},
        {"CreateAndWaitMissingRequiredColumnIsNotReady",
         {{kT + "4.4", I(kCreateAndWait)}},
         SetStatus::NoError,
         0,
         {{kT + "4.4", kNotReady}}},
        {"CreateAndWaitCompleteIsNotInService",
         {{kT + "2.4", Ip()}, {kT + "4.4", I(kCreateAndWait)}},
         SetStatus::NoError,
         0,
         {{kT + "4.4", kNotInService}}},
        {"CreateOnExistingRow",
         {{kT + "4.1", I(kCreateAndGo)}},
         SetStatus::InconsistentValue,
         0,
         {{kT + "4.1", kActive}}},
        {"ActiveOnMissingRow", {{kT + "4.4", I(kActive)}}, SetStatus::InconsistentValue, 0, {}},
        {"NotInServiceOnMissingRow",
         {{kT + "4.4", I(kNotInService)}},
         SetStatus::InconsistentValue,
         0,
         {}},
        {"DestroyMissingRowIsNoError",
         {{kT + "4.4", I(kDestroy)}},
         SetStatus::NoError,
         0,
         {{kT + "4.4", std::nullopt}}},
        {"DestroyMissingRowWithColumn",
         {{kT + "4.4", I(kDestroy)}, {kT + "3.4", I(2)}},
         SetStatus::InconsistentName,
         1,
         {{kT + "3.4", std::nullopt}}},
        {"ColumnOfMissingRow", {{kT + "3.4", I(2)}}, SetStatus::InconsistentName, 0, {}},
        {"CreateOutsideRange",
         {{kT + "4.12", I(kCreateAndGo)}, {kT + "2.12", Ip()}},
         SetStatus::NoCreation,
         0,
         {{kT + "4.12", std::nullopt}}},
        {"DestroyPermanentRow",
         {{kT + "4.10", I(kDestroy)}},
         SetStatus::InconsistentValue,
         0,
         {{kT + "4.10", kActive}}},
        {"DestroyRemovesEveryColumn",
         {{kT + "4.1", I(kDestroy)}},
         SetStatus::NoError,
         0,
         {{kT + "3.1", std::nullopt}, {kT + "4.1", std::nullopt}}},
        {"NotReadyCannotBeRequested",
         {{kT + "4.1", I(kNotReady)}},
         SetStatus::WrongValue,
         0,
         {{kT + "4.1", kActive}}},
        {"UnknownStatusValue", {{kT + "4.1", I(7)}}, SetStatus::WrongValue, 0, {}},
        {"ActivateNotReadyRow",
         {{kT + "4.2", I(kActive)}},
         SetStatus::InconsistentValue,
         0,
         {{kT + "4.2", kNotReady}}},
        {"ActivateNotReadyRowWithMissingColumn",
         {{kT + "2.2", Ip()}, {kT + "4.2", I(kActive)}},
         SetStatus::NoError,
         0,
         {{kT + "4.2", kActive}}},
        {"CompletingNotReadyRowMakesItNotInService",
         {{kT + "2.2", Ip()}},
         SetStatus::NoError,
         0,
         {{kT + "4.2", kNotInService}}},
        {"ActivateNotInServiceRow",
         {{kT + "4.3", I(kActive)}},
         SetStatus::NoError,
         0,
         {{kT + "4.3", kActive}}},
        {"TakeActiveRowOutOfService",
         {{kT + "4.1", I(kNotInService)}},
         SetStatus::NoError,
         0,
         {{kT + "4.1", kNotInService}}},
        {"ColumnOfActiveRowStaysActive",
         {{kT + "3.1", I(3)}},
         SetStatus::NoError,
         0,
         {{kT + "3.1", 3}, {kT + "4.1", kActive}}},
        {"TwoStatusesForOneRow",
         {{kT + "4.1", I(kActive)}, {kT + "4.1", I(kDestroy)}},
         SetStatus::InconsistentValue,
         1,
         {{kT + "4.1", kActive}}},
        {"FirstFaultyVarbindIsReported",
         {{"1.3.6.1.4.1.1.1.0", I(7)}, {"1.3.6.1.4.1.1.1.0", I(99)}, {kT + "4.1", I(9)}},
         SetStatus::WrongValue,
         1,
         {{"1.3.6.1.4.1.1.1.0", 5}}},
        {"WrongType", {{"1.3.6.1.4.1.1.1.0", MibValue::Octets("7")}}, SetStatus::WrongType, 0, {}},
        {"WrongLength",
         {{"1.3.6.1.4.1.1.5.0", MibValue::Octets("abc")}},
         SetStatus::WrongLength,
         0,
         {}},
        {"UnknownObject", {{"1.3.6.1.4.1.1.7.0", I(1)}}, SetStatus::NotWritable, 0, {}},
        {"ReadOnlyObject",
         {{"1.3.6.1.4.1.1.9.0", I(2)}},
         SetStatus::NotWritable,
         0,
         {{"1.3.6.1.4.1.1.9.0", 1}}},
        {"ScalarWithWrongInstance",
         {{"1.3.6.1.4.1.1.1.1", I(2)}},
         SetStatus::NoCreation,
         0,
         {{"1.3.6.1.4.1.1.1.1", std::nullopt}}},
        {"ScalarAndBadRowChangeNothing",
         {{"1.3.6.1.4.1.1.1.0", I(8)}, {kT + "4.5", I(kCreateAndGo)}},
         SetStatus::InconsistentValue,
         1,
         {{"1.3.6.1.4.1.1.1.0", 5}, {kT + "4.5", std::nullopt}}},
    };
}

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class SimRowStatus : public ::testing::TestWithParam<RowCase> {};

}  // namespace

TEST_P(SimRowStatus, FollowsTheRowStatusConvention) {
    const RowCase& c = GetParam();
    RowFixture f;
    std::vector<std::pair<Oid, MibValue>> varbinds;
    for (const auto& [oid, value] : c.varbinds) {
        varbinds.emplace_back(O(oid), value);
    }
    SetTransaction transaction(f.model, f.rules, f.checks);
    const SetResult result = transaction.Prepare(varbinds);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.index, c.index);
    if (result.status == SetStatus::NoError) {
        transaction.Apply();
    } else {
        EXPECT_TRUE(transaction.Writes().empty());
    }
    for (const auto& [oid, number] : c.after) {
        EXPECT_EQ(f.Number(oid), number) << oid;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SimRowStatus, ::testing::ValuesIn(RowCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SimSetTransaction, UndoRestoresTheModelExactly) {
    RowFixture f;
    const MibModel::Entries before = f.model.All();
    SetTransaction transaction(f.model, f.rules, f.checks);
    ASSERT_EQ(transaction
                  .Prepare({{O(kT + "4.1"), MibValue::Integer(kDestroy)},
                            {O(kT + "4.4"), MibValue::Integer(kCreateAndGo)},
                            {O(kT + "2.4"), Ip()},
                            {O("1.3.6.1.4.1.1.1.0"), MibValue::Integer(9)},
                            {O("1.3.6.1.4.1.1.1.0"), MibValue::Integer(10)}})
                  .status,
              SetStatus::NoError);
    transaction.Apply();
    EXPECT_EQ(f.Number("1.3.6.1.4.1.1.1.0"), 10) << "the last of two writes wins";
    EXPECT_EQ(f.Number(kT + "4.1"), std::nullopt);
    transaction.Undo();
    EXPECT_EQ(f.model.All(), before);
}

TEST(SimDevice, StaticVlansDriveTheCurrentTable) {
    BehaviourRules rules;
    const fs::path path = WriteTemp("vlan-rules", R"(
serve 1.3.6.1.2.1.17
table 1.3.6.1.2.1.17.7.1.4.3.1 index=1 status=5 create=2..4094 check=vlan-ports
rw 1.3.6.1.2.1.17.7.1.4.3.1.2 octets default-hex=0000000000000000
rw 1.3.6.1.2.1.17.7.1.4.3.1.3 octets default-hex=0000000000000000
rw 1.3.6.1.2.1.17.7.1.4.3.1.5 integer
)");
    ASSERT_TRUE(rules.Load(path.string()).empty());
    fs::remove(path);
    const std::string s = "1.3.6.1.2.1.17.7.1.4.3.1.";
    const std::string c = "1.3.6.1.2.1.17.7.1.4.2.1.";
    MibModel model;
    model.Put(O(s + "2.1"), MibValue::Octets(std::string("\xFF\xFF\xFF\0\0\0\0\0", 8)));
    model.Put(O(s + "5.1"), MibValue::Integer(kActive));
    model.Put(O("1.3.6.1.2.1.17.7.1.4.1.0"), MibValue::Numeric(Syntax::Counter32, 0));
    model.Put(O("1.3.6.1.2.1.17.7.1.1.4.0"), MibValue::Numeric(Syntax::Gauge32, 0));
    VantaDevice device(model, rules, 1);
    device.Start(VantaDevice::Clock::now());
    ASSERT_NE(model.Find(O(c + "4.0.1")), nullptr);
    EXPECT_EQ(model.Find(O("1.3.6.1.2.1.17.7.1.1.4.0"))->number, 1);

    const RowChecks checks = VantaDevice::Checks();
    const auto run = [&](std::vector<std::pair<Oid, MibValue>> varbinds) {
        SetTransaction transaction(model, rules, checks);
        const SetResult result = transaction.Prepare(varbinds);
        if (result.status == SetStatus::NoError) {
            transaction.Apply();
            device.Committed(transaction.Writes());
        }
        return result.status;
    };
    const MibValue port1 = MibValue::Octets(std::string("\x80\0\0\0\0\0\0\0", 8));
    // A port both egress and forbidden is refused.
    EXPECT_EQ(run({{O(s + "5.7"), MibValue::Integer(kCreateAndGo)},
                   {O(s + "2.7"), port1},
                   {O(s + "3.7"), port1}}),
              SetStatus::InconsistentValue);
    EXPECT_EQ(run({{O(s + "5.7"), MibValue::Integer(kCreateAndGo)}, {O(s + "2.7"), port1}}),
              SetStatus::NoError);
    EXPECT_EQ(model.Find(O(c + "4.0.7"))->bytes, port1.bytes);
    EXPECT_EQ(model.Find(O(c + "6.0.7"))->number, 2) << "permanent";
    EXPECT_EQ(run({{O(s + "3.1"), port1}}), SetStatus::InconsistentValue);

    // Leaving the current table counts as a deletion, whether by destroy or
    // by going out of service.
    EXPECT_EQ(run({{O(s + "5.7"), MibValue::Integer(kNotInService)}}), SetStatus::NoError);
    EXPECT_EQ(model.Find(O(c + "4.0.7")), nullptr);
    EXPECT_EQ(run({{O(s + "5.7"), MibValue::Integer(kDestroy)}}), SetStatus::NoError);
    EXPECT_EQ(model.Find(O("1.3.6.1.2.1.17.7.1.4.1.0"))->number, 1);
    EXPECT_EQ(model.Find(O("1.3.6.1.2.1.17.7.1.1.4.0"))->number, 1);
}

TEST(SimPorts, LedStringFollowsThePortStates) {
    PortModel ports(1);
    const std::string leds = ports.LedString();
    ASSERT_EQ(leds.size(), 51u);
    EXPECT_EQ(leds.substr(0, 3), std::string("\x03\x00\x00", 3));
    // The combo port's fibre side carries its link.
    EXPECT_EQ(ports.At(PortModel::kFibrePort).ActiveMedium(), kFibre);
    EXPECT_NE(leds[2 * PortModel::kFibrePort + 1], '\x01');
    EXPECT_EQ(leds[2 * PortModel::kFibrePort + 2], '\x03') << "gigabit green";

    ports.SetEnabled(PortModel::kFibrePort, kFibre, false, 100);
    EXPECT_EQ(ports.LedString()[2 * PortModel::kFibrePort + 1], '\x01');
    EXPECT_EQ(ports.At(PortModel::kFibrePort).lastChange, 100u);
}

TEST(SimPorts, ASeedReplaysTheSameLife) {
    PortModel a(42);
    PortModel b(42);
    PortModel other(43);
    bool changed = false;
    bool differs = false;
    bool fibreActive = false;
    const std::string first = a.LedString();
    for (std::uint32_t step = 1; step <= 120; ++step) {
        a.Step(step * 100);
        b.Step(step * 100);
        other.Step(step * 100);
        ASSERT_EQ(a.LedString(), b.LedString()) << "step " << step;
        changed = changed || a.LedString() != first;
        differs = differs || a.LedString() != other.LedString();
        fibreActive = fibreActive || a.At(PortModel::kFibrePort).active;
    }
    EXPECT_TRUE(changed) << "the ports never changed";
    EXPECT_TRUE(differs) << "another seed gave the same life";
    EXPECT_TRUE(fibreActive) << "the fibre link never carried traffic";
}

TEST(SimSnmprec, ReadsEveryTagAndReportsBadLines) {
    const fs::path path = WriteTemp("rec.snmprec",
                                    "# comment\n"
                                    "1.3.6.1.2.1.1.1.0|4|Vanta A\n"
                                    "1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.99917.10.1\n"
                                    "1.3.6.1.2.1.1.3.0|67|42\n"
                                    "1.3.6.1.2.1.2.2.1.6.1|4x|0256410018ff\n"
                                    "1.3.6.1.2.1.4.20.1.1.1|64|192.0.2.1\n"
                                    "1.3.6.1.2.1.31.1.1.1.6.1|70|18446744073709551615\n"
                                    "1.3.6.1.2.1.2.2.1.3.1|2|-5\n"
                                    "1.3.6.1.6.3.1.1.6.1.0|2|1\n"
                                    "1.3.6.1.2.1.2.2.1.4.1|2|notanumber\n"
                                    "1.3.6.1.2.1.2.2.1.5.1|99|1\n"
                                    "garbage\n");
    MibModel model;
    const auto problems = LoadSnmprec(path.string(), {O("1.3.6.1.2.1")}, model);
    fs::remove(path);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_NE(problems[0].find(":10:"), std::string::npos) << problems[0];
    EXPECT_NE(problems[2].find(":12:"), std::string::npos) << problems[2];
    EXPECT_EQ(model.Size(), 7u) << "the unserved SNMPv3 record is left out";
    EXPECT_EQ(model.Find(O("1.3.6.1.2.1.1.1.0"))->bytes, "Vanta A");
    EXPECT_EQ(model.Find(O("1.3.6.1.2.1.1.2.0"))->oid, O("1.3.6.1.4.1.99917.10.1"));
    EXPECT_EQ(model.Find(O("1.3.6.1.2.1.2.2.1.6.1"))->bytes,
              std::string("\x02\x56\x41\x00\x18\xff", 6));
    EXPECT_EQ(model.Find(O("1.3.6.1.2.1.4.20.1.1.1"))->bytes, std::string("\xc0\x00\x02\x01", 4));
    EXPECT_EQ(model.Find(O("1.3.6.1.2.1.31.1.1.1.6.1"))->counter64, 18446744073709551615u);
    EXPECT_EQ(model.Find(O("1.3.6.1.2.1.2.2.1.3.1"))->number, -5);
    // In SNMP order, shorter prefixes first.
    const auto* next = model.Next(O("1.3.6.1.2.1.1.3.0"), false, {});
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->first, O("1.3.6.1.2.1.2.2.1.3.1"));
    EXPECT_EQ(model.Next(O("1.3.6.1.2.1.1.3.0"), false, O("1.3.6.1.2.1.2")), nullptr);
}

TEST(SimSnmprec, ShippedDataAndRulesLoadCleanly) {
    BehaviourRules rules;
    const fs::path data = fs::path(VANTA_SIM_DATA_DIR);
    const auto ruleFiles = WithAreaFiles(data / "vanta-a.rules");
    EXPECT_GT(ruleFiles.size(), 1u) << "the areas beside the main file";
    for (const fs::path& file : ruleFiles) {
        EXPECT_EQ(rules.Load(file.string()), std::vector<std::string>{});
    }
    EXPECT_EQ(rules.Check(), std::vector<std::string>{});
    MibModel model;
    for (const fs::path& file : WithAreaFiles(data / "vanta-a.snmprec")) {
        EXPECT_EQ(LoadSnmprec(file.string(), rules.Served(), model), std::vector<std::string>{});
    }
    const RowChecks checks = VantaDevice::Checks();
    for (const auto& [entry, table] : rules.Tables()) {
        EXPECT_TRUE(table.check.empty() || checks.count(table.check) == 1) << table.check;
        // Every column a new row needs has a rule.
        for (const auto* column : rules.Columns(table)) {
            EXPECT_TRUE(column->writable || column->initial || column->indexKey ||
                        !table.statusColumn)
                << FormatOid(column->object);
        }
    }
    // Every writable object has an instance to write.
    for (const auto& [oid, value] : model.All()) {
        const ObjectRule* rule = rules.Object(rules.Place(oid).object);
        if (rule != nullptr) {
            EXPECT_EQ(rule->syntax, value.syntax) << FormatOid(oid);
        }
    }
}

struct OptionCase {
    std::vector<std::string> args;
    bool ok;
    std::string transport;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
    for (const auto& arg : c.args) {
        *os << arg << ' ';
    }
}

class SimOptionsParse : public ::testing::TestWithParam<OptionCase> {};

TEST_P(SimOptionsParse, ReadsTheCommandLine) {
    const OptionCase& c = GetParam();
    std::string error;
    const auto options = ParseSimOptions(c.args, error);
    ASSERT_EQ(options.has_value(), c.ok) << error;
    if (options) {
        EXPECT_EQ(options->Transport(), c.transport);
    } else {
        EXPECT_FALSE(error.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimOptionsParse,
    ::testing::Values(
        OptionCase{{}, true, "udp:127.0.0.1:16161"},
        OptionCase{{"--listen", "127.0.0.1:0"}, true, "udp:127.0.0.1:0"},
        OptionCase{{"--listen", "[::1]:16200"}, true, "udp6:[::1]:16200"},
        OptionCase{{"--listen", "127.0.0.1"}, false, ""},
        OptionCase{{"--listen", "127.0.0.1:70000"}, false, ""},
        OptionCase{
            {"--seed", "12", "--loss", "12.5", "--delay", "200"}, true, "udp:127.0.0.1:16161"},
        OptionCase{{"--loss", "101"}, false, ""}, OptionCase{{"--delay", "-1"}, false, ""},
        OptionCase{{"--seed"}, false, ""}, OptionCase{{"--bogus", "1"}, false, ""},
        OptionCase{{"--engine-id", "0x8000000201"}, true, "udp:127.0.0.1:16161"},
        OptionCase{{"--engine-id", std::string(64, 'a')}, true, "udp:127.0.0.1:16161"},
        OptionCase{{"--engine-id", "80000002"}, false, ""},
        OptionCase{{"--engine-id", std::string(66, 'a')}, false, ""},
        OptionCase{{"--engine-id", "800000020"}, false, ""},
        OptionCase{{"--engine-id", "80000002zz"}, false, ""},
        OptionCase{{"--set-log", "sets.log"}, true, "udp:127.0.0.1:16161"},
        OptionCase{{"--set-log", ""}, false, ""},
        OptionCase{{"--pdu-log", "pdus.log"}, true, "udp:127.0.0.1:16161"},
        OptionCase{{"--pdu-log", ""}, false, ""},
        OptionCase{{"--fdb", "0"}, true, "udp:127.0.0.1:16161"},
        OptionCase{{"--fdb", "100000"}, true, "udp:127.0.0.1:16161"},
        OptionCase{{"--fdb", "12x"}, false, ""}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

fs::path EmptyFolder(const std::string& name) {
    const fs::path folder =
        fs::temp_directory_path() / ("vanta-sim-model-" + std::to_string(getpid()) + "-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TEST(SimEngineState, KeepsTheIdAndCountsEveryStart) {
    const fs::path folder = EmptyFolder("engine");
    std::string error;
    const auto first = StartEngine(folder, std::nullopt, error);
    ASSERT_TRUE(first.has_value()) << error;
    EXPECT_EQ(first->boots, 1);
    EXPECT_EQ(HexOf(first->id).substr(0, 10), "8001864d05");
    EXPECT_EQ(first->id.size(), 13u);
    const auto given = StartEngine(folder, std::string("\x80\0\0\x02\x01", 5), error);
    ASSERT_TRUE(given.has_value()) << error;
    EXPECT_EQ(HexOf(given->id), "8000000201");
    EXPECT_EQ(given->boots, 2);
    const auto third = StartEngine(folder, std::nullopt, error);
    ASSERT_TRUE(third.has_value()) << error;
    EXPECT_EQ(third->id, first->id);
    EXPECT_EQ(third->boots, 3);
    EXPECT_NE(FreshEngineId(), first->id);
    fs::remove_all(folder);
}

// What the boots file holds, and the boots of the next start (0: refused).
class SimEngineBootsRecord : public ::testing::TestWithParam<std::pair<std::string, long>> {};

TEST_P(SimEngineBootsRecord, IsCountedOnOrRefused) {
    const fs::path folder = EmptyFolder("boots");
    std::ofstream(folder / "engine-boots") << GetParam().first;
    std::string error;
    const auto state = StartEngine(folder, std::nullopt, error);
    if (GetParam().second == 0) {
        EXPECT_FALSE(state.has_value());
        EXPECT_NE(error.find("engine-boots"), std::string::npos) << error;
    } else {
        ASSERT_TRUE(state.has_value()) << error;
        EXPECT_EQ(state->boots, GetParam().second);
    }
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Records, SimEngineBootsRecord,
                         ::testing::Values(std::pair<std::string, long>{"41\n", 42},
                                           std::pair<std::string, long>{"2147483646", 2147483647},
                                           std::pair<std::string, long>{"2147483647", 2147483647},
                                           std::pair<std::string, long>{"2147483648", 0},
                                           std::pair<std::string, long>{"-1", 0},
                                           std::pair<std::string, long>{"", 0},
                                           std::pair<std::string, long>{"7 boots", 0}),
                         [](const auto& info) { return CaseName(info.index, info.param.first); });

TEST(SimStateFolders, OnlyFoldersOfSimulatorsThatAreGoneAreRemoved) {
    const pid_t dead = fork();
    if (dead == 0) {
        _exit(0);
    }
    ASSERT_GT(dead, 0);
    waitpid(dead, nullptr, 0);
    const fs::path tmp = EmptyFolder("stale");
    const std::string gone = "vanta-sim-" + std::to_string(dead);
    fs::create_directories(tmp / (gone + "-abcdef") / "persist");
    const std::vector<fs::path> kept = {
        tmp / ("vanta-sim-" + std::to_string(getpid()) + "-abcdef"),  // still running
        tmp / (gone + "-abc"), tmp / "vanta-sim-notes", tmp / "vanta-sim--abcdef",
        tmp / "elsewhere"};
    for (const auto& folder : kept) {
        fs::create_directories(folder);
    }
    std::ofstream(tmp / (gone + "-filexx")) << "a file, not a folder";
    fs::create_directory_symlink(tmp / "elsewhere", tmp / (gone + "-linkxx"));

    EXPECT_EQ(RemoveStaleStateFolders(tmp), 1);
    EXPECT_FALSE(fs::exists(tmp / (gone + "-abcdef")));
    for (const auto& folder : kept) {
        EXPECT_TRUE(fs::is_directory(folder)) << folder;
    }
    EXPECT_TRUE(fs::exists(tmp / (gone + "-filexx")));
    EXPECT_TRUE(fs::is_symlink(tmp / (gone + "-linkxx")));
    const fs::path made = MakeTemporaryStateFolder(tmp);
    EXPECT_EQ(made.filename().string().rfind("vanta-sim-" + std::to_string(getpid()) + "-", 0), 0u);
    EXPECT_EQ(RemoveStaleStateFolders(tmp), 0);
    fs::remove_all(tmp);
}
