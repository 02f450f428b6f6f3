// The switch's standard statistics as time passes, with the device's clock
// driven by the test: growth only over a link, the management interface's
// steady traffic, the 32-bit counters as the low half of the 64-bit ones,
// the wrap of the busiest port, the clear order, and RMON's history buckets
// and alarms.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BehaviourRules.h"
#include "MibModel.h"
#include "SnmprecLoader.h"
#include "TrafficCounters.h"
#include "VantaDevice.h"

using namespace vsim;

namespace {

Oid O(const std::string& text) {
    return ParseOid(text).value();
}

std::string At(const std::string& column, int port) {
    return column + "." + std::to_string(port);
}

// The shipped switch with its clock in the test's hands.
struct Switch {
    Switch() {
        const std::filesystem::path data(VANTA_SIM_DATA_DIR);
        for (const auto& file : WithAreaFiles(data / "vanta-a.rules")) {
            EXPECT_EQ(rules.Load(file.string()), std::vector<std::string>{});
        }
        for (const auto& file : WithAreaFiles(data / "vanta-a.snmprec")) {
            EXPECT_EQ(LoadSnmprec(file.string(), rules.Served(), model),
                      std::vector<std::string>{});
        }
        device.Start(start);
    }

    // Brings the switch to `hundredths` after its start.
    void To(std::uint32_t hundredths) {
        device.Advance(start + std::chrono::milliseconds(hundredths * 10));
    }

    MibValue Read(const std::string& oid) const {
        const MibValue* stored = model.Find(O(oid));
        EXPECT_NE(stored, nullptr) << oid;
        return stored != nullptr ? device.Reading(O(oid), *stored) : MibValue{};
    }

    std::uint64_t Number(const std::string& oid) const {
        const MibValue value = Read(oid);
        return value.syntax == Syntax::Counter64 ? value.counter64
                                                 : static_cast<std::uint64_t>(value.number);
    }

    BehaviourRules rules;
    MibModel model;
    VantaDevice device{model, rules, 1};
    VantaDevice::Clock::time_point start = VantaDevice::Clock::now();
};

const std::string kIf = "1.3.6.1.2.1.2.2.1.";
const std::string kIfX = "1.3.6.1.2.1.31.1.1.1.";
const std::string kDot3 = "1.3.6.1.2.1.10.7.2.1.";
const std::string kEtherStats = "1.3.6.1.2.1.16.1.1.1.";
const std::string kTpPort = "1.3.6.1.2.1.17.4.4.1.";
const std::string kTpHcPort = "1.3.6.1.2.1.17.4.5.1.";
const std::string kHistory = "1.3.6.1.2.1.16.2.2.1.";
const std::string kAlarm = "1.3.6.1.2.1.16.3.1.1.";
const std::string kEvent = "1.3.6.1.2.1.16.9.1.1.";

}  // namespace

TEST(SimTraffic, APortCountsOnlyWhileItsLinkIsUp) {
    struct Change {
        std::uint32_t at;
        bool up;
    };
    struct Case {
        const char* name;
        std::vector<Change> changes;  // the port starts up
        std::uint32_t upTime;         // of the 1000 hundredths read
    };
    const Case cases[] = {
        {"always up", {}, 1000},
        {"down from the start", {{0, false}}, 0},
        {"up late", {{0, false}, {300, true}}, 700},
        {"down a while", {{200, false}, {500, true}}, 700},
        {"down for good", {{400, false}}, 400},
    };
    constexpr int kPort = 3;
    for (const Case& c : cases) {
        PortModel ports(1);
        ports.At(kPort).partner[kCopper] = true;
        TrafficCounters reference(ports, 1);
        TrafficCounters traffic(ports, 1);
        for (const Change& change : c.changes) {
            ports.SetEnabled(kPort, kCopper, change.up, change.at);
            traffic.Track(ports, change.at);
        }
        EXPECT_EQ(traffic.At(kPort, 1000).values, reference.At(kPort, c.upTime).values) << c.name;
    }
}

