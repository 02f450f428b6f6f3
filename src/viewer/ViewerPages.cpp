#include "ViewerPages.h"

#include <algorithm>

#include "CatalogueData.h"
#include "ViewerOptions.h"

namespace {

using namespace CvSyntax;
using namespace viewer_options;
using mib_catalogue::kEnabledDisabled;
using mib_catalogue::kRowStatus;
using mib_catalogue::kTruthValue;

constexpr std::uint32_t kKey = CvAccess::notaccess;
// The last index of a fixed-length string, encoded without its length.
constexpr std::uint32_t kKeyFixed = CvAccess::notaccess | CvAccess::implied;
// An index the walk asks for itself: its table has no other column.
constexpr std::uint32_t kKeyRead = CvAccess::notaccess | CvAccess::readonly;
constexpr std::uint32_t kRo = CvAccess::readonly;

// Scalars whose answer tells whether the device has a table's group.
const char kIfNumber[] = "1.3.6.1.2.1.2.1.0";
const char kIpForwarding0[] = "1.3.6.1.2.1.4.1.0";
const char kIpCidrRouteNumber[] = "1.3.6.1.2.1.4.24.3.0";
const char kUdpInDatagrams[] = "1.3.6.1.2.1.7.1.0";
const char kDot1dBaseNumPorts[] = "1.3.6.1.2.1.17.1.2.0";
const char kDot1dTpAgingTime[] = "1.3.6.1.2.1.17.4.2.0";
const char kRip2GlobalRouteChanges[] = "1.3.6.1.2.1.23.1.1.0";
const char kOspfRouterId[] = "1.3.6.1.2.1.14.1.1.0";
const char kIpMRouteEnable[] = "1.3.6.1.2.1.83.1.1.1.0";
const char kDvmrpVersionString[] = "1.3.6.1.3.62.1.1.1.1.0";
const char kPimJoinPruneInterval[] = "1.3.6.1.3.61.1.1.1.0";

// MIBs without a scalar of their own.
const char kEtherLikeMib[] = "1.3.6.1.2.1.10.7";
const char kRmonMib[] = "1.3.6.1.2.1.16";

// ---- MIB-II and IF-MIB --------------------------------------------------

const CvSNMPVarDesc kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", displaystr, kRo},
    {"1.3.6.1.2.1.1.2", "Object ID", objectid, kRo},
    {"1.3.6.1.2.1.1.3", "Up Time", timeticks, kRo},
    {"1.3.6.1.2.1.1.4", "Contact", displaystr, kRo},
    {"1.3.6.1.2.1.1.5", "Name", displaystr, kRo},
    {"1.3.6.1.2.1.1.6", "Location", displaystr, kRo},
    {"1.3.6.1.2.1.1.7", "Services", integer, kRo},
    {},
};

// ifXTable's columns share ifTable's index, so one walk reads both.
const CvSNMPVarDesc kInterfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.2.2.1.2", "Description", displaystr, kRo},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", displaystr, kRo},
    {"1.3.6.1.2.1.2.2.1.3", "Type", integer, kRo, &kIfType},
    {"1.3.6.1.2.1.2.2.1.4", "MTU", integer, kRo},
    {"1.3.6.1.2.1.2.2.1.5", "Speed (bit/s)", guage, kRo},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed (Mbit/s)", guage, kRo},
    {"1.3.6.1.2.1.2.2.1.6", "Physical Address", macaddress, kRo},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", integer, kRo, &kIfAdminStatus},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", integer, kRo, &kIfOperStatus},
    {"1.3.6.1.2.1.2.2.1.9", "Last Change", timeticks, kRo},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", displaystr, kRo},
    {},
};

const char kInOctets[] = "1.3.6.1.2.1.2.2.1.10";
const char kInErrors[] = "1.3.6.1.2.1.2.2.1.14";
const char kOutOctets[] = "1.3.6.1.2.1.2.2.1.16";
const char kOutErrors[] = "1.3.6.1.2.1.2.2.1.20";

const CvSNMPVarDesc kInterfaceCounters[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.2.2.1.2", "Description", displaystr, kRo},
    {kInOctets, "In Octets", counter, kRo},
    {"1.3.6.1.2.1.2.2.1.11", "In Unicast Packets", counter, kRo},
    {"1.3.6.1.2.1.2.2.1.12", "In Non-Unicast Packets", counter, kRo},
    {"1.3.6.1.2.1.2.2.1.13", "In Discards", counter, kRo},
    {kInErrors, "In Errors", counter, kRo},
    {"1.3.6.1.2.1.2.2.1.15", "In Unknown Protocols", counter, kRo},
    {kOutOctets, "Out Octets", counter, kRo},
    {"1.3.6.1.2.1.2.2.1.17", "Out Unicast Packets", counter, kRo},
    {"1.3.6.1.2.1.2.2.1.18", "Out Non-Unicast Packets", counter, kRo},
    {"1.3.6.1.2.1.2.2.1.19", "Out Discards", counter, kRo},
    {kOutErrors, "Out Errors", counter, kRo},
    {},
};

const char* const kInterfacePlot[] = {kInOctets, kOutOctets, kInErrors, kOutErrors};

const CvSNMPVarDesc kIpCounters[] = {
    {"1.3.6.1.2.1.4.1", "Forwarding", integer, kRo, &kIpForwarding},
    {"1.3.6.1.2.1.4.2", "Default TTL", integer, kRo},
    {"1.3.6.1.2.1.4.3", "In Receives", counter, kRo},
    {"1.3.6.1.2.1.4.4", "In Header Errors", counter, kRo},
    {"1.3.6.1.2.1.4.5", "In Address Errors", counter, kRo},
    {"1.3.6.1.2.1.4.6", "Forwarded Datagrams", counter, kRo},
    {"1.3.6.1.2.1.4.7", "In Unknown Protocols", counter, kRo},
    {"1.3.6.1.2.1.4.8", "In Discards", counter, kRo},
    {"1.3.6.1.2.1.4.9", "In Delivers", counter, kRo},
    {"1.3.6.1.2.1.4.10", "Out Requests", counter, kRo},
    {"1.3.6.1.2.1.4.11", "Out Discards", counter, kRo},
    {"1.3.6.1.2.1.4.12", "Out No Routes", counter, kRo},
    {"1.3.6.1.2.1.4.13", "Reassembly Timeout (s)", integer, kRo},
    {"1.3.6.1.2.1.4.14", "Reassembly Required", counter, kRo},
    {"1.3.6.1.2.1.4.15", "Reassembly OK", counter, kRo},
    {"1.3.6.1.2.1.4.16", "Reassembly Failures", counter, kRo},
    {"1.3.6.1.2.1.4.17", "Fragmentation OK", counter, kRo},
    {"1.3.6.1.2.1.4.18", "Fragmentation Failures", counter, kRo},
    {"1.3.6.1.2.1.4.19", "Fragments Created", counter, kRo},
    {"1.3.6.1.2.1.4.23", "Routing Discards", counter, kRo},
    {},
};

