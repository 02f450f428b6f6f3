// The compiled pages against the transcription of the written catalogue,
// entry by entry and record by record.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "CvMibCatalogue.h"
#include "CvOptionList.h"

namespace {

struct Record {
    std::string Oid{}, Label{}, Syntax = "integer", Options{};
    std::uint32_t Access = 0;
};

struct Page {
    std::string Name, Title, Kind, Status = "-", Formats, Sizes;
    bool Hidden = false, CaptionWithAddress = false, NoEditButton = false;
    int ItemType = 0, PKeyCount = 0;
    std::vector<Record> Records;
};

std::vector<std::string> Lines(const std::string& name) {
    std::ifstream in(std::string(VANTA_FIXTURES_DIR) + "/catalogue/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Split(const std::string& text, const std::string& by) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    for (std::size_t next; (next = text.find(by, pos)) != std::string::npos;
         pos = next + by.size()) {
        parts.push_back(text.substr(pos, next - pos));
    }
    parts.push_back(text.substr(pos));
    return parts;
}

std::uint32_t FlagWord(const std::string& flags) {
    return flags == "key" ? 1 : flags == "key, implied" ? 0x41 : flags == "ro" ? 2 : 6;
}

// "(FLAGS[, SYNTAX][, options ...])" without the brackets.
Record ParseRecord(const std::string& oid, const std::string& label, const std::string& inner) {
    Record r{oid, label};
    std::string rest = inner;
    if (const std::size_t at = rest.find("options "); at != std::string::npos) {
        r.Options = rest.substr(at + 8);
        rest = rest.substr(0, at == 0 ? 0 : at - 2);
    }
    std::vector<std::string> items = Split(rest, ", ");
    if (items.size() > 1 && items[1] == "implied") {
        items[0] += ", implied";
        items.erase(items.begin() + 1);
    }
    r.Access = FlagWord(items[0]);
    if (items.size() > 1) {
        r.Syntax = items[1];
    }
    return r;
}

void ParseHeading(const std::smatch& m, Page& page, std::string& prefix) {
    page.Name = m[1];
    page.Hidden = m[2].matched;
    page.Title = m[3];
    prefix = m[5];
    static const std::regex kind(
        R"re(^(scalar|table) page, item type (\d)(?:, PKeyCount (\d))?$)re");
    static const std::regex status(R"re(^status column (\d+): add "(.*)", delete "(.*)"$)re");
    for (const std::string& part : Split(m[4], "; ")) {
        std::smatch p;
        if (part == "caption with address") {
            page.CaptionWithAddress = true;
        } else if (part == "no Edit button") {
            page.NoEditButton = true;
        } else if (part.starts_with("formats: ")) {
            page.Formats = part.substr(9);
        } else if (std::regex_match(part, p, kind)) {
            page.Kind = p[1];
            page.ItemType = std::stoi(p[2]);
            page.PKeyCount = p[3].matched ? std::stoi(p[3]) : 0;
        } else if (std::regex_match(part, p, status)) {
            page.Status = std::string(p[1]) + ":" + std::string(p[2]) + ":" + std::string(p[3]);
        } else {
            page.Sizes += (page.Sizes.empty() ? "" : ", ") + part;
        }
    }
}

struct Transcription {
    std::vector<Page> Pages;
    std::vector<Record> StatusTables;  // RMON state, STP version, 802.1X state
};

Transcription ReadPages() {
    static const std::regex heading(
        R"re(^\*\*`([^`]+)`\*\*( \(hidden entry\))?: "([^"]*)"; (.*)\. OID prefix ([0-9.]+):$)re");
    static const std::regex record(R"re(^- (\d+): (\.[0-9.]+) "(.*)" \((.*)\)$)re");
    static const std::regex status(
        R"re("([0-9.]+)", "([^"]+)"(?:, | \()(rw|ro), (options .*)\))re");
    Transcription t;
    std::string prefix;
    for (const std::string& line : Lines("pages.txt")) {
        std::smatch m;
        if (std::regex_match(line, m, heading)) {
            t.Pages.emplace_back();
            ParseHeading(m, t.Pages.back(), prefix);
        } else if (std::regex_match(line, m, record)) {
            EXPECT_EQ(std::stoul(m[1]), t.Pages.back().Records.size()) << line;
            t.Pages.back().Records.push_back(ParseRecord(prefix + std::string(m[2]), m[3], m[4]));
        } else if (std::regex_search(line, m, status)) {
            t.StatusTables.push_back(
                ParseRecord(m[1], m[2], std::string(m[3]) + ", " + m[4].str()));
        } else {
            ADD_FAILURE() << "unread line: " << line;
        }
    }
    return t;
}

// Deliberate differences from the written catalogue. The 802.1X port
// statistics are keyed by port but lead with a counter, into which every walk
// would decode the port number; they lead with the port column instead.
struct Mend {
    const char* Page;
    Record Inserted;
};
const Mend kMends[] = {
    {"PortAuthStatistics1", {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", "integer", "", 1}},
    {"Diagnostics1", {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", "integer", "", 1}},
};

std::string OptionsText(const CvOptionList* options) {
    std::string text;
    for (std::int32_t i = 0; options != nullptr && i < options->Count(); ++i) {
        text += (i == 0 ? "" : "; ") + options->ValueText(i) + "=" + options->Pair(i).Label;
    }
    return text;
}

std::string SizesText(const CvMibPage& page) {
    std::string text;
    for (const CvSizeAdjustment& s : page.Sizes) {
        static const char* const kForms[] = {"height %d × scale",
                                             "height %d (not scaled)",
                                             "height + %d × scale",
                                             "width + %d × scale",
                                             "value-control width + %d × scale",
                                             "value-control width %d × scale"};
        const std::string form = kForms[static_cast<int>(s.Kind)];
        const std::size_t at = form.find("%d");
        text += (text.empty() ? "" : ", ") + form.substr(0, at) + std::to_string(s.Amount) +
                form.substr(at + 2);
    }
    return text;
}

std::string FormatsText(const CvMibPage& page) {
    std::string text;
    for (const CvColumnFormat& f : page.Formats) {
        text += (text.empty() ? "" : ", ") + ("column " + std::to_string(f.Column)) + " \"" +
                f.Format + "\"";
    }
    return text;
}

void ExpectRecord(const CvSNMPVarDesc& actual, const Record& expected, const std::string& where) {
    EXPECT_STREQ(actual.Oid, expected.Oid.c_str()) << where;
    EXPECT_STREQ(actual.Label, expected.Label.c_str()) << where;
    EXPECT_EQ(actual.Access, expected.Access) << where;
    EXPECT_STREQ(SyntaxName(actual.Syntax), expected.Syntax.c_str()) << where;
    EXPECT_EQ(OptionsText(actual.Options), expected.Options) << where;
    EXPECT_TRUE(actual.ReadExpr == nullptr && actual.WriteExpr == nullptr &&
                actual.Reserved == nullptr && actual.Value == nullptr &&
                actual.InstanceOid == nullptr)
        << where;
}

TEST(CatalogueTranscription, EveryPageAndRecordEqualsTheWrittenCatalogue) {
    Transcription t = ReadPages();
    ASSERT_EQ(t.Pages.size(), 137u);
    for (const Mend& mend : kMends) {
        for (Page& page : t.Pages) {
            if (page.Name == mend.Page) {
                page.Records.insert(page.Records.begin(), mend.Inserted);
            }
        }
    }
    std::size_t records = 0;
    for (const Page& expected : t.Pages) {
        const CvMibPage* page = FindMibPage(expected.Name);
        ASSERT_NE(page, nullptr) << expected.Name;
        const std::string& n = expected.Name;
        EXPECT_STREQ(page->Title, expected.Title.c_str()) << n;
        EXPECT_EQ(page->Hidden, expected.Hidden) << n;
        EXPECT_EQ(page->CaptionWithAddress, expected.CaptionWithAddress) << n;
        EXPECT_EQ(page->Kind == CvPageKind::Table ? "table" : "scalar", expected.Kind) << n;
        EXPECT_EQ(page->ItemType, expected.ItemType) << n;
        EXPECT_EQ(page->PKeyCount, expected.PKeyCount) << n;
        EXPECT_EQ(page->HasStatusColumn() ? std::to_string(page->StatusColumn) + ":" +
                                                page->AddStatus + ":" + page->DeleteStatus
                                          : "-",
                  expected.Status)
            << n;
        EXPECT_EQ(page->NoEditButton, expected.NoEditButton) << n;
        EXPECT_EQ(FormatsText(*page), expected.Formats) << n;
        EXPECT_EQ(SizesText(*page), expected.Sizes) << n;
        std::size_t i = 0;
        for (; page->Records[i].Oid != nullptr && i < expected.Records.size(); ++i) {
            ExpectRecord(page->Records[i], expected.Records[i], n + " record " + std::to_string(i));
        }
        EXPECT_EQ(page->Records[i].Oid, nullptr) << n << ": more records than written";
        EXPECT_EQ(i, expected.Records.size()) << n;
        records += i;
    }
    EXPECT_EQ(records, 825u + std::size(kMends));
}

TEST(CatalogueTranscription, StatusTablesOfTheMainWindow) {
    const Transcription t = ReadPages();
    ASSERT_EQ(t.StatusTables.size(), 3u);
    const CvSNMPVarDesc* const tables[] = {RmonStateTable, StpVersionTable, Dot1xStateTable};
    for (std::size_t k = 0; k < 3; ++k) {
        ExpectRecord(tables[k][0], t.StatusTables[k], "status table " + std::to_string(k));
        EXPECT_EQ(tables[k][1].Oid, nullptr);
    }
    EXPECT_EQ(FindMibPage("RMONSetting1")->Records, RmonStateTable);
}

TEST(CatalogueTranscription, PagesComeInMenuOrderWithTheMenusPageKind) {
    static const std::regex item(R"re(`([^`]+)`.* → (scalar|table) page$)re");
    std::vector<std::string> expected;
    for (const std::string& line : Lines("menu.txt")) {
        std::smatch m;
        ASSERT_TRUE(std::regex_search(line, m, item)) << line;
        expected.push_back(m[1].str() + " " + m[2].str());
    }
    std::vector<std::string> actual;
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        actual.push_back(std::string(page->Name) +
                         (page->Kind == CvPageKind::Table ? " table" : " scalar"));
    }
    EXPECT_EQ(actual, expected);
}

}  // namespace
