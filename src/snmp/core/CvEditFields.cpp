#include "CvEditFields.h"

#include <cmath>

#include "CvDateTime.h"
#include "CvErrorCodes.h"
#include "CvException.h"
#include "CvOidText.h"
#include "CvPackedField.h"
#include "CvRealDateTime.h"
#include "CvSNMPVar.h"
#include "CvTextUtil.h"
#include "CvTimeTicks.h"
#include "CvValueCheck.h"

namespace {

using namespace CvSyntax;

constexpr std::uint32_t kTicksPerDay = 8640000;
constexpr double kDaysTo1970 = 25569.0;  // from 30 December 1899
constexpr double kMsPerDay = 86400000.0;

std::uint32_t LittleEndian32(std::string_view bytes) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i) {
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return v;
}

std::string LittleEndianBytes(std::uint32_t v) {
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// Days since 1 January 1970 of a civil date, and back (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

std::size_t HexEditsNeeded(std::uint32_t syntax, std::size_t bytes) {
    return syntax == macaddress ? 6 : syntax == ipv6address ? 16 : bytes;
}

// A number of one edit of a group: an empty edit counts as 0, as an empty
// hexadecimal edit counts as "00"; anything but a whole number of the range
// raises common 8.
std::uint64_t FieldNumber(std::string_view field, std::uint64_t max = 0xFFFFFFFFu) {
    return Trim(field).empty() ? 0 : UnsignedOfText(field, max);
}

}  // namespace

bool EditFieldsKeepOnNull(std::uint32_t syntax) {
    switch (syntax) {
        case ipaddress:
        case nsapaddr:
        case timeticks:
        case macaddress:
        case datetime:
        case bcdatetime:
        case ipv6address:
            return true;
        default:
            return false;
    }
}

std::vector<std::string> EditFieldsOfValue(std::uint32_t syntax, std::string_view bytes,
                                           std::string_view text, std::size_t edits) {
    std::vector<std::string> fields;
    std::size_t needed = 1;
    switch (syntax) {
        case bitstr:
        case octetstr:
        case opaque:
        case macaddress:
        case ipv6address:
            needed = HexEditsNeeded(syntax, bytes.size());
            for (const char c : bytes) {
                fields.push_back(BytesToHex(std::string(1, c)));
            }
            break;
        case objectid: {
            std::vector<std::uint32_t> subids;
            ParseOidText(text, subids);
            needed = subids.size();
            for (const std::uint32_t v : subids) {
                fields.push_back(std::to_string(v));
            }
            break;
        }
        case ipaddress:
        case nsapaddr:
            needed = 4;
            for (const char c : bytes.substr(0, 4)) {
                fields.push_back(std::to_string(static_cast<unsigned char>(c)));
            }
            break;
        case timeticks: {
            needed = 5;
            const std::uint32_t t = LittleEndian32(bytes);
            fields = {std::to_string(t / kTicksPerDay), std::to_string(t / 360000 % 24),
                      std::to_string(t / 6000 % 60), std::to_string(t / 100 % 60),
                      std::to_string(t % 100)};
            break;
        }
        case datetime: {
            needed = 10;
            const CvDateTime dt = CvDateTime::FromBytes(bytes);
            fields = {std::to_string(dt.Year),        std::to_string(dt.Month),
                      std::to_string(dt.Day),         std::to_string(dt.Hour),
                      std::to_string(dt.Minutes),     std::to_string(dt.Seconds),
                      std::to_string(dt.DeciSeconds), std::string(1, dt.Direction),
                      std::to_string(dt.UtcHours),    std::to_string(dt.UtcMinutes)};
            break;
        }
        case bcdatetime: {
            needed = 7;
            if (bytes.size() >= 8) {
                const double value = BytesToDouble(bytes);
                const double days = std::floor(value);
                const auto ms = static_cast<std::int64_t>(std::llround((value - days) * kMsPerDay));
                std::int64_t y = 0;
                unsigned m = 0;
                unsigned d = 0;
                CivilFromDays(static_cast<std::int64_t>(days - kDaysTo1970), y, m, d);
                fields = {std::to_string(y),
                          std::to_string(m),
                          std::to_string(d),
                          std::to_string(ms / 3600000),
                          std::to_string(ms / 60000 % 60),
                          std::to_string(ms / 1000 % 60),
                          std::to_string(ms % 1000)};
            }
            break;
        }
        default:
            fields.emplace_back(text);
            break;
    }
    if (edits < needed) {
        CvRaise(kErrTooFewControls);
    }
    fields.resize(edits);
    return fields;
}