const CvSNMPVarDesc kIpRoutes[] = {
    {"1.3.6.1.2.1.4.21.1.1", "Destination", ipaddress, kKey},
    {"1.3.6.1.2.1.4.21.1.11", "Mask", ipaddress, kRo},
    {"1.3.6.1.2.1.4.21.1.7", "Next Hop", ipaddress, kRo},
    {"1.3.6.1.2.1.4.21.1.2", "Interface", integer, kRo},
    {"1.3.6.1.2.1.4.21.1.8", "Type", integer, kRo, &kIpRouteType},
    {"1.3.6.1.2.1.4.21.1.9", "Protocol", integer, kRo, &kIpRouteProto},
    {"1.3.6.1.2.1.4.21.1.10", "Age (s)", integer, kRo},
    {"1.3.6.1.2.1.4.21.1.3", "Metric 1", integer, kRo},
    {"1.3.6.1.2.1.4.21.1.4", "Metric 2", integer, kRo},
    {"1.3.6.1.2.1.4.21.1.5", "Metric 3", integer, kRo},
    {"1.3.6.1.2.1.4.21.1.6", "Metric 4", integer, kRo},
    {"1.3.6.1.2.1.4.21.1.12", "Metric 5", integer, kRo},
    {"1.3.6.1.2.1.4.21.1.13", "Info", objectid, kRo},
    {},
};

const CvSNMPVarDesc kIpCidrRoutes[] = {
    {"1.3.6.1.2.1.4.24.4.1.1", "Destination", ipaddress, kKey},
    {"1.3.6.1.2.1.4.24.4.1.2", "Mask", ipaddress, kKey},
    {"1.3.6.1.2.1.4.24.4.1.3", "TOS", integer, kKey},
    {"1.3.6.1.2.1.4.24.4.1.4", "Next Hop", ipaddress, kKey},
    {"1.3.6.1.2.1.4.24.4.1.5", "Interface", integer, kRo},
    {"1.3.6.1.2.1.4.24.4.1.6", "Type", integer, kRo, &kIpCidrRouteType},
    {"1.3.6.1.2.1.4.24.4.1.7", "Protocol", integer, kRo, &kIpRouteProto},
    {"1.3.6.1.2.1.4.24.4.1.8", "Age (s)", integer, kRo},
    {"1.3.6.1.2.1.4.24.4.1.9", "Info", objectid, kRo},
    {"1.3.6.1.2.1.4.24.4.1.10", "Next Hop AS", integer, kRo},
    {"1.3.6.1.2.1.4.24.4.1.11", "Metric 1", integer, kRo},
    {"1.3.6.1.2.1.4.24.4.1.12", "Metric 2", integer, kRo},
    {"1.3.6.1.2.1.4.24.4.1.13", "Metric 3", integer, kRo},
    {"1.3.6.1.2.1.4.24.4.1.14", "Metric 4", integer, kRo},
    {"1.3.6.1.2.1.4.24.4.1.15", "Metric 5", integer, kRo},
    {"1.3.6.1.2.1.4.24.4.1.16", "Status", integer, kRo, &kRowStatus},
    {},
};

const CvSNMPVarDesc kIpAddresses[] = {
    {"1.3.6.1.2.1.4.20.1.1", "Address", ipaddress, kKey},
    {"1.3.6.1.2.1.4.20.1.2", "Interface", integer, kRo},
    {"1.3.6.1.2.1.4.20.1.3", "Net Mask", ipaddress, kRo},
    {"1.3.6.1.2.1.4.20.1.4", "Broadcast Bit", integer, kRo},
    {"1.3.6.1.2.1.4.20.1.5", "Reassembly Max Size", integer, kRo},
    {},
};

const CvSNMPVarDesc kIcmp[] = {
    {"1.3.6.1.2.1.5.1", "In Messages", counter, kRo},
    {"1.3.6.1.2.1.5.2", "In Errors", counter, kRo},
    {"1.3.6.1.2.1.5.3", "In Destination Unreachables", counter, kRo},
    {"1.3.6.1.2.1.5.4", "In Time Exceeded", counter, kRo},
    {"1.3.6.1.2.1.5.5", "In Parameter Problems", counter, kRo},
    {"1.3.6.1.2.1.5.6", "In Source Quenches", counter, kRo},
    {"1.3.6.1.2.1.5.7", "In Redirects", counter, kRo},
    {"1.3.6.1.2.1.5.8", "In Echos", counter, kRo},
    {"1.3.6.1.2.1.5.9", "In Echo Replies", counter, kRo},
    {"1.3.6.1.2.1.5.10", "In Timestamps", counter, kRo},
    {"1.3.6.1.2.1.5.11", "In Timestamp Replies", counter, kRo},
    {"1.3.6.1.2.1.5.12", "In Address Mask Requests", counter, kRo},
    {"1.3.6.1.2.1.5.13", "In Address Mask Replies", counter, kRo},
    {"1.3.6.1.2.1.5.14", "Out Messages", counter, kRo},
    {"1.3.6.1.2.1.5.15", "Out Errors", counter, kRo},
    {"1.3.6.1.2.1.5.16", "Out Destination Unreachables", counter, kRo},
    {"1.3.6.1.2.1.5.17", "Out Time Exceeded", counter, kRo},
    {"1.3.6.1.2.1.5.18", "Out Parameter Problems", counter, kRo},
    {"1.3.6.1.2.1.5.19", "Out Source Quenches", counter, kRo},
    {"1.3.6.1.2.1.5.20", "Out Redirects", counter, kRo},
    {"1.3.6.1.2.1.5.21", "Out Echos", counter, kRo},
    {"1.3.6.1.2.1.5.22", "Out Echo Replies", counter, kRo},
    {"1.3.6.1.2.1.5.23", "Out Timestamps", counter, kRo},
    {"1.3.6.1.2.1.5.24", "Out Timestamp Replies", counter, kRo},
    {"1.3.6.1.2.1.5.25", "Out Address Mask Requests", counter, kRo},
    {"1.3.6.1.2.1.5.26", "Out Address Mask Replies", counter, kRo},
    {},
};

