#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "../TestNames.h"
#include "CvIndexCoding.h"
#include "CvMainMenu.h"
#include "CvOidText.h"
#include "CvValueConversion.h"
#include "ViewerPages.h"

namespace {

std::vector<std::string> MenuViewerArguments() {
    std::vector<std::string> arguments;
    for (const CvMenuItem& item : MainMenuItems()) {
        if (item.Action == CvMenuAction::Viewer) {
            arguments.emplace_back(item.Argument);
        }
    }
    return arguments;
}

std::int32_t RecordCount(const ViewerSection& section) {
    std::int32_t n = 0;
    while (section.Records[n].Oid != nullptr) {
        ++n;
    }
    return n;
}

bool IsScalarInstance(const char* oid) {
    const std::string text = oid;
    return text.size() > 2 && text.ends_with(".0") && OidTextExtends(text, "1.3.6.1");
}

}  // namespace

TEST(ViewerPages, OnePageForEachViewerEntryOfTheMenuInMenuOrder) {
    std::vector<std::string> pages;
    for (const ViewerPage& page : ViewerPages()) {
        pages.emplace_back(page.Argument);
        EXPECT_EQ(FindViewerPage(page.Argument), &page);
    }
    EXPECT_EQ(pages, MenuViewerArguments());
    EXPECT_EQ(FindViewerPage("/TMIB_Unknown"), nullptr);
    EXPECT_EQ(FindViewerPage("/tmib_info"), nullptr);
    EXPECT_EQ(FindViewerPage(""), nullptr);
}

// Keys first and counted, every record read-only with a syntax the engine
// converts, a column left to walk, probes that are scalar instances.
TEST(ViewerPages, RecordsAreWellFormed) {
    for (const ViewerPage& page : ViewerPages()) {
        SCOPED_TRACE(page.Argument);
        EXPECT_STRNE(page.Title, "");
        EXPECT_STRNE(page.GroupText, "");
        ASSERT_FALSE(page.Sections.empty());
        for (const ViewerSection& section : page.Sections) {
            SCOPED_TRACE(section.Caption);
            const bool table = section.ItemType == MVT_UMV;
            ASSERT_TRUE(table || section.ItemType == SVT_SV);
            const std::int32_t count = RecordCount(section);
            EXPECT_EQ(section.KeyCount > 0, table);
            ASSERT_LE(section.KeyCount, count);
            std::int32_t readable = 0;
            std::set<std::string> oids;
            for (std::int32_t i = 0; i < count; ++i) {
                const CvSNMPVarDesc& record = section.Records[i];
                SCOPED_TRACE(record.Oid);
                EXPECT_TRUE(oids.insert(record.Oid).second) << "twice";
                EXPECT_TRUE(OidTextExtends(record.Oid, "1.3.6.1"));
                EXPECT_STRNE(record.Label, "");
                EXPECT_TRUE(IsVariableSyntax(record.Syntax));
                EXPECT_EQ(record.Access & CvAccess::writeonly, 0u);
                EXPECT_EQ((record.Access & CvAccess::notaccess) != 0, i < section.KeyCount);
                readable += (record.Access & CvAccess::readonly) != 0 ? 1 : 0;
            }
            EXPECT_GT(readable, 0);
            if (section.SupportProbeOid != nullptr) {
                EXPECT_TRUE(table);
                EXPECT_TRUE(IsScalarInstance(section.SupportProbeOid));
            }
            if (section.GroupOid != nullptr) {
                EXPECT_TRUE(table && section.SupportProbeOid == nullptr);
                EXPECT_TRUE(OidTextExtends(section.Records[0].Oid, section.GroupOid));
            }
        }
    }
}