std::string FieldOfEditFields(std::uint32_t syntax, const std::vector<std::string>& fields) {
    auto field = [&](std::size_t k) -> std::string_view {
        return k < fields.size() ? std::string_view(fields[k]) : std::string_view();
    };
    switch (syntax) {
        case bitstr:
        case octetstr:
        case opaque:
        case macaddress:
        case ipv6address: {
            std::string hex;
            for (const std::string& f : fields) {
                if (f.size() < 2) {
                    hex.append(2 - f.size(), '0');
                }
                hex += f;
            }
            return HexToBytes(hex);
        }
        case objectid:
        case ipaddress:
        case nsapaddr: {
            std::string dotted;
            for (const std::string& f : fields) {
                if (!dotted.empty()) {
                    dotted += '.';
                }
                dotted += std::to_string(FieldNumber(f));
            }
            return TextToField(syntax, dotted);
        }
        case timeticks: {
            const std::uint64_t ticks =
                FieldNumber(field(0)) * kTicksPerDay + FieldNumber(field(1)) * 360000 +
                FieldNumber(field(2)) * 6000 + FieldNumber(field(3)) * 100 + FieldNumber(field(4));
            return LittleEndianBytes(TimeTicksOfCount(ticks));
        }
        case datetime: {
            CvDateTime dt;
            dt.Year = static_cast<std::uint16_t>(FieldNumber(field(0), 0xFFFF));
            dt.Month = static_cast<std::uint8_t>(FieldNumber(field(1), 0xFF));
            dt.Day = static_cast<std::uint8_t>(FieldNumber(field(2), 0xFF));
            dt.Hour = static_cast<std::uint8_t>(FieldNumber(field(3), 0xFF));
            dt.Minutes = static_cast<std::uint8_t>(FieldNumber(field(4), 0xFF));
            dt.Seconds = static_cast<std::uint8_t>(FieldNumber(field(5), 0xFF));
            dt.DeciSeconds = static_cast<std::uint8_t>(FieldNumber(field(6), 0xFF));
            dt.Direction = field(7) == "-" ? '-' : '+';
            dt.UtcHours = static_cast<std::uint8_t>(FieldNumber(field(8), 0xFF));
            dt.UtcMinutes = static_cast<std::uint8_t>(FieldNumber(field(9), 0xFF));
            return dt.ToBytes();
        }
        case bcdatetime: {
            const std::int64_t year =
                Trim(field(0)).empty() ? 0 : IntegerOfText(field(0), -9999, 9999);
            const std::int64_t days =
                DaysFromCivil(year, static_cast<unsigned>(FieldNumber(field(1), 12)),
                              static_cast<unsigned>(FieldNumber(field(2), 31)));
            const double ms = static_cast<double>(FieldNumber(field(3))) * 3600000.0 +
                              static_cast<double>(FieldNumber(field(4))) * 60000.0 +
                              static_cast<double>(FieldNumber(field(5))) * 1000.0 +
                              static_cast<double>(FieldNumber(field(6)));
            return DoubleToBytes(static_cast<double>(days) + kDaysTo1970 + ms / kMsPerDay);
        }
        default:
            return TextToField(syntax, field(0));
    }
}