const CvSNMPVarDesc kUdp[] = {
    {"1.3.6.1.2.1.7.1", "In Datagrams", counter, kRo},
    {"1.3.6.1.2.1.7.2", "No Ports", counter, kRo},
    {"1.3.6.1.2.1.7.3", "In Errors", counter, kRo},
    {"1.3.6.1.2.1.7.4", "Out Datagrams", counter, kRo},
    {},
};

const CvSNMPVarDesc kUdpListeners[] = {
    {"1.3.6.1.2.1.7.5.1.1", "Local Address", ipaddress, kKeyRead},
    {"1.3.6.1.2.1.7.5.1.2", "Local Port", integer, kKey},
    {},
};

const CvSNMPVarDesc kSnmp[] = {
    {"1.3.6.1.2.1.11.1", "In Packets", counter, kRo},
    {"1.3.6.1.2.1.11.2", "Out Packets", counter, kRo},
    {"1.3.6.1.2.1.11.3", "In Bad Versions", counter, kRo},
    {"1.3.6.1.2.1.11.4", "In Bad Community Names", counter, kRo},
    {"1.3.6.1.2.1.11.5", "In Bad Community Uses", counter, kRo},
    {"1.3.6.1.2.1.11.6", "In ASN Parse Errors", counter, kRo},
    {"1.3.6.1.2.1.11.8", "In Too Bigs", counter, kRo},
    {"1.3.6.1.2.1.11.9", "In No Such Names", counter, kRo},
    {"1.3.6.1.2.1.11.10", "In Bad Values", counter, kRo},
    {"1.3.6.1.2.1.11.11", "In Read Onlys", counter, kRo},
    {"1.3.6.1.2.1.11.12", "In General Errors", counter, kRo},
    {"1.3.6.1.2.1.11.13", "In Total Request Variables", counter, kRo},
    {"1.3.6.1.2.1.11.14", "In Total Set Variables", counter, kRo},
    {"1.3.6.1.2.1.11.15", "In Get Requests", counter, kRo},
    {"1.3.6.1.2.1.11.16", "In Get Nexts", counter, kRo},
    {"1.3.6.1.2.1.11.17", "In Set Requests", counter, kRo},
    {"1.3.6.1.2.1.11.18", "In Get Responses", counter, kRo},
    {"1.3.6.1.2.1.11.19", "In Traps", counter, kRo},
    {"1.3.6.1.2.1.11.20", "Out Too Bigs", counter, kRo},
    {"1.3.6.1.2.1.11.21", "Out No Such Names", counter, kRo},
    {"1.3.6.1.2.1.11.22", "Out Bad Values", counter, kRo},
    {"1.3.6.1.2.1.11.24", "Out General Errors", counter, kRo},
    {"1.3.6.1.2.1.11.25", "Out Get Requests", counter, kRo},
    {"1.3.6.1.2.1.11.26", "Out Get Nexts", counter, kRo},
    {"1.3.6.1.2.1.11.27", "Out Set Requests", counter, kRo},
    {"1.3.6.1.2.1.11.28", "Out Get Responses", counter, kRo},
    {"1.3.6.1.2.1.11.29", "Out Traps", counter, kRo},
    {"1.3.6.1.2.1.11.30", "Authentication Traps", integer, kRo, &kEnabledDisabled},
    {"1.3.6.1.2.1.11.31", "Silent Drops", counter, kRo},
    {"1.3.6.1.2.1.11.32", "Proxy Drops", counter, kRo},
    {},
};

const CvSNMPVarDesc kArp[] = {
    {"1.3.6.1.2.1.4.22.1.1", "Interface", integer, kKey},
    {"1.3.6.1.2.1.4.22.1.3", "IP Address", ipaddress, kKey},
    {"1.3.6.1.2.1.4.22.1.2", "Physical Address", macaddress, kRo},
    {"1.3.6.1.2.1.4.22.1.4", "Type", integer, kRo, &kIpNetToMediaType},
    {},
};

const CvSNMPVarDesc kIfTableLastChange[] = {
    {"1.3.6.1.2.1.31.1.5", "Interface Table Last Change", timeticks, kRo},
    {},
};

const CvSNMPVarDesc kInterfaceChanges[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.2.2.1.2", "Description", displaystr, kRo},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", integer, kRo, &kIfOperStatus},
    {"1.3.6.1.2.1.2.2.1.9", "Last Change", timeticks, kRo},
    {"1.3.6.1.2.1.31.1.1.1.19", "Counter Discontinuity", timeticks, kRo},
    {},
};

const CvSNMPVarDesc kDot3Stats[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Interface", integer, kKey},
    {"1.3.6.1.2.1.10.7.2.1.2", "Alignment Errors", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.3", "FCS Errors", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.4", "Single Collision Frames", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.5", "Multiple Collision Frames", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.6", "SQE Test Errors", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.7", "Deferred Transmissions", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.8", "Late Collisions", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.9", "Excessive Collisions", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.10", "Internal MAC Transmit Errors", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.11", "Carrier Sense Errors", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.13", "Frame Too Longs", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.16", "Internal MAC Receive Errors", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.18", "Symbol Errors", counter, kRo},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex Status", integer, kRo, &kDuplexStatus},
    {},
};

// ---- RMON ---------------------------------------------------------------

