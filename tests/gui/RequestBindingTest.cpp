// Bindings of requests to controls: every control kind filled and read back,
// reads and writes of the simulator into bound controls and a list view,
// and failures reported where the window shows them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvCatalogues.h"
#include "CvException.h"
#include "CvOptionList.h"
#include "CvSNMPRequest2Edits.h"
#include "Edit.h"
#include "GuiTestSupport.h"
#include "RadioGroup.h"
#include "SilentUdpPort.h"
#include "StaticText.h"

namespace gui_test {
namespace {

constexpr std::uint32_t kRo = CvAccess::readonly;
constexpr std::uint32_t kRw = CvAccess::readwrite;

const CvIntOptionPair kStatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const CvOptionList kStates(kStatePairs);
const CvTextOptionPair kOidPrefixPairs[] = {
    {"1.3.6.1.4.1", "enterprises"}, {"1.3.6.1.2.1", "mib-2"}, {nullptr, nullptr}};
const CvOptionList kOidPrefixes(kOidPrefixPairs, CvOptionList::kPrefixKind);

// A one-item list of `syntax` holding `value`.
CvSNMPVarList OneItem(std::uint32_t syntax, const CvOptionList* options = nullptr) {
    const CvSNMPVarDesc records[] = {{"1.3.6.1.4.1.99999.1", "Item", syntax, kRw, options}, {}};
    return CvSNMPVarList(records, SVT_SV, 0);
}

struct Window {
    QWidget Owner;
    std::vector<Edit*> Edits;
    std::vector<QWidget*> Boxes;
    Window() {
        for (int i = 0; i < 10; ++i) {
            Edits.push_back(new Edit(&Owner));
        }
        for (int i = 0; i < 8; ++i) {
            Boxes.push_back(new CheckBox(QString(), &Owner));
        }
    }
    std::vector<std::string> Texts(std::size_t count) const {
        std::vector<std::string> texts;
        for (std::size_t k = 0; k < count; ++k) {
            texts.push_back(Edits[k]->text().toStdString());
        }
        return texts;
    }
};

class BindingTest : public GuiTest {};

// Edit groups: the value in the edits, then typed fields read back.
struct EditGroupCase {
    const char* Name;
    std::uint32_t Syntax;
    const char* Format;
    const char* Value;
    std::vector<std::string> Shown;
    std::vector<std::string> Typed;
    const char* ReadBack;
};

class EditGroupTest : public BindingTest, public ::testing::WithParamInterface<EditGroupCase> {};

TEST_P(EditGroupTest, FillsTheEditsAndReadsThemBack) {
    const EditGroupCase& c = GetParam();
    Window window;
    CvSNMPRequest2Edits binding(&window.Owner);
    binding.Request->Vars.Assign(OneItem(c.Syntax));
    binding.BindFormatted(0, c.Format, window.Edits);
    binding.Request->Vars.Item(0).Value = c.Value;
    binding.ValuesToControls(-1);
    EXPECT_EQ(window.Texts(c.Shown.size()), c.Shown);
    for (std::size_t k = 0; k < c.Typed.size(); ++k) {
        window.Edits[k]->setText(QString::fromStdString(c.Typed[k]));
    }
    binding.ControlsToValues(-1);
    EXPECT_EQ(binding.Request->Vars.Item(0).Value, c.ReadBack);
}

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, EditGroupTest,
    ::testing::Values(EditGroupCase{"OctetsInHex",
                                    CvSyntax::octetstr,
                                    "%h{l2}%h{l2}%h{l2}",
                                    "0A1B2C",
                                    {"0A", "1B", "2C"},
                                    {"A", "", "ff"},
                                    "0A00FF"},
                      EditGroupCase{"MacAddress",
                                    CvSyntax::macaddress,
                                    "%h%h%h%h%h%h",
                                    "001122AABBCC",
                                    {"00", "11", "22", "AA", "BB", "CC"},
                                    {"1", "2", "3", "4", "5", "6"},
                                    "010203040506"},
                      EditGroupCase{"ObjectIdentifier",
                                    CvSyntax::objectid,
                                    "%u%u%u%u",
                                    "1.3.6.1",
                                    {"1", "3", "6", "1"},
                                    {"1", "3", "6", "4"},
                                    "1.3.6.4"},
                      EditGroupCase{"IpAddress",
                                    CvSyntax::ipaddress,
                                    "%u%u%u%u",
                                    "192.0.2.17",
                                    {"192", "0", "2", "17"},
                                    {"10", "0", "0", "1"},
                                    "10.0.0.1"},
                      EditGroupCase{"TimeTicks",
                                    CvSyntax::timeticks,
                                    "%u%u%u%u%u",
                                    "1 day 2:03:04.05",
                                    {"1", "2", "3", "4", "5"},
                                    {"0", "0", "1", "0", "7"},
                                    "0:01:00.07"},
                      EditGroupCase{"DateAndTime",
                                    CvSyntax::datetime,
                                    "%u%u%u%u%u%u%u%s%u%u",
                                    "2024-3-15,13:37:30.5,+1:0",
                                    {"2024", "3", "15", "13", "37", "30", "5", "+", "1", "0"},
                                    {"2025", "12", "31", "23", "59", "58", "9", "-", "5", "30"},
                                    "2025-12-31,23:59:58.9,-5:30"},
                      EditGroupCase{"NullLeavesAddressEdits",
                                    CvSyntax::ipaddress,
                                    "%u%u%u%u",
                                    "(NULL)",
                                    {"", "", "", ""},
                                    {"1", "2", "3", "4"},
                                    "1.2.3.4"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BindingTest, SingleControlsShowAndReturnTheirValues) {
    Window window;
    auto* combo = new ComboBox(&window.Owner);
    combo->addItems({"enabled", "disabled"});
    auto* group = new RadioGroup(QString(), &window.Owner);
    group->SetItems({"enabled", "disabled"});
    auto* box = new CheckBox(QString(), &window.Owner);
    auto* flag = new CheckBox(QString(), &window.Owner);
    auto* label = new QLabel(&window.Owner);
    auto* text = new StaticText(&window.Owner);
    auto* prefix = new ComboBox(&window.Owner);
    prefix->addItems({"enterprises", "mib-2"});
    auto* rest = new Edit(&window.Owner);

    const CvSNMPVarDesc records[] = {
        {"1.3.6.1.4.1.99999.1", "Combo", CvSyntax::integer, kRw, &kStates},
        {"1.3.6.1.4.1.99999.2", "Radio", CvSyntax::integer, kRw, &kStates},
        {"1.3.6.1.4.1.99999.3", "Box", CvSyntax::integer, kRw, &kStates},
        {"1.3.6.1.4.1.99999.4", "Flag", CvSyntax::boolean, kRw},
        {"1.3.6.1.4.1.99999.5", "Label", CvSyntax::displaystr, kRo},
        {"1.3.6.1.4.1.99999.6", "Static", CvSyntax::integer, kRo},
        {"1.3.6.1.4.1.99999.7", "Oid", CvSyntax::objectid, kRw},
        {}};
    CvSNMPRequest2Edits binding(&window.Owner);
    binding.Request->Vars.Assign(CvSNMPVarList(records, SVT_SV, 0));
    int chained = 0;
    combo->OnChange = [&](ComboBox&) { ++chained; };
    binding.BindList(0, combo);
    binding.BindControl(1, group);
    binding.BindControl(2, box);
    binding.BindControl(3, flag);
    binding.BindControl(4, label);
    binding.BindControl(5, text);
    binding.BindPart(6, 0, CvSyntax::objectid, &kOidPrefixes, prefix, rest);
    EXPECT_FALSE(combo->isEditable());

    CvSNMPVarList& vars = binding.Request->Vars;
    for (const auto& [i, value] :
         std::vector<std::pair<int, std::string>>{{0, "disabled"},
                                                  {1, "1"},
                                                  {2, "disabled"},
                                                  {3, "true"},
                                                  {4, "lab"},
                                                  {5, "42"},
                                                  {6, "1.3.6.1.4.1.99917.2"}}) {
        vars.Item(i).Value = value;
    }
    binding.ValuesToControls(-1);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(flag->isChecked());
    EXPECT_EQ(label->text(), "lab");
    EXPECT_EQ(text->text(), "42");
    EXPECT_EQ(prefix->currentText(), "enterprises");
    EXPECT_EQ(rest->text(), "99917.2");

    emit combo->activated(0);
    EXPECT_EQ(chained, 1) << "the window's own handler still runs";
    combo->setCurrentIndex(0);
    group->SetItemIndex(1);
    box->setChecked(false);
    flag->setChecked(false);
    rest->setText("4");
    binding.ControlsToValues(-1);
    EXPECT_EQ(vars.Item(0).Value, "enabled");
    EXPECT_EQ(vars.Item(1).Value, "disabled");
    EXPECT_EQ(vars.Item(2).Value, "enabled");
    EXPECT_EQ(vars.Item(3).Value, "false");
    EXPECT_EQ(vars.Item(6).Value, "1.3.6.1.4.1.4");

    binding.Unbind(0);
    emit combo->activated(1);
    EXPECT_EQ(chained, 2) << "unbinding gives the handler back";
}

// A check box bound through a two-entry option list: the first entry is
// unticked, the second ticked, both ways.
TEST_F(BindingTest, OptionCheckBoxTicksForTheSecondEntryOnly) {
    Window window;
    auto* box = new CheckBox(QString(), &window.Owner);
    const CvSNMPVarDesc records[] = {
        {"1.3.6.1.4.1.99999.3", "Box", CvSyntax::integer, kRw, &kStates}, {}};
    CvSNMPRequest2Edits binding(&window.Owner);
    binding.Request->Vars.Assign(CvSNMPVarList(records, SVT_SV, 0));
    binding.BindControl(0, box);
    CvSNMPVarList& vars = binding.Request->Vars;
    for (const auto& [value, ticked] : {std::pair{"enabled", false}, std::pair{"disabled", true}}) {
        SCOPED_TRACE(value);
        box->setChecked(!ticked);
        vars.Item(0).Value = value;
        binding.ValuesToControls(0);
        EXPECT_EQ(box->isChecked(), ticked);
        vars.Item(0).Value.clear();
        binding.ControlsToValues(0);
        EXPECT_EQ(vars.Item(0).Value, value);
    }
}

TEST_F(BindingTest, CheckBoxGroupShowsAndBuildsTheBitmap) {
    Window window;
    CvSNMPRequest2Edits binding(&window.Owner);
    binding.Request->Vars.Assign(OneItem(CvSyntax::octetstr));
    binding.BindBits(0, "0,1,2,3,4,5,6,7", window.Boxes);
    binding.Request->Vars.Item(0).Value = "A5";
    binding.ValuesToControls(-1);
    std::vector<bool> states;
    for (QWidget* box : window.Boxes) {
        states.push_back(static_cast<CheckBox*>(box)->isChecked());
    }
    EXPECT_EQ(states, (std::vector<bool>{true, false, true, false, false, true, false, true}));
    static_cast<CheckBox*>(window.Boxes[1])->setChecked(true);
    binding.ControlsToValues(-1);
    EXPECT_EQ(binding.Request->Vars.Item(0).Value, "E5");
}

TEST_F(BindingTest, BindingErrorsHaveTheirCodes) {
    Window window;
    CvSNMPRequest2Edits binding(&window.Owner);
    binding.Request->Vars.Assign(OneItem(CvSyntax::octetstr));
    std::vector<QWidget*> boxes = window.Boxes;
    for (int i = 0; i < 16; ++i) {
        boxes.push_back(new CheckBox(QString(), &window.Owner));
    }
    std::string positions;
    for (int p = 0; p < 24; ++p) {
        positions += (p > 0 ? "," : "") + std::to_string(p);
    }
    binding.BindBits(0, positions, boxes);
    binding.Request->Vars.Item(0).Value = "FFFF";  // two bytes for 24 positions
    const auto code = [](auto&& operation) {
        try {
            operation();
        } catch (const CvException& e) {
            return e.Code();
        }
        return 0;
    };
    EXPECT_EQ(code([&] { binding.ValuesToControls(-1); }), -519);
    binding.Unbind(0);
    EXPECT_EQ(code([&] { binding.BindControl(0, new ComboBox(&window.Owner)); }), -520);
    EXPECT_EQ(code([&] {
                  binding.BindPart(0, 0, CvSyntax::objectid, &kOidPrefixes,
                                   new ComboBox(&window.Owner));
              }),
              -522);
    binding.BindControl(0, new QPushButton(&window.Owner));
    EXPECT_EQ(code([&] { binding.ValuesToControls(-1); }), -521);
}

// A window's controls bound to the system group of the simulator.
struct SystemPage {
    QWidget Owner;
    QPlainTextEdit* Memo = new QPlainTextEdit(&Owner);
    QLabel* Description = new QLabel(&Owner);
    Edit* Contact = new Edit(&Owner);
    Edit* Location = new Edit(&Owner);
    CvSNMPRequest2Edits Binding{&Owner};
    explicit SystemPage(std::uint8_t mode) {
        const CvSNMPVarDesc records[] = {
            {"1.3.6.1.2.1.1.1", "sysDescr", CvSyntax::displaystr, kRo},
            {"1.3.6.1.2.1.1.4", "sysContact", CvSyntax::displaystr, kRw},
            {"1.3.6.1.2.1.1.6", "sysLocation", CvSyntax::displaystr, kRw},
            {}};
        Binding.Request->Vars.Assign(CvSNMPVarList(records, SVT_SV, 0));
        Binding.Mode = mode;
        Binding.BindControl(0, Description);
        Binding.BindControl(1, Contact);
        Binding.BindControl(2, Location);
        Binding.SetStatusTarget(Memo);
    }
};

std::string ReadSysLocation() {
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {{"1.3.6.1.2.1.1.6", "", CvSyntax::displaystr, kRo}, {}};
    request.Vars.Assign(CvSNMPVarList(records, SVT_SV, 0));
    request.Read(true);
    return request.Vars.Item(0).Value;
}

TEST_F(BindingTest, ScalarGroupIsReadAndWrittenInBothModes) {
    UseSimulator();
    for (const std::uint8_t mode : {0, 1}) {
        SystemPage page(mode);
        bool readDone = false;
        page.Binding.OnReadDone = [&](CvSNMPRequest2Controls&, const CvSNMPError&) {
            readDone = true;
        };
        page.Binding.Get();
        ASSERT_TRUE(PumpUntil([&] { return !page.Binding.Busy; }));
        EXPECT_EQ(readDone, mode == 1);
        EXPECT_FALSE(page.Description->text().isEmpty());
        EXPECT_TRUE(page.Memo->toPlainText().startsWith("Get: (CvSNMP++) Ok!. Receive at "))
            << page.Memo->toPlainText().toStdString();

        const std::string place = "rack " + std::to_string(7 + mode);
        page.Location->setText(QString::fromStdString(place));
        page.Binding.Set(true, true);
        ASSERT_TRUE(PumpUntil([&] { return !page.Binding.Busy; }));
        EXPECT_EQ(ReadSysLocation(), place);
        EXPECT_TRUE(page.Memo->toPlainText().contains("Set: (CvSNMP++) Ok!. Receive at "));
    }
}

TEST_F(BindingTest, SynchronousGetOfAnEmptyTableDeliversNoRow) {
    UseSimulator();
    QWidget owner;
    ListView list(&owner);
    QPlainTextEdit memo(&owner);
    CvSNMPRequest2Edits binding(&owner);
    const CvSNMPVarDesc records[] = {
        {"1.3.6.1.4.1.99917.250.1.1.1", "Index", CvSyntax::integer, CvAccess::notaccess},
        {"1.3.6.1.4.1.99917.250.1.1.2", "Name", CvSyntax::displaystr, kRo},
        {}};
    binding.Request->Vars.Assign(CvSNMPVarList(records, MVT_FMV, 1));
    binding.Mode = 0;
    binding.AttachListView(&list);
    binding.SetStatusTarget(&memo);
    binding.Get();
    EXPECT_EQ(binding.RowCount, 0);
    EXPECT_EQ(list.LineCount(), 0);
    EXPECT_EQ(list.ColumnCount(), 2);
    EXPECT_TRUE(memo.toPlainText().startsWith("Get: (CvSNMP++) Ok!"));
}

TEST_F(BindingTest, AsynchronousReadThatTimesOutIsReportedWhereTheWindowShowsIt) {
    agents::SilentUdpPort silent;
    UseSimulator(silent.Port());
    for (const bool withMemo : {true, false}) {
        SystemPage page(1);
        if (!withMemo) {
            page.Binding.StatusTarget = CvStatusTarget{};
        }
        page.Binding.Request->Timeout = 5;
        std::vector<int> done;
        page.Binding.OnReadDone = [&](CvSNMPRequest2Controls&, const CvSNMPError& error) {
            done.push_back(error.Code);
        };
        page.Binding.Get();
        EXPECT_TRUE(page.Binding.Busy);
        ASSERT_TRUE(PumpUntil([&] { return !done.empty(); }));
        EXPECT_FALSE(page.Binding.Busy);
        EXPECT_EQ(done, std::vector<int>{kErrTimeout});
        const QString text = "(SNMPClass) SNMP request timed out!";
        if (withMemo) {
            EXPECT_TRUE(page.Memo->toPlainText().startsWith("Get: " + text));
            EXPECT_TRUE(Boxes.empty());
        } else {
            ASSERT_EQ(Boxes.size(), 1u);
            EXPECT_EQ(Boxes[0].Text, text);
            EXPECT_EQ(Boxes[0].Type, CvMessageBox::Kind::Plain);
            EXPECT_EQ(Boxes[0].Caption, "gui_tests");
        }
    }
}

TEST_F(BindingTest, TableSetRefreshesTheListAndDisablesTheControlsUntilALineIsPicked) {
    UseSimulator();
    QWidget owner;
    ListView list(&owner);
    Edit alias(&owner);
    CvSNMPRequest2Edits binding(&owner);
    const CvSNMPVarDesc records[] = {
        {"1.3.6.1.2.1.31.1.1.1.0", "ifIndex", CvSyntax::integer, CvAccess::notaccess},
        {"1.3.6.1.2.1.31.1.1.1.1", "ifName", CvSyntax::displaystr, kRo},
        {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", CvSyntax::displaystr, kRw},
        {}};
    binding.Request->Vars.Assign(CvSNMPVarList(records, MVT_FMV, 1));
    binding.Mode = 0;
    binding.AttachListView(&list);
    binding.BindControl(2, &alias);
    binding.Get();
    ASSERT_GE(list.LineCount(), 24);
    EXPECT_FALSE(alias.isEnabled());
    EXPECT_EQ(list.ColumnCaption(2), "ifAlias");

    list.SelectLine(4);
    EXPECT_TRUE(alias.isEnabled());
    EXPECT_EQ(alias.text(), list.SubItem(4, 1));
    const QString port = list.Caption(4);
    alias.setText("uplink to lab");
    binding.Set(true, true);
    EXPECT_FALSE(alias.isEnabled()) << "the list was read again";
    EXPECT_EQ(list.SelectedLine(), -1);
    ASSERT_GE(list.LineCount(), 24);
    EXPECT_EQ(list.Caption(4), port);
    EXPECT_EQ(list.SubItem(4, 1), "uplink to lab");
}

// A page marks items between the read and the write (Delete excludes every
// column but the keys and the status; the edit dialog hides a status row):
// the selected line still goes back item by item from the columns it was
// built with.
struct MarkedItemsCase {
    const char* Name;
    std::vector<std::int32_t> Items;
    std::uint32_t Flag;
};

class LineAfterMarkingTest : public BindingTest,
                             public ::testing::WithParamInterface<MarkedItemsCase> {};

TEST_P(LineAfterMarkingTest, EveryItemTakesItsOwnColumn) {
    QWidget owner;
    ListView list(&owner);
    CvSNMPRequest2Edits binding(&owner);
    const CvSNMPVarDesc records[] = {
        {"1.3.6.1.4.1.99999.2.1.1", "Address", CvSyntax::ipaddress, CvAccess::notaccess},
        {"1.3.6.1.4.1.99999.2.1.2", "Subtree", CvSyntax::objectid, CvAccess::notaccess},
        {"1.3.6.1.4.1.99999.2.1.3", "Name", CvSyntax::displaystr, kRw},
        {"1.3.6.1.4.1.99999.2.1.4", "Mask", CvSyntax::ipaddress, kRw},
        {"1.3.6.1.4.1.99999.2.1.5", "Status", CvSyntax::integer, kRw, &kStates},
        {}};
    binding.Request->Vars.Assign(CvSNMPVarList(records, MVT_UMV, 2));
    binding.AttachListView(&list);
    const std::vector<std::string> row = {"192.0.2.77", "1.3.6.1.2.1.1", "lab", "255.255.255.0",
                                          "enabled"};
    CvSNMPVarList& vars = binding.Request->Vars;
    for (std::size_t i = 0; i < row.size(); ++i) {
        vars.Item(static_cast<std::int32_t>(i)).Value = row[i];
    }
    binding.OnRow();
    list.SelectLine(0);

    for (const std::int32_t i : GetParam().Items) {
        vars.Item(i).Access |= GetParam().Flag;
    }
    binding.GatherValues();
    for (std::size_t i = 0; i < row.size(); ++i) {
        const CvSNMPVar& item = vars.Item(static_cast<std::int32_t>(i));
        EXPECT_EQ(item.Value, row[i]) << item.Label;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Marks, LineAfterMarkingTest,
    ::testing::Values(MarkedItemsCase{"ExcludedButKeysAndStatus", {2, 3}, CvAccess::invalid},
                      MarkedItemsCase{"HiddenStatus", {4}, CvAccess::hidden},
                      MarkedItemsCase{"HiddenMiddleColumn", {2}, CvAccess::hidden}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace gui_test
