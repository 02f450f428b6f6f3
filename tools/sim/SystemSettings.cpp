#include "SystemSettings.h"

#include "TableRows.h"

namespace vsim::settings {

namespace {

Oid O(std::string_view text) {
    return *ParseOid(text);
}

const Oid kConfigInfoEntry = O("1.3.6.1.4.1.99917.12.1.2.8.1.1");
const Oid kCurrentImage = O("1.3.6.1.4.1.99917.12.1.2.8.2.0");
const Oid kBootImage = O("1.3.6.1.4.1.99917.12.1.2.8.3.0");
const Oid kProbeReset = O("1.3.6.1.2.1.16.19.5.0");

// Summer-time scalars and where their month lies.
constexpr std::uint32_t kRepeatingStart = 3;
constexpr std::uint32_t kRepeatingEnd = 4;
constexpr std::size_t kRepeatingMonth = 3;
constexpr std::uint32_t kAnnualStart = 5;
constexpr std::uint32_t kAnnualEnd = 6;
constexpr std::size_t kAnnualMonth = 1;

constexpr std::uint32_t kConfigAction = 2;
constexpr std::uint32_t kConfigVersion = 2;  // a column every stored image has
constexpr std::int64_t kActivate = 1;
constexpr std::int64_t kDelete = 2;
constexpr std::int64_t kBoot = 3;
constexpr std::int64_t kNoAction = 4;
constexpr std::int64_t kProbeRunning = 1;

bool SameMonth(const RowView& row, std::uint32_t start, std::uint32_t end, std::size_t at) {
    const std::string from = OctetsIn(row, start).value_or("");
    const std::string to = OctetsIn(row, end).value_or("");
    return from.size() > at && to.size() > at && from[at] == to[at];
}

bool ImageStored(const MibModel& model, std::uint32_t image) {
    return model.Find(Join(kConfigInfoEntry, {kConfigVersion, image})) != nullptr;
}

bool Names(const MibModel& model, const Oid& scalar, std::uint32_t image) {
    const MibValue* value = model.Find(scalar);
    return value != nullptr && value->number == image;
}

}  // namespace

const Oid kSummerTime = O("1.3.6.1.4.1.99917.12.10.12");
const Oid kConfigImageEntry = O("1.3.6.1.4.1.99917.12.1.2.8.4.1");

bool SummerTimeFits(const RowView& row, const RowPlace&) {
    return !SameMonth(row, kRepeatingStart, kRepeatingEnd, kRepeatingMonth) &&
           !SameMonth(row, kAnnualStart, kAnnualEnd, kAnnualMonth);
}

bool ConfigImageFits(const RowView& row, const RowPlace& place) {
    if (place.index.size() != 1) {
        return false;
    }
    const std::uint32_t image = place.index.front();
    switch (NumberIn(row, kConfigAction)) {
        case kActivate:
        case kBoot:
            return ImageStored(place.model, image);
        case kDelete:
            return !Names(place.model, kCurrentImage, image) &&
                   !Names(place.model, kBootImage, image);
        default:
            return true;
    }
}

std::vector<ModelWrite> CarryOut(MibModel& model, const std::vector<ModelWrite>& writes) {
    std::vector<ModelWrite> changes;
    const auto put = [&](const Oid& oid, const MibValue& value) {
        model.Put(oid, value);
        changes.push_back({oid, value});
    };
    const Oid action = Join(kConfigImageEntry, {kConfigAction});
    for (const ModelWrite& write : writes) {
        if (!write.value) {
            continue;
        }
        const std::int64_t number = write.value->number;
        if (IsPrefix(action, write.oid) && write.oid.size() == action.size() + 1 &&
            number != kNoAction) {
            const std::uint32_t image = write.oid.back();
            const MibValue named = MibValue::Integer(image);
            if (number == kActivate) {
                put(kCurrentImage, named);
            } else if (number == kBoot) {
                put(kBootImage, named);
            } else if (number == kDelete) {
                TableRule info;
                info.entry = kConfigInfoEntry;
                for (const auto& [column, value] : ReadRow(model, info, {image})) {
                    const Oid oid = Join(kConfigInfoEntry, {column, image});
                    model.Erase(oid);
                    changes.push_back({oid, std::nullopt});
                }
            }
            put(write.oid, MibValue::Integer(kNoAction));
        } else if (write.oid == kProbeReset && number != kProbeRunning) {
            put(kProbeReset, MibValue::Integer(kProbeRunning));
        }
    }
    return changes;
}

}  // namespace vsim::settings
