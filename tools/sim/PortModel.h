#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace vsim {

enum Medium { kCopper = 0, kFibre = 1 };

// Forced speeds of the port control table's nway setting.
enum class LinkSpeed { Auto, Half10, Full10, Half100, Full100, Full1000 };

struct Port {
    bool combo = false;
    std::array<bool, 2> partner{};            // a link partner is plugged into the medium
    std::array<bool, 2> enabled{true, true};  // administrative state
    bool partnerGigabit = true;
    LinkSpeed forced = LinkSpeed::Auto;
    bool active = false;           // traffic during the last second
    std::uint32_t lastChange = 0;  // hundredths of a second since start

    bool LinkUp(Medium m) const { return partner[m] && enabled[m]; }
    // The medium carrying the link; a combo port prefers its fibre side.
    std::optional<Medium> ActiveMedium() const;
    bool Up() const { return ActiveMedium().has_value(); }
    bool Gigabit() const;
    bool FullDuplex() const;
};

// The 24 ports of a Vanta-A and how they live: which have a partner and
// which blink with traffic (the counters are TrafficCounters'). Everything
// random comes from one generator seeded at start, one step per second, so a
// seed replays the same life.
class PortModel {
public:
    static constexpr int kPorts = 24;
    static constexpr int kFirstCombo = 21;
    static constexpr int kFibrePort = 22;  // the combo port with a fibre module and partner
    // The uplink: linked at start whatever the seed, so that RMON's alarm on
    // its errors has something to watch.
    static constexpr int kUplinkPort = 1;

    explicit PortModel(std::uint64_t seed);

    Port& At(int port) { return ports_[static_cast<std::size_t>(port - 1)]; }
    const Port& At(int port) const { return ports_[static_cast<std::size_t>(port - 1)]; }

    // One second of life ending at `now` (hundredths since start): links come
    // and go now and then, linked ports blink with traffic.
    void Step(std::uint32_t now);

    // Sets the administrative state of one medium; a link change is stamped.
    void SetEnabled(int port, Medium medium, bool enabled, std::uint32_t now);
    void SetForced(int port, LinkSpeed speed) { At(port).forced = speed; }

    // The front-panel LED string: power, console and RPS bytes, then a link
    // byte (1 = no link, 0x80 = activity) and a colour byte per port.
    std::string LedString() const;

private:
    std::mt19937_64 random_;
    std::array<Port, kPorts> ports_{};
};

}  // namespace vsim