const CvSNMPVarDesc kEtherStats[] = {
    {"1.3.6.1.2.1.16.1.1.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.16.1.1.1.2", "Data Source", objectid, kRo},
    {"1.3.6.1.2.1.16.1.1.1.3", "Drop Events", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.4", "Octets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.5", "Packets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.6", "Broadcast Packets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.7", "Multicast Packets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.8", "CRC Align Errors", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.9", "Undersize Packets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.10", "Oversize Packets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.11", "Fragments", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.12", "Jabbers", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.13", "Collisions", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.14", "64 Octets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.15", "65-127 Octets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.16", "128-255 Octets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.17", "256-511 Octets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.18", "512-1023 Octets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.19", "1024-1518 Octets", counter, kRo},
    {"1.3.6.1.2.1.16.1.1.1.20", "Owner", displaystr, kRo},
    {"1.3.6.1.2.1.16.1.1.1.21", "Status", integer, kRo, &kEntryStatus},
    {},
};

const CvSNMPVarDesc kHistoryControl[] = {
    {"1.3.6.1.2.1.16.2.1.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.16.2.1.1.2", "Data Source", objectid, kRo},
    {"1.3.6.1.2.1.16.2.1.1.3", "Buckets Requested", integer, kRo},
    {"1.3.6.1.2.1.16.2.1.1.4", "Buckets Granted", integer, kRo},
    {"1.3.6.1.2.1.16.2.1.1.5", "Interval (s)", integer, kRo},
    {"1.3.6.1.2.1.16.2.1.1.6", "Owner", displaystr, kRo},
    {"1.3.6.1.2.1.16.2.1.1.7", "Status", integer, kRo, &kEntryStatus},
    {},
};

// A sample's counts are final once its interval has ended: they get no rate.
const CvSNMPVarDesc kEtherHistory[] = {
    {"1.3.6.1.2.1.16.2.2.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.16.2.2.1.2", "Sample", integer, kKey},
    {"1.3.6.1.2.1.16.2.2.1.3", "Interval Start", timeticks, kRo},
    {"1.3.6.1.2.1.16.2.2.1.4", "Drop Events", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.5", "Octets", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.6", "Packets", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.7", "Broadcast Packets", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.8", "Multicast Packets", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.9", "CRC Align Errors", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.10", "Undersize Packets", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.11", "Oversize Packets", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.12", "Fragments", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.13", "Jabbers", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.14", "Collisions", guage, kRo},
    {"1.3.6.1.2.1.16.2.2.1.15", "Utilization (0.01 %)", integer, kRo},
    {},
};

const CvSNMPVarDesc kAlarms[] = {
    {"1.3.6.1.2.1.16.3.1.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.16.3.1.1.2", "Interval (s)", integer, kRo},
    {"1.3.6.1.2.1.16.3.1.1.3", "Variable", objectid, kRo},
    {"1.3.6.1.2.1.16.3.1.1.4", "Sample Type", integer, kRo, &kAlarmSampleType},
    {"1.3.6.1.2.1.16.3.1.1.5", "Value", integer, kRo},
    {"1.3.6.1.2.1.16.3.1.1.6", "Startup Alarm", integer, kRo, &kAlarmStartup},
    {"1.3.6.1.2.1.16.3.1.1.7", "Rising Threshold", integer, kRo},
    {"1.3.6.1.2.1.16.3.1.1.8", "Falling Threshold", integer, kRo},
    {"1.3.6.1.2.1.16.3.1.1.9", "Rising Event", integer, kRo},
    {"1.3.6.1.2.1.16.3.1.1.10", "Falling Event", integer, kRo},
    {"1.3.6.1.2.1.16.3.1.1.11", "Owner", displaystr, kRo},
    {"1.3.6.1.2.1.16.3.1.1.12", "Status", integer, kRo, &kEntryStatus},
    {},
};

const CvSNMPVarDesc kEvents[] = {
    {"1.3.6.1.2.1.16.9.1.1.1", "Index", integer, kKey},
    {"1.3.6.1.2.1.16.9.1.1.2", "Description", displaystr, kRo},
    {"1.3.6.1.2.1.16.9.1.1.3", "Type", integer, kRo, &kEventType},
    {"1.3.6.1.2.1.16.9.1.1.4", "Community", displaystr, kRo},
    {"1.3.6.1.2.1.16.9.1.1.5", "Last Time Sent", timeticks, kRo},
    {"1.3.6.1.2.1.16.9.1.1.6", "Owner", displaystr, kRo},
    {"1.3.6.1.2.1.16.9.1.1.7", "Status", integer, kRo, &kEntryStatus},
    {},
};

// ---- Bridge -------------------------------------------------------------

const CvSNMPVarDesc kBridgeBase[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", macaddress, kRo},
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", integer, kRo},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type", integer, kRo, &kBridgeType},
    {},
};

const CvSNMPVarDesc kBridgePorts[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port", integer, kKey},
    {"1.3.6.1.2.1.17.1.4.1.2", "Interface", integer, kRo},
    {"1.3.6.1.2.1.17.1.4.1.3", "Circuit", objectid, kRo},
    {"1.3.6.1.2.1.17.1.4.1.4", "Delay Exceeded Discards", counter, kRo},
    {"1.3.6.1.2.1.17.1.4.1.5", "MTU Exceeded Discards", counter, kRo},
    {},
};

const CvSNMPVarDesc kLearning[] = {
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", counter, kRo},
    {"1.3.6.1.2.1.17.4.2", "Aging Time (s)", integer, kRo},
    {},
};

const CvSNMPVarDesc kFdb[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "MAC Address", macaddress, kKey},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", integer, kRo},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", integer, kRo, &kFdbStatus},
    {},
};

const CvSNMPVarDesc kTpPorts[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Port", integer, kKey},
    {"1.3.6.1.2.1.17.4.4.1.2", "Max Info Size", integer, kRo},
    {"1.3.6.1.2.1.17.4.4.1.3", "In Frames", counter, kRo},
    {"1.3.6.1.2.1.17.4.4.1.4", "Out Frames", counter, kRo},
    {"1.3.6.1.2.1.17.4.4.1.5", "In Discards", counter, kRo},
    {},
};

