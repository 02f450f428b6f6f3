#include <gtest/gtest.h>

#include <cstdint>

#include "../TestNames.h"
#include "CvOptionList.h"
#include "CvSNMPVarList.h"

namespace {

const CvIntOptionPair kStatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList kStateOptions(kStatePairs);

const CvSNMPVarDesc kPortTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", CvSyntax::integer, CvAccess::notaccess},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority[0-240]", CvSyntax::integer, CvAccess::readwrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "State", CvSyntax::integer, CvAccess::readonly, &kStateOptions},
    {},
    {"1.3.6.1.2.1.17.2.15.1.4", "Beyond the end", CvSyntax::integer, CvAccess::readonly},
};

const CvSNMPVarDesc kScalars[] = {
    {"1.3.6.1.2.1.1.5", "Name", CvSyntax::displaystr, CvAccess::readwrite},
    {"1.3.6.1.2.1.1.3", "Up Time", CvSyntax::timeticks, CvAccess::readonly},
    {},
};

const CvSNMPVarDesc kEmptyTable[] = {
    {nullptr, "Never copied", CvSyntax::integer, CvAccess::readonly},
};

TEST(VarListTest, ConstructionCopiesRecordsUntilNullOid) {
    const CvSNMPVarList list(kPortTable, MVT_FMV, 1);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.ItemType, MVT_FMV);
    EXPECT_EQ(list.PKeyCount, 1);
    EXPECT_EQ(list.Instance, "");
    EXPECT_EQ(list.Name, "");
    for (int i = 0; i < 3; ++i) {
        const CvSNMPVar& item = list.Item(i);
        EXPECT_EQ(item.Oid, kPortTable[i].Oid);
        EXPECT_EQ(item.Label, kPortTable[i].Label);
        EXPECT_EQ(item.Syntax, kPortTable[i].Syntax);
        EXPECT_EQ(item.Access, kPortTable[i].Access);
        EXPECT_EQ(item.Options, kPortTable[i].Options);
        EXPECT_EQ(item.ReadExpr, "");
        EXPECT_EQ(item.Value, "");
        EXPECT_EQ(item.InstanceOid, "");
    }
    EXPECT_EQ(list.Item(2).Options, &kStateOptions);
}

TEST(VarListTest, TableWithNullFirstOidIsEmptyAndAppendsNothing) {
    CvSNMPVarList empty(kEmptyTable, SVT_SV, 0);
    EXPECT_EQ(empty.GetCount(), 0);

    CvSNMPVarList list(kScalars, SVT_SV, 0);
    list.Append(kEmptyTable);
    list.Append(nullptr);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.Item(1).Oid, "1.3.6.1.2.1.1.3");
}

TEST(VarListTest, AppendAddsAfterExistingItemsAndClearEmpties) {
    CvSNMPVarList list(kScalars, SVT_SV, 0);
    list.Append(kPortTable);
    ASSERT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.Item(0).Oid, "1.3.6.1.2.1.1.5");
    EXPECT_EQ(list.Item(2).Oid, "1.3.6.1.2.1.17.2.15.1.1");
    EXPECT_EQ(list.Item(4).Label, "State");
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.ShownCount(), 0);
}

TEST(VarListTest, AssignKeepsTargetInstanceAndReplacesEverythingElse) {
    CvSNMPVarList source(kPortTable, MVT_UMV, 2);
    source.Name = " Port Priority";
    source.Instance = "9";
    source.Item(1).Value = "128";

    CvSNMPVarList target(kScalars, SVT_SV, 0);
    target.Append(kScalars);
    target.Instance = "12";
    target.Assign(source);

    EXPECT_EQ(target.Instance, "12");
    EXPECT_EQ(target.Name, " Port Priority");
    EXPECT_EQ(target.ItemType, MVT_UMV);
    EXPECT_EQ(target.PKeyCount, 2);
    ASSERT_EQ(target.GetCount(), 3);
    EXPECT_EQ(target.Item(0).Oid, "1.3.6.1.2.1.17.2.15.1.1");
    EXPECT_EQ(target.Item(1).Value, "128");
}

TEST(VarListTest, CopyConstructionStartsWithEmptyInstance) {
    CvSNMPVarList source(kPortTable, MVT_FMV, 1);
    source.Instance = "3";
    source.Name = " Led Status";
    const CvSNMPVarList copy(source);
    EXPECT_EQ(copy.Instance, "");
    EXPECT_EQ(copy.Name, " Led Status");
    EXPECT_EQ(copy.ItemType, MVT_FMV);
    EXPECT_EQ(copy.PKeyCount, 1);
    EXPECT_EQ(copy.GetCount(), 3);
}

TEST(VarListTest, CopiesAreDeepButShareOptionLists) {
    CvSNMPVarList original(kPortTable, MVT_FMV, 1);
    original.Item(2).Value = "enabled";

    CvSNMPVarList copy(original);
    copy.Item(2).Value = "disabled";
    copy.Item(2).Oid += ".7";
    EXPECT_EQ(original.Item(2).Value, "enabled");
    EXPECT_EQ(original.Item(2).Oid, "1.3.6.1.2.1.17.2.15.1.3");
    EXPECT_EQ(copy.Item(2).Options, original.Item(2).Options);

    CvSNMPVarList assigned;
    assigned.Assign(original);
    original.Item(2).Value = "(NULL)";
    EXPECT_EQ(assigned.Item(2).Value, "enabled");
}

TEST(VarListTest, AssignToItselfKeepsItems) {
    CvSNMPVarList list(kPortTable, MVT_FMV, 1);
    list.Item(0).Value = "4";
    list.Assign(list);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.Item(0).Value, "4");
}

