#include "PortModel.h"

namespace vsim {

namespace {

constexpr char kPowerOn = 0x03;  // green
constexpr char kConsoleIdle = 0x00;
constexpr char kRpsAbsent = 0x00;
constexpr char kNoLink = 0x01;
constexpr char kLink = 0x02;
constexpr char kActivity = static_cast<char>(0x80);
constexpr char kGreen = 0x03;   // 1000 Mbps
constexpr char kOrange = 0x01;  // 10/100 Mbps

// One chance in `n`.
bool Chance(std::mt19937_64& random, std::uint64_t n) {
    return random() % n == 0;
}

}  // namespace

std::optional<Medium> Port::ActiveMedium() const {
    if (combo && LinkUp(kFibre)) {
        return kFibre;
    }
    if (LinkUp(kCopper)) {
        return kCopper;
    }
    return std::nullopt;
}

bool Port::Gigabit() const {
    if (ActiveMedium() == kFibre) {
        return true;
    }
    switch (forced) {
        case LinkSpeed::Auto:
            return partnerGigabit;
        case LinkSpeed::Full1000:
            return true;
        default:
            return false;
    }
}

bool Port::FullDuplex() const {
    return forced != LinkSpeed::Half10 && forced != LinkSpeed::Half100;
}

PortModel::PortModel(std::uint64_t seed) : random_(seed) {
    for (int p = 1; p <= kPorts; ++p) {
        Port& port = At(p);
        port.combo = p >= kFirstCombo;
        // About two ports in three have a partner; a few are Fast Ethernet.
        // The chance is drawn for the uplink too, so every seed's life stays.
        port.partner[kCopper] = p != kFibrePort && (!Chance(random_, 3) || p == kUplinkPort);
        port.partnerGigabit = !Chance(random_, 4);
        port.partner[kFibre] = p == kFibrePort;
    }
}

void PortModel::Step(std::uint32_t now) {
    for (int p = 1; p <= kPorts; ++p) {
        Port& port = At(p);
        // A cable is plugged or pulled on some port every few seconds; the
        // fibre link of the combo port stays.
        if (p != kFibrePort && Chance(random_, 300)) {
            const bool wasUp = port.Up();
            port.partner[kCopper] = !port.partner[kCopper];
            if (port.Up() != wasUp) {
                port.lastChange = now;
            }
        }
        // One draw a port and second, as ever: the activity LED blinks on
        // three seconds in five of a linked port.
        const std::uint64_t draw = random_();
        port.active = port.Up() && draw % 5 < 3;
    }
}

void PortModel::SetEnabled(int port, Medium medium, bool enabled, std::uint32_t now) {
    Port& p = At(port);
    const bool wasUp = p.Up();
    p.enabled[medium] = enabled;
    if (p.Up() != wasUp) {
        p.lastChange = now;
        p.active = p.active && p.Up();
    }
}

std::string PortModel::LedString() const {
    std::string leds{kPowerOn, kConsoleIdle, kRpsAbsent};
    for (const Port& port : ports_) {
        if (!port.Up()) {
            leds += kNoLink;
            leds += '\0';
            continue;
        }
        leds += static_cast<char>(kLink | (port.active ? kActivity : 0));
        leds += port.Gigabit() ? kGreen : kOrange;
    }
    return leds;
}

}  // namespace vsim