const CvSNMPVarDesc kStaticFilters[] = {
    {"1.3.6.1.2.1.17.5.1.1.1", "MAC Address", macaddress, kKey},
    {"1.3.6.1.2.1.17.5.1.1.2", "Receive Port", integer, kKey},
    {"1.3.6.1.2.1.17.5.1.1.3", "Allowed To Go To", octetstr, kRo},
    {"1.3.6.1.2.1.17.5.1.1.4", "Status", integer, kRo, &kStaticStatus},
    {},
};

// ---- Routing ------------------------------------------------------------

const CvSNMPVarDesc kRipGlobal[] = {
    {"1.3.6.1.2.1.23.1.1", "Route Changes", counter, kRo},
    {"1.3.6.1.2.1.23.1.2", "Queries", counter, kRo},
    {},
};

const CvSNMPVarDesc kRipIfStats[] = {
    {"1.3.6.1.2.1.23.2.1.1", "Interface Address", ipaddress, kKey},
    {"1.3.6.1.2.1.23.2.1.2", "Bad Packets Received", counter, kRo},
    {"1.3.6.1.2.1.23.2.1.3", "Bad Routes Received", counter, kRo},
    {"1.3.6.1.2.1.23.2.1.4", "Triggered Updates Sent", counter, kRo},
    {"1.3.6.1.2.1.23.2.1.5", "Status", integer, kRo, &kRowStatus},
    {},
};

// The authentication key is left out: agents answer it with an empty string.
const CvSNMPVarDesc kRipIfConf[] = {
    {"1.3.6.1.2.1.23.3.1.1", "Interface Address", ipaddress, kKey},
    {"1.3.6.1.2.1.23.3.1.2", "Domain", octetstr, kRo},
    {"1.3.6.1.2.1.23.3.1.3", "Authentication", integer, kRo, &kRipAuthType},
    {"1.3.6.1.2.1.23.3.1.5", "Send", integer, kRo, &kRipSend},
    {"1.3.6.1.2.1.23.3.1.6", "Receive", integer, kRo, &kRipReceive},
    {"1.3.6.1.2.1.23.3.1.7", "Default Metric", integer, kRo},
    {"1.3.6.1.2.1.23.3.1.8", "Status", integer, kRo, &kRowStatus},
    {"1.3.6.1.2.1.23.3.1.9", "Source Address", ipaddress, kRo},
    {},
};

// The peer's routing domain is a two-octet string, indexed without a length.
const CvSNMPVarDesc kRipPeers[] = {
    {"1.3.6.1.2.1.23.4.1.1", "Peer Address", ipaddress, kKey},
    {"1.3.6.1.2.1.23.4.1.2", "Domain", octetstr, kKeyFixed},
    {"1.3.6.1.2.1.23.4.1.3", "Last Update", timeticks, kRo},
    {"1.3.6.1.2.1.23.4.1.4", "Version", integer, kRo},
    {"1.3.6.1.2.1.23.4.1.5", "Bad Packets Received", counter, kRo},
    {"1.3.6.1.2.1.23.4.1.6", "Bad Routes Received", counter, kRo},
    {},
};

const CvSNMPVarDesc kOspfGeneral[] = {
    {"1.3.6.1.2.1.14.1.1", "Router ID", ipaddress, kRo},
    {"1.3.6.1.2.1.14.1.2", "Admin Status", integer, kRo, &kEnabledDisabled},
    {"1.3.6.1.2.1.14.1.3", "Version", integer, kRo},
    {"1.3.6.1.2.1.14.1.4", "Area Border Router", integer, kRo, &kTruthValue},
    {"1.3.6.1.2.1.14.1.5", "AS Border Router", integer, kRo, &kTruthValue},
    {"1.3.6.1.2.1.14.1.6", "External LSA Count", guage, kRo},
    {"1.3.6.1.2.1.14.1.7", "External LSA Checksum Sum", integer, kRo},
    {"1.3.6.1.2.1.14.1.8", "TOS Support", integer, kRo, &kTruthValue},
    {"1.3.6.1.2.1.14.1.9", "New LSAs Originated", counter, kRo},
    {"1.3.6.1.2.1.14.1.10", "New LSAs Received", counter, kRo},
    {"1.3.6.1.2.1.14.1.11", "External LSDB Limit", integer, kRo},
    {"1.3.6.1.2.1.14.1.12", "Multicast Extensions", integer, kRo},
    {"1.3.6.1.2.1.14.1.13", "Exit Overflow Interval (s)", integer, kRo},
    {"1.3.6.1.2.1.14.1.14", "Demand Extensions", integer, kRo, &kTruthValue},
    {},
};

const CvSNMPVarDesc kOspfAreas[] = {
    {"1.3.6.1.2.1.14.2.1.1", "Area ID", ipaddress, kKey},
    {"1.3.6.1.2.1.14.2.1.2", "Authentication", integer, kRo, &kOspfAuthType},
    {"1.3.6.1.2.1.14.2.1.3", "Import AS Externals", integer, kRo, &kOspfImportAsExtern},
    {"1.3.6.1.2.1.14.2.1.4", "SPF Runs", counter, kRo},
    {"1.3.6.1.2.1.14.2.1.5", "Area Border Routers", guage, kRo},
    {"1.3.6.1.2.1.14.2.1.6", "AS Border Routers", guage, kRo},
    {"1.3.6.1.2.1.14.2.1.7", "LSA Count", guage, kRo},
    {"1.3.6.1.2.1.14.2.1.8", "LSA Checksum Sum", integer, kRo},
    {"1.3.6.1.2.1.14.2.1.9", "Summary", integer, kRo, &kOspfAreaSummary},
    {"1.3.6.1.2.1.14.2.1.10", "Status", integer, kRo, &kRowStatus},
    {},
};

const CvSNMPVarDesc kOspfLsdb[] = {
    {"1.3.6.1.2.1.14.4.1.1", "Area ID", ipaddress, kKey},
    {"1.3.6.1.2.1.14.4.1.2", "Type", integer, kKey, &kOspfLsdbType},
    {"1.3.6.1.2.1.14.4.1.3", "Link State ID", ipaddress, kKey},
    {"1.3.6.1.2.1.14.4.1.4", "Router ID", ipaddress, kKey},
    {"1.3.6.1.2.1.14.4.1.5", "Sequence", integer, kRo},
    {"1.3.6.1.2.1.14.4.1.6", "Age (s)", integer, kRo},
    {"1.3.6.1.2.1.14.4.1.7", "Checksum", integer, kRo},
    {"1.3.6.1.2.1.14.4.1.8", "Advertisement", octetstr, kRo},
    {},
};