TEST(SimTraffic, ClearingStartsEveryPortFromZero) {
    PortModel ports(1);
    TrafficCounters traffic(ports, 1);
    const int busy = TrafficCounters::kWrappingPort;
    EXPECT_GT(traffic.At(busy, 0)[Count::InOctets], 0u) << "the busiest port starts high";
    const auto management = [&](std::uint32_t now) {
        return traffic.At(TrafficCounters::kManagementInterface, now)[Count::InOctets];
    };
    traffic.Clear(500);
    EXPECT_EQ(traffic.At(busy, 500)[Count::InOctets], 0u);
    EXPECT_EQ(traffic.At(busy, 600)[Count::InOctets], 25'000'000u);
    // 6 s at 1,915.2 octets a second, the clear notwithstanding.
    EXPECT_EQ(management(600), 11'491u);
}

TEST(SimTraffic, NarrowCountersAreTheLowHalfOfTheWideOnesAndTheTablesAgree) {
    struct Pair {
        std::string narrow, wide;
    };
    const std::vector<Pair> pairs = {
        {kIf + "10", kIfX + "6"},         {kIf + "11", kIfX + "7"},
        {kIfX + "2", kIfX + "8"},         {kIfX + "3", kIfX + "9"},
        {kIf + "16", kIfX + "10"},        {kIf + "17", kIfX + "11"},
        {kIfX + "4", kIfX + "12"},        {kIfX + "5", kIfX + "13"},
        {kTpPort + "3", kTpHcPort + "1"}, {kTpPort + "4", kTpHcPort + "2"},
        {kTpPort + "5", kTpHcPort + "3"}, {kEtherStats + "4", kIfX + "6"},
    };
    Switch sw;
    for (const std::uint32_t now : {0u, 6037u, 12100u}) {
        sw.To(now);
        for (int port = 1; port <= 24; ++port) {
            for (const Pair& pair : pairs) {
                EXPECT_EQ(sw.Number(At(pair.narrow, port)),
                          sw.Number(At(pair.wide, port)) & 0xFFFFFFFFu)
                    << pair.narrow << " port " << port << " at " << now;
            }
            const auto n = [&](const std::string& column) { return sw.Number(At(column, port)); };
            EXPECT_EQ(n(kIf + "12"), (n(kIfX + "2") + n(kIfX + "3")) & 0xFFFFFFFFu) << port;
            EXPECT_EQ(n(kIf + "14"), n(kDot3 + "2") + n(kDot3 + "3") + n(kDot3 + "13") +
                                         n(kDot3 + "16") + n(kDot3 + "18"))
                << port;
            EXPECT_EQ(n(kIf + "20"), n(kDot3 + "8") + n(kDot3 + "10") + n(kDot3 + "11")) << port;
            EXPECT_EQ(n(kTpPort + "3"), (n(kIf + "11") + n(kIf + "12")) & 0xFFFFFFFFu) << port;
            std::uint64_t sizes = 0;
            for (int bucket = 14; bucket <= 19; ++bucket) {
                sizes += n(kEtherStats + std::to_string(bucket));
            }
            EXPECT_EQ(sizes & 0xFFFFFFFFu, n(kEtherStats + "5")) << port;
        }
    }
}

TEST(SimTraffic, TheManagementInterfaceCarriesTheSwitchsOwnTrafficWithoutErrors) {
    constexpr int kManagement = TrafficCounters::kManagementInterface;
    const std::pair<std::string, std::uint64_t> growth[] = {
        {kIf + "10", 191'520}, {kIf + "11", 1500}, {kIf + "12", 96},    {kIf + "14", 0},
        {kIf + "16", 270'000}, {kIf + "17", 1500}, {kIf + "20", 0},     {kIfX + "6", 191'520},
        {kIfX + "2", 60},      {kIfX + "3", 36},   {kIfX + "11", 1500},
    };
    Switch sw;
    std::vector<std::uint64_t> first;
    for (const auto& [column, per100s] : growth) {
        first.push_back(sw.Number(At(column, kManagement)));
    }
    sw.To(10000);
    for (std::size_t i = 0; i < std::size(growth); ++i) {
        EXPECT_EQ(sw.Number(At(growth[i].first, kManagement)) - first[i], growth[i].second)
            << growth[i].first;
    }
}

TEST(SimTraffic, TheBusiestPortWrapsItsOctetsWithinMinutesAndErrorsGrowSomewhere) {
    Switch sw;
    const std::string in = At(kIf + "10", TrafficCounters::kWrappingPort);
    const std::string wide = At(kIfX + "6", TrafficCounters::kWrappingPort);
    sw.To((TrafficCounters::kWrapAfter - 1) * 100);
    const std::uint64_t before = sw.Number(in);
    EXPECT_GT(before, 0xF0000000u);
    sw.To((TrafficCounters::kWrapAfter + 1) * 100);
    EXPECT_LT(sw.Number(in), before) << "wrapped";
    EXPECT_GT(sw.Number(wide), 0xFFFFFFFFu);
    std::uint64_t errors = 0;
    for (int port = 1; port <= 24; ++port) {
        errors += sw.Number(At(kIf + "14", port)) + sw.Number(At(kIf + "20", port));
    }
    EXPECT_GT(errors, 0u);
    EXPECT_FALSE(sw.device.Traffic().NoisyPorts().empty());
}

TEST(SimTraffic, TheClearOrderZeroesThePortsAndMarksTheDiscontinuity) {
    Switch sw;
    const int port = TrafficCounters::kWrappingPort;
    sw.To(1000);
    sw.device.Committed(
        {{O("1.3.6.1.4.1.99917.11.70.1.2.1.2.5.0"), MibValue::Integer(2)}});  // clear
    EXPECT_EQ(sw.Number(At(kIfX + "6", port)), 0u);
    EXPECT_EQ(sw.Number(At(kEtherStats + "4", port)), 0u);
    EXPECT_EQ(sw.Number(At(kIfX + "19", port)), 1000u) << "ifCounterDiscontinuityTime";
    sw.To(1100);
    EXPECT_GT(sw.Number(At(kIfX + "6", port)), 0u);
}

TEST(SimTraffic, EverySeedMakesTheUplinkTheFirstNoisyPortForTheAlarmToWatch) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const PortModel ports(seed);
        const TrafficCounters traffic(ports, seed);
        ASSERT_FALSE(traffic.NoisyPorts().empty()) << seed;
        EXPECT_EQ(traffic.NoisyPorts().front(), PortModel::kUplinkPort) << seed;
    }
}

