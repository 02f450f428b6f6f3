// How net-snmp's outcomes reach the user: library errors and v3 Reports are
// numbered as the catalogues expect, and each number shows its own text.
#include <gtest/gtest.h>

#include "../TestNames.h"
#include "CvCatalogues.h"
#include "NetSnmpResults.h"

struct LibraryCase {
    int LibraryError;  // net-snmp's SNMPERR_ value
    int SystemError;
    int Code;
    const char* Message;
};

class LibraryErrorMapping : public testing::TestWithParam<LibraryCase> {};

TEST_P(LibraryErrorMapping, ShowsTheCatalogueText) {
    const LibraryCase& c = GetParam();
    const CvSnmpResult mapped = MapSnmpResult(MapLibraryError(c.LibraryError, c.SystemError));
    EXPECT_EQ(mapped.Code, c.Code);
    EXPECT_EQ(mapped.Message, c.Message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LibraryErrorMapping,
    testing::Values(LibraryCase{0, 0, 0, "(CvSNMP++) Ok!"},
                    LibraryCase{-24, 0, -405, "(SNMPClass) SNMP request timed out!"},
                    LibraryCase{-3, 0, -418, "(SNMPClass) Invalid Address!"},
                    LibraryCase{-12, 13, -423, "(SNMPClass) Blocked Mode Shutdown!"},  // EACCES
                    LibraryCase{-12, 111, -422, "(SNMPClass) Transport operation failed!"},
                    LibraryCase{-7, 0, -416,
                                "(SNMPClass) SNMP Operation not supported on specified Target!"},
                    LibraryCase{-5, 0, -411, "(SNMPClass) Invalid Pdu!"},
                    LibraryCase{-30, 0, -201, "(SNMPv3) Unsupported Security Model!"},
                    LibraryCase{-33, 0, -304, "(SNMPv3USM) Unknown SecurityName!"},
                    LibraryCase{-43, 0, -304, "(SNMPv3USM) Unknown SecurityName!"},
                    LibraryCase{-44, 0, -303, "(SNMPv3USM) Unsupported SecurityLevel!"},
                    LibraryCase{-45, 0, -305, "(SNMPv3USM) Encryption error!"},
                    LibraryCase{-50, 0, -306, "(SNMPv3USM) Decryption error!"},
                    LibraryCase{-46, 0, -307, "(SNMPv3USM) Authentication error!"},
                    LibraryCase{-35, 0, -308, "(SNMPv3USM) Authentication failure!"},
                    LibraryCase{-48, 0, -310, "(SNMPv3USM) Unknown EngineID!"},
                    LibraryCase{-36, 0, -311, "(SNMPv3USM) Message not in TimeWindow!"},
                    LibraryCase{-42, 0, -301, "(SNMPv3USM) error!"},
                    LibraryCase{-62, 0, -402, "(SNMPClass) Resource unavailable!"},
                    LibraryCase{-999, 0, -401, "(SNMPClass) Operation failed!"}),
    [](const auto& info) {
        return CaseName(info.index, "snmperr " + std::to_string(info.param.LibraryError));
    });

struct ReportCase {
    const char* Oid;
    int Code;
};

class ReportMapping : public testing::TestWithParam<ReportCase> {};

TEST_P(ReportMapping, CounterNamesTheFailure) {
    EXPECT_EQ(MapSnmpResult(MapReportOid(GetParam().Oid)).Code, GetParam().Code);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReportMapping,
    testing::Values(ReportCase{"1.3.6.1.6.3.15.1.1.1.0", -303},  // unsupportedSecLevels
                    ReportCase{"1.3.6.1.6.3.15.1.1.2.0", -311},  // notInTimeWindows
                    ReportCase{"1.3.6.1.6.3.15.1.1.3.0", -304},  // unknownUserNames
                    ReportCase{"1.3.6.1.6.3.15.1.1.4.0", -310},  // unknownEngineIDs
                    ReportCase{"1.3.6.1.6.3.15.1.1.5.0", -308},  // wrongDigests
                    ReportCase{"1.3.6.1.6.3.15.1.1.6.0", -306},  // decryptionErrors
                    ReportCase{"1.3.6.1.6.3.11.2.1.1.0", -201},  // unknownSecurityModels
                    ReportCase{"1.3.6.1.6.3.11.2.1.2.0", -204},  // invalidMsgs
                    ReportCase{"1.3.6.1.6.3.11.2.1.3.0", -214},  // unknownPDUHandlers
                    ReportCase{"1.3.6.1.6.3.12.1.4.0", -215},    // unavailableContexts
                    ReportCase{"1.3.6.1.6.3.12.1.5.0", -216},    // unknownContexts
                    ReportCase{"1.3.6.1.6.3.15.1.1.7.0", -301},  // a counter we do not know
                    ReportCase{"1.3.6.1.2.1.1.1.0", -301}, ReportCase{"", -301}),
    [](const auto& info) { return CaseName(info.index, info.param.Oid); });

TEST(ResultMapping, PduErrorStatusPassesThrough) {
    EXPECT_EQ(MapSnmpResult(2).Message, "(SNMP) Variable does not exist!");
    EXPECT_EQ(MapSnmpResult(17).Code, -117);
}