const CvSNMPVarDesc kOspfNeighbours[] = {
    {"1.3.6.1.2.1.14.10.1.1", "IP Address", ipaddress, kKey},
    {"1.3.6.1.2.1.14.10.1.2", "Address-less Index", integer, kKey},
    {"1.3.6.1.2.1.14.10.1.3", "Router ID", ipaddress, kRo},
    {"1.3.6.1.2.1.14.10.1.4", "Options", integer, kRo},
    {"1.3.6.1.2.1.14.10.1.5", "Priority", integer, kRo},
    {"1.3.6.1.2.1.14.10.1.6", "State", integer, kRo, &kOspfNbrState},
    {"1.3.6.1.2.1.14.10.1.7", "Events", counter, kRo},
    {"1.3.6.1.2.1.14.10.1.8", "Retransmission Queue", guage, kRo},
    {"1.3.6.1.2.1.14.10.1.9", "NBMA Status", integer, kRo, &kRowStatus},
    {"1.3.6.1.2.1.14.10.1.10", "Permanence", integer, kRo, &kOspfNbmaPermanence},
    {"1.3.6.1.2.1.14.10.1.11", "Hello Suppressed", integer, kRo, &kTruthValue},
    {},
};

const CvSNMPVarDesc kMRouteGeneral[] = {
    {"1.3.6.1.2.1.83.1.1.1", "Multicast Routing", integer, kRo, &kEnabledDisabled},
    {"1.3.6.1.2.1.83.1.1.7", "Route Entries", guage, kRo},
    {},
};

const CvSNMPVarDesc kMRoutes[] = {
    {"1.3.6.1.2.1.83.1.1.2.1.1", "Group", ipaddress, kKey},
    {"1.3.6.1.2.1.83.1.1.2.1.2", "Source", ipaddress, kKey},
    {"1.3.6.1.2.1.83.1.1.2.1.3", "Source Mask", ipaddress, kKey},
    {"1.3.6.1.2.1.83.1.1.2.1.4", "Upstream Neighbour", ipaddress, kRo},
    {"1.3.6.1.2.1.83.1.1.2.1.5", "In Interface", integer, kRo},
    {"1.3.6.1.2.1.83.1.1.2.1.6", "Up Time", timeticks, kRo},
    {"1.3.6.1.2.1.83.1.1.2.1.7", "Expiry Time", timeticks, kRo},
    {"1.3.6.1.2.1.83.1.1.2.1.8", "Packets", counter, kRo},
    {"1.3.6.1.2.1.83.1.1.2.1.9", "Wrong Interface Packets", counter, kRo},
    {"1.3.6.1.2.1.83.1.1.2.1.10", "Octets", counter, kRo},
    {"1.3.6.1.2.1.83.1.1.2.1.11", "Protocol", integer, kRo, &kMRouteProtocol},
    {"1.3.6.1.2.1.83.1.1.2.1.12", "Route Protocol", integer, kRo, &kIpRouteProto},
    {"1.3.6.1.2.1.83.1.1.2.1.13", "Route Address", ipaddress, kRo},
    {"1.3.6.1.2.1.83.1.1.2.1.14", "Route Mask", ipaddress, kRo},
    {"1.3.6.1.2.1.83.1.1.2.1.15", "Route Type", integer, kRo, &kMRouteRtType},
    {"1.3.6.1.2.1.83.1.1.2.1.16", "Octets (64 bit)", counter64, kRo},
    {},
};

const CvSNMPVarDesc kDvmrpGeneral[] = {
    {"1.3.6.1.3.62.1.1.1.1", "Version", displaystr, kRo},
    {"1.3.6.1.3.62.1.1.1.2", "Generation ID", integer, kRo},
    {"1.3.6.1.3.62.1.1.1.3", "Routes", guage, kRo},
    {"1.3.6.1.3.62.1.1.1.4", "Reachable Routes", guage, kRo},
    {},
};

const CvSNMPVarDesc kDvmrpInterfaces[] = {
    {"1.3.6.1.3.62.1.1.2.1.1", "Interface", integer, kKey},
    {"1.3.6.1.3.62.1.1.2.1.2", "Local Address", ipaddress, kRo},
    {"1.3.6.1.3.62.1.1.2.1.3", "Metric", integer, kRo},
    {"1.3.6.1.3.62.1.1.2.1.4", "Status", integer, kRo, &kRowStatus},
    {"1.3.6.1.3.62.1.1.2.1.5", "Bad Packets Received", counter, kRo},
    {"1.3.6.1.3.62.1.1.2.1.6", "Bad Routes Received", counter, kRo},
    {"1.3.6.1.3.62.1.1.2.1.7", "Routes Sent", counter, kRo},
    {},
};

const CvSNMPVarDesc kDvmrpNeighbours[] = {
    {"1.3.6.1.3.62.1.1.3.1.1", "Interface", integer, kKey},
    {"1.3.6.1.3.62.1.1.3.1.2", "Address", ipaddress, kKey},
    {"1.3.6.1.3.62.1.1.3.1.3", "Up Time", timeticks, kRo},
    {"1.3.6.1.3.62.1.1.3.1.4", "Expiry Time", timeticks, kRo},
    {"1.3.6.1.3.62.1.1.3.1.5", "Generation ID", integer, kRo},
    {"1.3.6.1.3.62.1.1.3.1.6", "Major Version", integer, kRo},
    {"1.3.6.1.3.62.1.1.3.1.7", "Minor Version", integer, kRo},
    {"1.3.6.1.3.62.1.1.3.1.8", "Capabilities", bitstr, kRo},
    {"1.3.6.1.3.62.1.1.3.1.9", "Routes Received", counter, kRo},
    {"1.3.6.1.3.62.1.1.3.1.10", "Bad Packets Received", counter, kRo},
    {"1.3.6.1.3.62.1.1.3.1.11", "Bad Routes Received", counter, kRo},
    {"1.3.6.1.3.62.1.1.3.1.12", "State", integer, kRo, &kDvmrpNbrState},
    {},
};