TEST(SimTraffic, HistoryBucketsAndAlarmsSampleTheCounters) {
    Switch sw;
    const int busy = TrafficCounters::kWrappingPort;
    // historyControl 1 takes port 22 every 30 s; alarm 1 the errors of port 1 every minute.
    std::vector<std::uint64_t> octets;
    std::vector<std::uint64_t> errors;
    for (const std::uint32_t now : {0u, 3000u, 6000u}) {
        sw.To(now);
        octets.push_back(sw.Number(At(kEtherStats + "4", busy)));
        errors.push_back(sw.Number(kIf + "14.1"));
    }
    sw.To(6100);
    for (std::uint32_t sample = 1; sample <= 2; ++sample) {
        const std::string bucket = ".1." + std::to_string(sample);
        EXPECT_EQ(sw.Number(kHistory + "3" + bucket), (sample - 1) * 3000) << sample;
        EXPECT_EQ(sw.Number(kHistory + "5" + bucket),
                  (octets[sample] - octets[sample - 1]) & 0xFFFFFFFFu)
            << sample;
    }
    EXPECT_EQ(sw.Number(kHistory + "3.1.3"), 6000u) << "the bucket in progress";
    EXPECT_EQ(sw.model.Find(O(kHistory + "3.1.4")), nullptr);

    // Port 1 is the first noisy port of seed 1: its errors cross the threshold.
    ASSERT_EQ(sw.device.Traffic().NoisyPorts().front(), 1);
    const std::uint64_t delta = errors[2] - errors[0];
    EXPECT_EQ(sw.Number(kAlarm + "5.1"), delta);
    EXPECT_GE(static_cast<std::int64_t>(delta), sw.Read(kAlarm + "7.1").number);
    EXPECT_EQ(sw.Number(kEvent + "5.1"), 6000u) << "the rising event's last sending";
}
