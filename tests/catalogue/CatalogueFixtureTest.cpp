// The compiled pages against the transcription of the written catalogue: each
// page is written out in the catalogue's own notation and compared line by line.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <numeric>
#include <regex>
#include <string>
#include <vector>

#include "CvMibCatalogue.h"
#include "CvOptionList.h"

namespace {

std::vector<std::string> Lines(const std::string& name) {
    std::ifstream in(std::string(VANTA_FIXTURES_DIR) + "/catalogue/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

template <typename T, typename F>
std::string Joined(const T& items, const char* by, F text) {
    std::string out;
    for (const auto& item : items) {
        out += (out.empty() ? "" : by) + text(item);
    }
    return out;
}

std::string OptionsText(const CvOptionList& options) {
    std::vector<std::int32_t> pairs(static_cast<std::size_t>(options.Count()));
    std::iota(pairs.begin(), pairs.end(), 0);
    return Joined(pairs, "; ", [&](std::int32_t i) {
        return options.ValueText(i) + "=" + options.Pair(i).Label;
    });
}

// `"LABEL" (FLAGS[, SYNTAX][, options ...])`
std::string RecordText(const CvSNMPVarDesc& r) {
    static const std::map<std::uint32_t, std::string> kFlags = {
        {1, "key"}, {0x41, "key, implied"}, {2, "ro"}, {6, "rw"}};
    const auto flags = kFlags.find(r.Access);
    std::string text =
        "\"" + std::string(r.Label) + "\" (" + (flags == kFlags.end() ? "?" : flags->second);
    if (r.Syntax != CvSyntax::integer) {
        text += std::string(", ") + (SyntaxName(r.Syntax) ? SyntaxName(r.Syntax) : "?");
    }
    if (r.Options != nullptr) {
        text += ", options " + OptionsText(*r.Options);
    }
    const bool runtimeFieldsNull = r.ReadExpr == nullptr && r.WriteExpr == nullptr &&
                                   r.Reserved == nullptr && r.Value == nullptr &&
                                   r.InstanceOid == nullptr;
    return text + (runtimeFieldsNull ? ")" : ") with run-time fields");
}

// The heading up to its OID prefix.
std::string HeadingText(const CvMibPage& p) {
    static const char* const kSizes[] = {
        "height %",  "height % (not scaled)",   "height + %",
        "width + %", "value-control width + %", "value-control width %"};
    std::vector<std::string> parts;
    if (p.CaptionWithAddress) {
        parts.push_back("caption with address");
    }
    const bool table = p.Kind == CvPageKind::Table;
    parts.push_back(std::string(table ? "table" : "scalar") + " page, item type " +
                    std::to_string(p.ItemType) +
                    (table ? ", PKeyCount " + std::to_string(p.PKeyCount) : ""));
    if (p.HasStatusColumn()) {
        parts.push_back("status column " + std::to_string(p.StatusColumn) + ": add \"" +
                        p.AddStatus + "\", delete \"" + p.DeleteStatus + "\"");
    }
    if (p.NoEditButton) {
        parts.push_back("no Edit button");
    }
    if (!p.Formats.empty()) {
        parts.push_back("formats: " + Joined(p.Formats, ", ", [](const CvColumnFormat& f) {
                            return "column " + std::to_string(f.Column) + " \"" + f.Format + "\"";
                        }));
    }
    if (!p.Sizes.empty()) {
        parts.push_back(Joined(p.Sizes, ", ", [](const CvSizeAdjustment& s) {
            std::string text = kSizes[static_cast<int>(s.Kind)];
            text.replace(text.find('%'), 1, std::to_string(s.Amount));
            return text + (s.Kind == CvSizeKind::HeightUnscaled ? "" : " × scale");
        }));
    }
    return "**`" + std::string(p.Name) + "`**" + (p.Hidden ? " (hidden entry)" : "") + ": \"" +
           p.Title + "\"; " + Joined(parts, "; ", [](const std::string& s) { return s; });
}

// Deliberate differences from the written catalogue. The 802.1X port
// statistics and diagnostics are keyed by port but lead with a counter, into
// which every walk would decode the port number; they lead with the port.
const std::map<std::string, std::string> kLeadingRecordAdded = {
    {"PortAuthStatistics1", "1.0.8802.1.1.1.1.1.2.1.1 \"Port Number\" (key)"},
    {"Diagnostics1", "1.0.8802.1.1.1.1.1.2.1.1 \"Port Number\" (key)"},
};

TEST(CatalogueTranscription, EveryPageAndRecordEqualsTheWrittenCatalogue) {
    static const std::regex heading(R"re(^(\*\*.*)\. OID prefix ([0-9.]+):$)re");
    static const std::regex record(R"re(^- (\d+): (\.[0-9.]+) (".*\))$)re");
    // Page name -> heading, then "OID REST" per record.
    std::map<std::string, std::vector<std::string>> written;
    std::vector<std::string>* page = nullptr;
    std::string name, prefix;
    std::size_t records = 0;
    for (const std::string& line : Lines("pages.txt")) {
        std::smatch m;
        if (std::regex_match(line, m, heading)) {
            name = line.substr(3, line.find('`', 3) - 3);
            page = &written[name];
            page->push_back(m[1]);
            prefix = m[2];
            if (kLeadingRecordAdded.contains(name)) {
                page->push_back(kLeadingRecordAdded.at(name));
            }
        } else if (std::regex_match(line, m, record)) {
            ASSERT_NE(page, nullptr);
            // Positions count from 0 after the heading (and an added leading record).
            EXPECT_EQ(std::stoul(m[1]), page->size() - 1 - kLeadingRecordAdded.count(name)) << line;
            ++records;
            page->push_back(prefix + m[2].str() + " " + m[3].str());
        } else {
            ASSERT_TRUE(line.starts_with("- ")) << line;  // a status table, checked below
        }
    }
    EXPECT_EQ(written.size(), 137u);
    EXPECT_EQ(records, 825u);
    for (const auto& [name, lines] : written) {
        const CvMibPage* p = FindMibPage(name);
        ASSERT_NE(p, nullptr) << name;
        std::vector<std::string> compiled = {HeadingText(*p)};
        for (const CvSNMPVarDesc* r = p->Records; r->Oid != nullptr; ++r) {
            compiled.push_back(std::string(r->Oid) + " " + RecordText(*r));
        }
        EXPECT_EQ(compiled, lines);
    }
}

TEST(CatalogueTranscription, StatusTablesOfTheMainWindow) {
    std::vector<std::string> written;
    for (const std::string& line : Lines("pages.txt")) {
        if (line.starts_with("- RMON state:") || line.starts_with("- STP version:") ||
            line.starts_with("- 802.1X state:")) {
            written.push_back(line);
        }
    }
    ASSERT_EQ(written.size(), 3u);
    const CvSNMPVarDesc* const tables[] = {RmonStateTable, StpVersionTable, Dot1xStateTable};
    for (std::size_t k = 0; k < 3; ++k) {
        const CvSNMPVarDesc& r = tables[k][0];
        EXPECT_EQ(tables[k][1].Oid, nullptr);
        EXPECT_EQ(r.Access, CvAccess::readwrite);
        for (const std::string& part : {"\"" + std::string(r.Oid) + "\", \"" + r.Label + "\"",
                                        "rw, options " + OptionsText(*r.Options) + ")"}) {
            EXPECT_NE(written[k].find(part), std::string::npos) << written[k] << "\n" << part;
        }
    }
    EXPECT_EQ(FindMibPage("RMONSetting1")->Records, RmonStateTable);
}

TEST(CatalogueTranscription, PagesComeInMenuOrderWithTheMenusPageKind) {
    std::vector<std::string> written;
    for (const std::string& line : Lines("menu.txt")) {
        const std::size_t name = line.find('`') + 1;
        const std::size_t kind = line.rfind("→ ") + std::string("→ ").size();
        written.push_back(line.substr(name, line.find('`', name) - name) + " " + line.substr(kind));
    }
    std::vector<std::string> compiled;
    for (const CvMibPage* p : MibPagesInMenuOrder()) {
        compiled.push_back(std::string(p->Name) +
                           (p->Kind == CvPageKind::Table ? " table page" : " scalar page"));
    }
    EXPECT_EQ(compiled, written);
}

}  // namespace