const CvSNMPVarDesc kPimGeneral[] = {
    {"1.3.6.1.3.61.1.1.1", "Join/Prune Interval (s)", integer, kRo},
    {},
};

const CvSNMPVarDesc kPimInterfaces[] = {
    {"1.3.6.1.3.61.1.1.2.1.1", "Interface", integer, kKey},
    {"1.3.6.1.3.61.1.1.2.1.2", "Address", ipaddress, kRo},
    {"1.3.6.1.3.61.1.1.2.1.3", "Net Mask", ipaddress, kRo},
    {"1.3.6.1.3.61.1.1.2.1.4", "Mode", integer, kRo, &kPimMode},
    {"1.3.6.1.3.61.1.1.2.1.5", "Designated Router", ipaddress, kRo},
    {"1.3.6.1.3.61.1.1.2.1.6", "Hello Interval (s)", integer, kRo},
    {"1.3.6.1.3.61.1.1.2.1.7", "Status", integer, kRo, &kRowStatus},
    {"1.3.6.1.3.61.1.1.2.1.8", "Join/Prune Interval (s)", integer, kRo},
    {"1.3.6.1.3.61.1.1.2.1.9", "BSR Preference", integer, kRo},
    {},
};

const CvSNMPVarDesc kPimNeighbours[] = {
    {"1.3.6.1.3.61.1.1.3.1.1", "Address", ipaddress, kKey},
    {"1.3.6.1.3.61.1.1.3.1.2", "Interface", integer, kRo},
    {"1.3.6.1.3.61.1.1.3.1.3", "Up Time", timeticks, kRo},
    {"1.3.6.1.3.61.1.1.3.1.4", "Expiry Time", timeticks, kRo},
    {"1.3.6.1.3.61.1.1.3.1.5", "Mode", integer, kRo, &kPimNbrMode},
    {},
};

const CvSNMPVarDesc kPimRpSet[] = {
    {"1.3.6.1.3.61.1.1.6.1.6", "Component", integer, kKey},
    {"1.3.6.1.3.61.1.1.6.1.1", "Group Address", ipaddress, kKey},
    {"1.3.6.1.3.61.1.1.6.1.2", "Group Mask", ipaddress, kKey},
    {"1.3.6.1.3.61.1.1.6.1.3", "RP Address", ipaddress, kKey},
    {"1.3.6.1.3.61.1.1.6.1.4", "Hold Time (s)", integer, kRo},
    {"1.3.6.1.3.61.1.1.6.1.5", "Expiry Time", timeticks, kRo},
    {},
};

// ---- Sections and pages -------------------------------------------------

constexpr ViewerSection Scalars(const char* caption, const CvSNMPVarDesc* records) {
    return {.Caption = caption, .ItemType = SVT_SV, .Records = records};
}

constexpr ViewerSection Table(const char* caption, std::int32_t keyCount,
                              const CvSNMPVarDesc* records, const char* probe) {
    return {.Caption = caption,
            .ItemType = MVT_UMV,
            .KeyCount = keyCount,
            .Records = records,
            .SupportProbeOid = probe};
}

constexpr ViewerSection GroupTable(const char* caption, std::int32_t keyCount,
                                   const CvSNMPVarDesc* records, const char* groupOid) {
    return {.Caption = caption,
            .ItemType = MVT_UMV,
            .KeyCount = keyCount,
            .Records = records,
            .GroupOid = groupOid};
}

const ViewerSection kInfoSections[] = {Scalars("System", kSystem)};
const ViewerSection kLastChangeSections[] = {Scalars("Interface Table", kIfTableLastChange),
                                             Table("Interfaces", 1, kInterfaceChanges, kIfNumber)};
const ViewerSection kIfTableSections[] = {Table("Interfaces", 1, kInterfaces, kIfNumber)};
const ViewerSection kIfCounterSections[] = {
    Table("Interface Counters", 1, kInterfaceCounters, kIfNumber)};
const ViewerSection kIpCounterSections[] = {Scalars("IP", kIpCounters)};
const ViewerSection kIpRoutingSections[] = {
    Table("Routes", 1, kIpRoutes, kIpForwarding0),
    Table("CIDR Routes", 4, kIpCidrRoutes, kIpCidrRouteNumber)};
const ViewerSection kIpAddressSections[] = {Table("IP Addresses", 1, kIpAddresses, kIpForwarding0)};
const ViewerSection kIcmpSections[] = {Scalars("ICMP", kIcmp)};
const ViewerSection kUdpSections[] = {Scalars("UDP", kUdp),
                                      Table("UDP Listeners", 2, kUdpListeners, kUdpInDatagrams)};
const ViewerSection kSnmpSections[] = {Scalars("SNMP", kSnmp)};
const ViewerSection kArpSections[] = {Table("ARP Entries", 2, kArp, kIpForwarding0)};
const ViewerSection kDot3Sections[] = {
    GroupTable("Ethernet Statistics", 1, kDot3Stats, kEtherLikeMib)};
const ViewerSection kRmonStatisticsSections[] = {
    GroupTable("Ethernet Statistics", 1, kEtherStats, kRmonMib)};
const ViewerSection kRmonHistorySections[] = {
    GroupTable("History Control", 1, kHistoryControl, kRmonMib),
    GroupTable("Ethernet History", 2, kEtherHistory, kRmonMib)};
const ViewerSection kRmonAlarmEventSections[] = {GroupTable("Alarms", 1, kAlarms, kRmonMib),
                                                 GroupTable("Events", 1, kEvents, kRmonMib)};
const ViewerSection kBridgePortSections[] = {Scalars("Bridge", kBridgeBase),
                                             Table("Ports", 1, kBridgePorts, kDot1dBaseNumPorts)};
const ViewerSection kBridgeForwardingSections[] = {
    Scalars("Learning", kLearning), Table("Forwarding Database", 1, kFdb, kDot1dTpAgingTime)};
const ViewerSection kBridgeTpPortSections[] = {
    Table("Port Counters", 1, kTpPorts, kDot1dTpAgingTime)};
const ViewerSection kBridgeStaticSections[] = {
    Table("Static Filters", 2, kStaticFilters, kDot1dBaseNumPorts)};