TEST(ViewerPages, OnlyTheInterfaceCountersPlotAndOnlyTheirCounters) {
    for (const ViewerPage& page : ViewerPages()) {
        SCOPED_TRACE(page.Argument);
        if (std::string(page.Argument) != "/TMIB_IFCounters") {
            EXPECT_TRUE(page.PlotColumns.empty());
            continue;
        }
        const std::vector<std::string> plotted(page.PlotColumns.begin(), page.PlotColumns.end());
        EXPECT_EQ(plotted,
                  (std::vector<std::string>{"1.3.6.1.2.1.2.2.1.10", "1.3.6.1.2.1.2.2.1.16",
                                            "1.3.6.1.2.1.2.2.1.14", "1.3.6.1.2.1.2.2.1.20"}));
        const ViewerSection& first = page.Sections.front();
        for (const std::string& oid : plotted) {
            bool found = false;
            for (std::int32_t i = 0; first.Records[i].Oid != nullptr; ++i) {
                found = found ||
                        (oid == first.Records[i].Oid && IsCounterSyntax(first.Records[i].Syntax));
            }
            EXPECT_TRUE(found) << oid;
        }
    }
}

// A row's instance suffix decodes into the section's key records as the
// agent's index says.
struct IndexCase {
    const char* Argument;
    std::size_t Section;
    const char* Suffix;
    std::vector<std::string> Keys;
};

class ViewerPageIndex : public testing::TestWithParam<IndexCase> {};

TEST_P(ViewerPageIndex, DecodesTheRowIndexIntoTheKeys) {
    const IndexCase& c = GetParam();
    const ViewerPage* page = FindViewerPage(c.Argument);
    ASSERT_NE(page, nullptr);
    const ViewerSection& section = page->Sections[c.Section];
    CvSNMPVarList list(section.Records, section.ItemType, section.KeyCount);
    std::string rest = c.Suffix;
    for (std::int32_t k = 0; k < list.PKeyCount; ++k) {
        rest = DecodeIndex(list, k, rest);
    }
    EXPECT_EQ(rest, "");
    std::vector<std::string> keys;
    for (std::int32_t k = 0; k < list.PKeyCount; ++k) {
        keys.push_back(list.Item(k).Value);
    }
    EXPECT_EQ(keys, c.Keys);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ViewerPageIndex,
    testing::Values(IndexCase{"/TMIB_IPRouting",
                              1,
                              "10.20.0.0.255.255.0.0.0.192.0.2.254",
                              {"10.20.0.0", "255.255.0.0", "0", "192.0.2.254"}},
                    IndexCase{"/TMIB_ARP", 0, "3.192.0.2.1", {"3", "192.0.2.1"}},
                    IndexCase{"/TMIB_UDPCounters", 1, "0.0.0.0.161", {"0.0.0.0", "161"}},
                    IndexCase{"/TRmon_History", 1, "2.17", {"2", "17"}},
                    IndexCase{"/TBridge_Forwarding", 1, "0.1.2.171.205.239", {"000102ABCDEF"}},
                    IndexCase{"/TBridge_StaticFilter", 0, "0.1.2.3.4.5.7", {"000102030405", "7"}},
                    IndexCase{"/TLayer3_RIP2", 1, "192.0.2.9.0.0", {"192.0.2.9", "0000"}},
                    IndexCase{"/TLayer3_Lsdb",
                              0,
                              "0.0.0.0.1.10.0.0.1.10.0.0.2",
                              {"0.0.0.0", "routerLink", "10.0.0.1", "10.0.0.2"}},
                    IndexCase{"/TLayer3_Neighbor", 0, "192.0.2.7.0", {"192.0.2.7", "0"}},
                    IndexCase{"/TLayer3_IPM",
                              1,
                              "239.1.1.1.192.0.2.5.255.255.255.255",
                              {"239.1.1.1", "192.0.2.5", "255.255.255.255"}},
                    IndexCase{"/TLayer3_DVMRP", 2, "4.192.0.2.8", {"4", "192.0.2.8"}},
                    IndexCase{"/TLayer3_RendezvousPoints",
                              0,
                              "1.224.0.0.0.240.0.0.0.192.0.2.3",
                              {"1", "224.0.0.0", "240.0.0.0", "192.0.2.3"}}),
    [](const testing::TestParamInfo<IndexCase>& info) {
        return CaseName(info.index, info.param.Argument);
    });