TEST(VarListTest, AppendInstanceToOidsAddressesOneRowPermanently) {
    CvSNMPVarList list(kPortTable, MVT_SV, 0);
    const CvSNMPVarList before(list);
    list.AppendInstanceToOids("5");
    list.AppendInstanceToOids("1");
    for (int i = 0; i < list.GetCount(); ++i) {
        EXPECT_EQ(list.Item(i).Oid, before.Item(i).Oid + ".5.1");
        EXPECT_EQ(list.Item(i).InstanceOid, "");
    }
    EXPECT_EQ(before.Item(0).Oid, "1.3.6.1.2.1.17.2.15.1.1");
}

struct PredicateCase {
    std::uint32_t Access;
    std::uint8_t ItemType;
    std::int32_t PKeyCount;
    std::int32_t Index;
    bool Readable;
    bool Writable;
    bool Shown;
    bool CarriedHidden;
    bool Implied;
};

void PrintTo(const PredicateCase& c, std::ostream* os) {
    *os << "access 0x" << std::hex << c.Access << std::dec << ", item type "
        << static_cast<int>(c.ItemType) << ", keys " << c.PKeyCount << ", item " << c.Index;
}

class VarListPredicateTest : public ::testing::TestWithParam<PredicateCase> {};

TEST_P(VarListPredicateTest, FlagWord) {
    const PredicateCase& c = GetParam();
    const CvSNMPVarDesc table[] = {
        {"1.1", "a", CvSyntax::integer, 2},
        {"1.2", "b", CvSyntax::integer, 2},
        {"1.3", "c", CvSyntax::integer, 2},
        {},
    };
    CvSNMPVarList list(table, c.ItemType, c.PKeyCount);
    list.Item(c.Index).Access = c.Access;
    EXPECT_EQ(list.IsReadable(c.Index), c.Readable);
    EXPECT_EQ(list.IsWritable(c.Index), c.Writable);
    EXPECT_EQ(list.IsShown(c.Index), c.Shown);
    EXPECT_EQ(list.IsCarriedHidden(c.Index), c.CarriedHidden);
    EXPECT_EQ(list.IsImplied(c.Index), c.Implied);
}

// access, item type, keys, item: readable, writable, shown, carried hidden, implied
INSTANTIATE_TEST_SUITE_P(
    VarListFlagWords, VarListPredicateTest,
    ::testing::Values(PredicateCase{0x00, SVT_SV, 0, 0, false, false, false, false, false},
                      PredicateCase{0x01, SVT_SV, 0, 0, false, false, true, false, false},
                      PredicateCase{0x02, SVT_SV, 0, 0, true, false, true, false, false},
                      PredicateCase{0x04, SVT_SV, 0, 0, false, true, false, true, false},
                      PredicateCase{0x06, SVT_SV, 0, 0, true, true, true, false, false},
                      PredicateCase{0x08, SVT_SV, 0, 0, false, false, true, false, false},
                      PredicateCase{0x12, SVT_SV, 0, 0, true, false, false, true, false},
                      PredicateCase{0x14, MVT_SV, 0, 1, false, true, false, true, false},
                      PredicateCase{0x26, SVT_SV, 0, 0, false, false, false, true, false},
                      PredicateCase{0x41, SVT_SV, 0, 0, false, false, true, false, true},
                      // Index columns of tables are writable (they address the row of a set).
                      PredicateCase{0x01, MVT_FMV, 1, 0, false, true, true, false, false},
                      PredicateCase{0x01, MVT_FMV, 1, 1, false, false, true, false, false},
                      PredicateCase{0x02, MVT_UMV, 2, 1, true, true, true, false, false},
                      PredicateCase{0x02, MVT_UMV, 2, 2, true, false, true, false, false},
                      PredicateCase{0x41, MVT_UMV, 2, 1, false, true, true, false, true},
                      PredicateCase{0x41, MVT_FMV, 1, 0, false, true, true, false, true},
                      PredicateCase{0x21, MVT_FMV, 1, 0, false, false, false, true, false},
                      PredicateCase{0x01, MVT_SV, 1, 0, false, false, true, false, false},
                      PredicateCase{0x01, SVT_SV, 1, 0, false, false, true, false, false},
                      PredicateCase{0x26, MVT_FMV, 3, 2, false, false, false, true, false}),
    [](const auto& info) { return CaseName(info.index, ::testing::PrintToString(info.param)); });

TEST(VarListTest, ShownAndCarriedHiddenCounts) {
    const CvSNMPVarDesc table[] = {
        {"1.1", "key", CvSyntax::integer, 0x01},
        {"1.2", "ro", CvSyntax::integer, 0x02},
        {"1.3", "wo", CvSyntax::integer, 0x04},
        {"1.4", "rw", CvSyntax::integer, 0x06},
        {"1.5", "derived", CvSyntax::integer, 0x08},
        {"1.6", "hidden", CvSyntax::integer, 0x12},
        {"1.7", "invalid", CvSyntax::integer, 0x26},
        {"1.8", "implied", CvSyntax::integer, 0x41},
        {},
    };
    CvSNMPVarList list(table, MVT_FMV, 1);
    EXPECT_EQ(list.ShownCount(), 5);
    EXPECT_EQ(list.CarriedHiddenCount(), 3);
    list.Item(3).Access |= CvAccess::invalid;
    EXPECT_EQ(list.ShownCount(), 4);
    EXPECT_EQ(list.CarriedHiddenCount(), 4);
}

}  // namespace