const ViewerSection kRipSections[] = {
    Scalars("Global", kRipGlobal),
    Table("Interface Statistics", 1, kRipIfStats, kRip2GlobalRouteChanges)};
const ViewerSection kRip2Sections[] = {Table("Interfaces", 1, kRipIfConf, kRip2GlobalRouteChanges),
                                       Table("Peers", 2, kRipPeers, kRip2GlobalRouteChanges)};
const ViewerSection kOspfSections[] = {Scalars("General", kOspfGeneral)};
const ViewerSection kOspfAreaSections[] = {Table("Areas", 1, kOspfAreas, kOspfRouterId)};
const ViewerSection kOspfLsdbSections[] = {
    Table("Link State Database", 4, kOspfLsdb, kOspfRouterId)};
const ViewerSection kOspfNeighbourSections[] = {
    Table("Neighbours", 2, kOspfNeighbours, kOspfRouterId)};
const ViewerSection kIpmSections[] = {Scalars("General", kMRouteGeneral),
                                      Table("Routes", 3, kMRoutes, kIpMRouteEnable)};
const ViewerSection kDvmrpSections[] = {
    Scalars("General", kDvmrpGeneral),
    Table("Interfaces", 1, kDvmrpInterfaces, kDvmrpVersionString),
    Table("Neighbours", 2, kDvmrpNeighbours, kDvmrpVersionString)};
const ViewerSection kPimSections[] = {
    Scalars("General", kPimGeneral), Table("Interfaces", 1, kPimInterfaces, kPimJoinPruneInterval),
    Table("Neighbours", 1, kPimNeighbours, kPimJoinPruneInterval)};
const ViewerSection kRendezvousSections[] = {
    Table("Rendezvous Points", 4, kPimRpSet, kPimJoinPruneInterval)};

const char kInterfacesGroup[] = "the interfaces group (IF-MIB)";
const char kIpGroup[] = "the IP group (MIB-II)";
const char kRmonGroup[] = "RMON (RMON-MIB)";
const char kBridgeGroup[] = "bridging (BRIDGE-MIB)";
const char kRipGroup[] = "RIP version 2 (RIPv2-MIB)";
const char kOspfGroup[] = "OSPF (OSPF-MIB)";
const char kPimGroup[] = "PIM (PIM-MIB)";

const ViewerPage kPages[] = {
    {"/TMIB_Info", "System Information", "the system group (MIB-II)", kInfoSections},
    {"/TIFMib_LastChangeTable", "Interface Changes", kInterfacesGroup, kLastChangeSections},
    {"/TMIB_IFTable", "Interface Table", kInterfacesGroup, kIfTableSections},
    {"/TMIB_IFCounters", "Interface Counters", kInterfacesGroup, kIfCounterSections,
     kInterfacePlot},
    {"/TMIB_IPCounters", "IP Counters", kIpGroup, kIpCounterSections},
    {"/TMIB_IPRouting", "IP Routing Table", "IP routing (MIB-II, IP-FORWARD-MIB)",
     kIpRoutingSections},
    {"/TMIB_IPAddress", "IP Address Table", kIpGroup, kIpAddressSections},
    {"/TMIB_ICMPCounters", "ICMP Counters", "the ICMP group (MIB-II)", kIcmpSections},
    {"/TMIB_UDPCounters", "UDP Counters", "the UDP group (MIB-II)", kUdpSections},
    {"/TMIB_SNMPCounters", "SNMP Counters", "the SNMP group (MIB-II)", kSnmpSections},
    {"/TMIB_ARP", "ARP Table", kIpGroup, kArpSections},
    {"/TEthernetLike_dot3StatsTable", "Ethernet Statistics", "Ethernet statistics (EtherLike-MIB)",
     kDot3Sections},
    {"/TRmon_Statistics", "RMON Statistics", kRmonGroup, kRmonStatisticsSections},
    {"/TRmon_History", "RMON History", kRmonGroup, kRmonHistorySections},
    {"/TRmon_AlarmEvent", "RMON Alarms and Events", kRmonGroup, kRmonAlarmEventSections},
    {"/TBridge_Port", "Bridge Ports", kBridgeGroup, kBridgePortSections},
    {"/TBridge_Forwarding", "Bridge Forwarding Table", kBridgeGroup, kBridgeForwardingSections},
    {"/TBridge_StaticFilter", "Bridge Static Filters", kBridgeGroup, kBridgeStaticSections},
    {"/TBridge_TpPortInfo", "Bridge Port Counters", kBridgeGroup, kBridgeTpPortSections},
    {"/TLayer3_RIP", "RIP Statistics", kRipGroup, kRipSections},
    {"/TLayer3_RIP2", "RIP Interfaces and Peers", kRipGroup, kRip2Sections},
    {"/TLayer3_OSPF", "OSPF General", kOspfGroup, kOspfSections},
    {"/TLayer3_Area", "OSPF Areas", kOspfGroup, kOspfAreaSections},
    {"/TLayer3_Lsdb", "OSPF Link State Database", kOspfGroup, kOspfLsdbSections},
    {"/TLayer3_Neighbor", "OSPF Neighbours", kOspfGroup, kOspfNeighbourSections},
    {"/TLayer3_IPM", "IP Multicast Routing", "IP multicast routing (IPMROUTE-STD-MIB)",
     kIpmSections},
    {"/TLayer3_DVMRP", "DVMRP", "DVMRP (DVMRP-MIB)", kDvmrpSections},
    {"/TLayer3_PIM", "PIM", kPimGroup, kPimSections},
    {"/TLayer3_RendezvousPoints", "PIM Rendezvous Points", kPimGroup, kRendezvousSections},
};

}  // namespace

std::span<const ViewerPage> ViewerPages() {
    return kPages;
}

const ViewerPage* FindViewerPage(std::string_view argument) {
    const auto* found =
        std::find_if(std::begin(kPages), std::end(kPages),
                     [&](const ViewerPage& page) { return page.Argument == argument; });
    return found == std::end(kPages) ? nullptr : found;
}

bool IsCounterSyntax(std::uint32_t syntax) {
    return syntax == CvSyntax::counter || syntax == CvSyntax::counter64;
}
