// The viewer's window against vanta-sim and net-snmp's snmpd, read through
// its buttons as a user does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

#include "AgentProcess.h"
#include "CounterPlot.h"
#include "CvCatalogues.h"
#include "CvSNMPSettings.h"
#include "GuiTestSupport.h"
#include "SilentUdpPort.h"
#include "SnmpdAgent.h"
#include "SnmpsimAgent.h"
#include "StatusBar.h"
#include "TViewerForm.h"

namespace {

using gui_test::PumpUntil;

class ViewerFormTest : public gui_test::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        // Window sizes go to a folder of this test's own.
        FConfig = std::make_unique<agents::TempDir>("vanta-viewer-config");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(FConfig->Path()));
        gui_test::UseSimulator();
    }
    void TearDown() override {
        Form.reset();
        qunsetenv("XDG_CONFIG_HOME");
        FConfig.reset();
        GuiTest::TearDown();
    }

    TViewerForm& Open(const char* argument) {
        const ViewerPage* page = FindViewerPage(argument);
        EXPECT_NE(page, nullptr) << argument;
        Form = std::make_unique<TViewerForm>(*page, "127.0.0.1");
        return *Form;
    }
    // Waits for read `count` to end.
    static void AwaitRead(const TViewerForm& form, int count) {
        ASSERT_TRUE(PumpUntil([&] { return form.ReadsDone() >= count; }, 30000))
            << "read " << count << " did not end";
    }
    static QString StatusText(const TViewerForm& form) { return form.Status->Panel(0)->text(); }
    static bool ReadOk(const TViewerForm& form) {
        return StatusText(form).contains(QString::fromStdString(CodeMessage(kOk)));
    }
    static QString Cell(const QTableWidget* table, int row, int column) {
        const QTableWidgetItem* item = table->item(row, column);
        return item != nullptr ? item->text() : QString();
    }
    static int ColumnOf(const QTableWidget* table, const QString& header) {
        for (int c = 0; c < table->columnCount(); ++c) {
            if (table->horizontalHeaderItem(c)->text() == header) {
                return c;
            }
        }
        return -1;
    }

    std::unique_ptr<TViewerForm> Form;

private:
    std::unique_ptr<agents::TempDir> FConfig;
};

class EveryViewerPageTest : public ViewerFormTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryViewerPageTest, OpensAndShowsWhatTheSimulatorHas) {
    TViewerForm& form = Open(GetParam());
    EXPECT_TRUE(form.windowTitle().endsWith(": 127.0.0.1")) << form.windowTitle().toStdString();
    AwaitRead(form, 1);
    EXPECT_TRUE(ReadOk(form)) << StatusText(form).toStdString();
    bool shown = false;
    for (int s = 0; s < form.SectionCount(); ++s) {
        const QTableWidget* table = form.SectionTable(s);
        EXPECT_EQ(table->objectName(), QStringLiteral("Section%1").arg(s + 1));
        if (form.SectionNote(s).isEmpty()) {
            EXPECT_GT(table->rowCount(), 0) << "section " << s + 1 << ": an empty grid";
            shown = true;
        }
    }
    EXPECT_TRUE(shown) << "no section has rows";
    EXPECT_TRUE(Boxes.empty());
}

// The page arguments of the module's menu.
const char* const kPageArguments[] = {
    "/TMIB_Info",
    "/TMIB_IFTable",
    "/TMIB_IFCounters",
    "/TMIB_IPCounters",
    "/TMIB_IPRouting",
    "/TMIB_IPAddress",
    "/TMIB_ICMPCounters",
    "/TMIB_UDPCounters",
    "/TMIB_SNMPCounters",
    "/TMIB_ARP",
    "/TIFMib_LastChangeTable",
    "/TEthernetLike_dot3StatsTable",
    "/TRmon_Statistics",
    "/TRmon_History",
    "/TRmon_AlarmEvent",
    "/TBridge_Port",
    "/TBridge_Forwarding",
    "/TBridge_TpPortInfo",
    "/TBridge_StaticFilter",
    "/TLayer3_RIP",
    "/TLayer3_RIP2",
    "/TLayer3_OSPF",
    "/TLayer3_Area",
    "/TLayer3_Lsdb",
    "/TLayer3_Neighbor",
    "/TLayer3_IPM",
    "/TLayer3_DVMRP",
    "/TLayer3_PIM",
    "/TLayer3_RendezvousPoints",
};

INSTANTIATE_TEST_SUITE_P(Pages, EveryViewerPageTest, ::testing::ValuesIn(kPageArguments),
                         [](const auto& info) { return std::string(info.param + 2); });

