// Checks that catch transcription faults in the compiled pages, whatever the
// written catalogue says.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "CvException.h"
#include "CvFormatSpec.h"
#include "CvMibCatalogue.h"
#include "CvOptionList.h"
#include "CvSNMPVarList.h"
#include "CvValueConversion.h"

namespace {

CvSNMPVarList Load(const CvMibPage& page) {
    return CvSNMPVarList(page.Records, page.ItemType, page.PKeyCount);
}

std::string Pairs(const CvOptionList& options) {
    std::string text;
    for (std::int32_t i = 0; i < options.Count(); ++i) {
        text += options.ValueText(i) + "=" + options.Pair(i).Label + ";";
    }
    return text;
}

TEST(CatalogueConsistency, OneHundredThirtySevenPagesWithUniqueNames) {
    std::set<std::string> names;
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        EXPECT_TRUE(names.insert(page->Name).second) << page->Name;
        EXPECT_EQ(FindMibPage(page->Name), page);
    }
    EXPECT_EQ(names.size(), 137u);
    EXPECT_EQ(FindMibPage("StaticForm1"), nullptr);  // a dialog, not a page
    EXPECT_EQ(FindMibPage(""), nullptr);
}

TEST(CatalogueConsistency, StatusLabelsAreInTheirWritableColumnsOptionList) {
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        if (!page->HasStatusColumn()) {
            EXPECT_TRUE(page->AddStatus == nullptr && page->DeleteStatus == nullptr) << page->Name;
            continue;
        }
        const CvSNMPVarList vars = Load(*page);
        ASSERT_EQ(page->Kind, CvPageKind::Table) << page->Name;
        ASSERT_LT(page->StatusColumn, vars.GetCount()) << page->Name;
        ASSERT_GE(page->StatusColumn, page->PKeyCount) << page->Name;
        const CvSNMPVar& status = vars.Item(page->StatusColumn);
        EXPECT_TRUE(vars.IsWritable(page->StatusColumn)) << page->Name;
        ASSERT_NE(status.Options, nullptr) << page->Name;
        for (const char* label : {page->AddStatus, page->DeleteStatus}) {
            const std::int32_t i = status.Options->IndexOfLabel(label);
            EXPECT_TRUE(i >= 0 && status.Options->Pair(i).Label == label)
                << page->Name << ": " << label;
        }
    }
}

TEST(CatalogueConsistency, FormatsNameExistingColumnsAndParse) {
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        const CvSNMPVarList vars = Load(*page);
        std::set<std::int32_t> seen;
        for (const CvColumnFormat& f : page->Formats) {
            EXPECT_TRUE(f.Column >= 0 && f.Column < vars.GetCount()) << page->Name;
            EXPECT_TRUE(seen.insert(f.Column).second) << page->Name << " column " << f.Column;
            EXPECT_NO_THROW(ParseFormatSpec(f.Format)) << page->Name << " " << f.Format;
        }
        for (const CvSizeAdjustment& s : page->Sizes) {
            EXPECT_GT(s.Amount, 0) << page->Name;
        }
    }
}

// Index columns are the leading PKeyCount records; the walk decodes the row
// index into them, so they must be of a type an index can have.
TEST(CatalogueConsistency, KeysLeadTheirTablesAndCanHoldAnIndex) {
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        const CvSNMPVarList vars = Load(*page);
        const bool table = page->Kind == CvPageKind::Table;
        // A scalar page may walk a table (it shows the last row); a table page must.
        EXPECT_TRUE(!table || vars.IsTable()) << page->Name;
        EXPECT_LE(page->PKeyCount, table ? std::min(vars.GetCount(), 4) : 0) << page->Name;
        bool readable = false;
        for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
            const CvSNMPVar& v = vars.Item(i);
            readable = readable || vars.IsReadable(i);
            if (v.Access & CvAccess::notaccess) {
                EXPECT_LT(i, page->PKeyCount) << page->Name << " " << v.Label;
            }
            if (vars.IsImplied(i)) {
                EXPECT_EQ(i, page->PKeyCount - 1) << page->Name << " " << v.Label;
            }
            if (i < page->PKeyCount) {
                EXPECT_TRUE(v.Syntax != CvSyntax::counter && v.Syntax != CvSyntax::counter64)
                    << page->Name << " " << v.Label;
            }
        }
        EXPECT_TRUE(readable) << page->Name << " has nothing to read";
    }
}

TEST(CatalogueConsistency, RecordsAreWellFormed) {
    static const std::regex oid(R"(^[0-2](\.(0|[1-9][0-9]*))+$)");
    const std::set<std::uint32_t> flagWords = {1, 2, 6, 0x41};
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        EXPECT_TRUE(page->Title != nullptr && *page->Title != '\0') << page->Name;
        std::set<std::string> oids;
        for (const CvSNMPVarDesc* r = page->Records; r->Oid != nullptr; ++r) {
            EXPECT_TRUE(std::regex_match(r->Oid, oid)) << page->Name << " " << r->Oid;
            EXPECT_TRUE(oids.insert(r->Oid).second) << page->Name << " " << r->Oid;
            EXPECT_TRUE(r->Label != nullptr && *r->Label != '\0') << page->Name << " " << r->Oid;
            EXPECT_EQ(flagWords.count(r->Access), 1u) << page->Name << " " << r->Oid;
            EXPECT_TRUE(IsVariableSyntax(r->Syntax) && SyntaxName(r->Syntax) != nullptr)
                << page->Name << " " << r->Oid;
        }
    }
}

// One option list object per distinct enumeration, each with distinct values
// and labels, so that a label reads back as exactly one value.
TEST(CatalogueConsistency, IdenticalOptionListsAreOneSharedList) {
    std::map<std::string, const CvOptionList*> lists;
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        for (const CvSNMPVarDesc* r = page->Records; r->Oid != nullptr; ++r) {
            if (r->Options == nullptr) {
                continue;
            }
            const auto [it, added] = lists.emplace(Pairs(*r->Options), r->Options);
            EXPECT_EQ(it->second, r->Options) << page->Name << " " << r->Label;
            if (!added) {
                continue;
            }
            std::set<std::string> values, labels;
            for (std::int32_t i = 0; i < r->Options->Count(); ++i) {
                EXPECT_TRUE(values.insert(r->Options->ValueText(i)).second) << r->Label;
                EXPECT_TRUE(labels.insert(r->Options->Pair(i).Label).second) << r->Label;
            }
            const bool text = r->Syntax == CvSyntax::objectid;
            EXPECT_EQ(r->Options->Kind, text ? CvOptionList::kTextKind : CvOptionList::kIntegerKind)
                << r->Label;
        }
    }
    EXPECT_EQ(lists.size(), 98u);
}

}  // namespace