TEST_F(ViewerFormTest, CountersGetRatesFromTheSecondReadAndThePlotFollowsTheSelectedPort) {
    TViewerForm& form = Open("/TMIB_IFCounters");
    form.IntervalCombo->setCurrentText("Off");
    AwaitRead(form, 1);
    const QTableWidget* table = form.SectionTable(0);
    const int octets = ColumnOf(table, "In Octets/s");
    ASSERT_EQ(octets, ColumnOf(table, "In Octets") + 1) << "the rate stands beside its counter";
    ASSERT_GT(table->rowCount(), 1);
    for (int row = 0; row < table->rowCount(); ++row) {
        EXPECT_EQ(Cell(table, row, octets), "") << "no rate after one read";
    }
    // The agent's clock counts hundredths: reads within one show no time between them.
    const auto anyRate = [&] {
        for (int row = 0; row < table->rowCount(); ++row) {
            if (Cell(table, row, octets).endsWith("/s")) {
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(PumpUntil([&] {
        if (!form.Reading()) {
            form.RefreshButton->click();
        }
        return anyRate();
    }));
    bool moving = false;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString rate = Cell(table, row, octets);
        EXPECT_TRUE(rate.endsWith("/s")) << row << ": " << rate.toStdString();
        moving = moving || (rate != "0.0/s" && !rate.isEmpty());
    }
    EXPECT_TRUE(moving) << "ports with a link carry traffic";

    ASSERT_NE(form.Plot, nullptr);
    EXPECT_EQ(form.Plot->PortName(), Cell(table, 0, 1)) << "the first port until one is chosen";
    const_cast<QTableWidget*>(table)->selectRow(2);
    EXPECT_EQ(form.Plot->PortName(), Cell(table, 2, 1));
}

TEST_F(ViewerFormTest, RefreshWhileAReadRunsIsIgnored) {
    TViewerForm& form = Open("/TMIB_IFTable");
    ASSERT_TRUE(form.Reading());
    form.RefreshButton->click();
    form.RefreshButton->click();
    EXPECT_FALSE(form.Refresh());
    AwaitRead(form, 1);
    EXPECT_FALSE(form.Reading()) << "no read was queued behind the first";
    EXPECT_EQ(form.ReadsDone(), 1);
}

TEST_F(ViewerFormTest, TheIntervalDefaultsToFiveSecondsWhereCountersAreAndReadsByItself) {
    const std::pair<const char*, const char*> defaults[] = {{"/TMIB_Info", "Off"},
                                                            {"/TMIB_IFTable", "Off"},
                                                            {"/TMIB_IFCounters", "5 s"},
                                                            {"/TRmon_Statistics", "5 s"}};
    for (const auto& [argument, interval] : defaults) {
        TViewerForm& form = Open(argument);
        EXPECT_EQ(form.IntervalCombo->currentText(), interval) << argument;
        AwaitRead(form, 1);
    }
    QStringList offered;
    for (int k = 0; k < Form->IntervalCombo->count(); ++k) {
        offered << Form->IntervalCombo->itemText(k);
    }
    EXPECT_EQ(offered, (QStringList{"Off", "2 s", "5 s", "10 s", "30 s", "1 min"}));
    Form->IntervalCombo->setCurrentText("2 s");
    AwaitRead(*Form, 2);  // without a click
    Form->IntervalCombo->setCurrentText("Off");
    EXPECT_EQ(Form->ReadsDone(), 2);
}

// Groups a device lacks or has in part: net-snmp's agent has no routing
// MIBs and no RMON; the partial device has an empty interface table, alarms
// without rows beside an event, and no IP-FORWARD-MIB.
struct NoteCase {
    const char* Argument;
    bool Snmpd;                      // else the partial device
    const char* Status;              // null: the read went well
    std::vector<const char*> Notes;  // per section; "" where rows are shown
};

void PrintTo(const NoteCase& c, std::ostream* out) {
    *out << c.Argument;
}

class SectionNoteTest : public ViewerFormTest, public ::testing::WithParamInterface<NoteCase> {};

TEST_P(SectionNoteTest, EmptyAndUnsupportedSectionsSaySoInsteadOfAnEmptyGrid) {
    const NoteCase& c = GetParam();
    std::unique_ptr<agents::SnmpdAgent> snmpd;
    std::unique_ptr<agents::SnmpsimAgent> partial;
    if (c.Snmpd) {
        snmpd = std::make_unique<agents::SnmpdAgent>();
        gui_test::UseSimulator(snmpd->Port());
    } else {
        partial = std::make_unique<agents::SnmpsimAgent>(
            std::vector<std::string>{VANTA_SNMPREC_DIR "/vanta-viewer.snmprec"});
        gui_test::UseSimulator(partial->Port());
        GlobalSecurity().ReadCommunity = "vanta-viewer";
    }
    TViewerForm& form = Open(c.Argument);
    AwaitRead(form, 1);
    if (c.Status != nullptr) {
        EXPECT_EQ(StatusText(form), c.Status);
    } else {
        EXPECT_TRUE(ReadOk(form)) << StatusText(form).toStdString();
    }
    ASSERT_EQ(form.SectionCount(), static_cast<int>(c.Notes.size()));
    for (int s = 0; s < form.SectionCount(); ++s) {
        const QString note = c.Notes[static_cast<std::size_t>(s)];
        EXPECT_EQ(form.SectionNote(s), note) << "section " << s + 1;
        EXPECT_EQ(!form.SectionTable(s)->isHidden(), note.isEmpty());
    }
}

constexpr char kNoOspf[] = "This device does not support OSPF (OSPF-MIB).";
constexpr char kNoRmon[] = "This device does not support RMON (RMON-MIB).";

const NoteCase kNoteCases[] = {
    {"/TLayer3_OSPF", true, kNoOspf, {kNoOspf}},
    {"/TRmon_AlarmEvent", true, kNoRmon, {kNoRmon, kNoRmon}},
    {"/TMIB_IFTable", false, nullptr, {"No entries."}},
    {"/TRmon_AlarmEvent", false, nullptr, {"No entries.", ""}},
    {"/TMIB_IPRouting",
     false,
     nullptr,
     {"No entries.", "This device does not support IP routing (MIB-II, IP-FORWARD-MIB)."}},
};

INSTANTIATE_TEST_SUITE_P(Devices, SectionNoteTest, ::testing::ValuesIn(kNoteCases),
                         [](const auto& info) {
                             return std::string(info.param.Snmpd ? "Snmpd_" : "Partial_") +
                                    (info.param.Argument + 2);
                         });

TEST_F(ViewerFormTest, AFailedReadKeepsWhatIsShownAndShowsTheEngineText) {
    TViewerForm& form = Open("/TMIB_IFTable");
    AwaitRead(form, 1);
    const int rows = form.SectionTable(0)->rowCount();
    ASSERT_GT(rows, 0);

    agents::SilentUdpPort silent;
    gui_test::UseSimulator(silent.Port());
    DefaultTimeout = 5;
    form.RefreshButton->click();
    AwaitRead(form, 2);
    EXPECT_TRUE(StatusText(form).startsWith("Get: (SNMPClass) SNMP request timed out!"))
        << StatusText(form).toStdString();
    EXPECT_EQ(form.SectionTable(0)->rowCount(), rows);
    EXPECT_TRUE(form.SectionNote(0).isEmpty());
    EXPECT_TRUE(Boxes.empty());

    // Nothing shown yet: the text stands in place of the empty grids.
    TViewerForm& fresh = Open("/TMIB_UDPCounters");
    AwaitRead(fresh, 1);
    for (int s = 0; s < fresh.SectionCount(); ++s) {
        EXPECT_EQ(fresh.SectionNote(s), "(SNMPClass) SNMP request timed out!") << s + 1;
    }
}

TEST_F(ViewerFormTest, CopyPutsEachSectionWithItsHeadersOnTheClipboard) {
    TViewerForm& form = Open("/TMIB_UDPCounters");
    AwaitRead(form, 1);
    form.CopyButton->click();
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_GT(lines.size(), 8);
    EXPECT_EQ(lines[1], "Name\tValue\tRate");
    const QTableWidget* scalars = form.SectionTable(0);
    EXPECT_EQ(lines[2], Cell(scalars, 0, 0) + "\t" + Cell(scalars, 0, 1) + "\t");
    const int second = static_cast<int>(lines.indexOf("")) + 1;  // a blank line between sections
    ASSERT_GT(second, 2);
    const QTableWidget* table = form.SectionTable(1);
    EXPECT_EQ(lines[second + 1].count('\t'), table->columnCount() - 1);

    const_cast<QTableWidget*>(table)->selectRow(0);
    form.CopyButton->click();
    QStringList first;
    for (int c = 0; c < table->columnCount(); ++c) {
        first << Cell(table, 0, c);
    }
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(
        copied.endsWith(lines[second] + "\n" + lines[second + 1] + "\n" + first.join('\t') + "\n"))
        << "only the selected line of the table: " << copied.toStdString();
}

TEST_F(ViewerFormTest, TheWindowKeepsItsSizePerPage) {
    {
        TViewerForm& form = Open("/TMIB_IFTable");
        form.show();
        form.resize(640, 430);
        AwaitRead(form, 1);
        form.close();
    }
    TViewerForm& again = Open("/TMIB_IFTable");
    EXPECT_EQ(again.size(), QSize(640, 430));
    AwaitRead(again, 1);
    TViewerForm& other = Open("/TMIB_Info");
    EXPECT_NE(other.size(), QSize(640, 430)) << "another page has its own";
    AwaitRead(other, 1);
}

}  // namespace
