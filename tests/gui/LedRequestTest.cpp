// LED polling: the bytes of the front-panel value decoded into colours and
// blinking, the blink sequence after a reply, and polls of a real vanta-sim.
#include <QFrame>
#include <QTimer>

#include <memory>
#include <ostream>
#include <string>

#include "CvException.h"
#include "CvSNMPRequest2Leds.h"
#include "GuiTestSupport.h"
#include "SilentUdpPort.h"
#include "StatusBar.h"

namespace {

using gui_test::PumpUntil;

constexpr CvLedColour kBlack = 0x000000, kWhite = 0xFFFFFF, kGreen = 0x00FF00, kBlue = 0x0000FF,
                      kRed = 0xFF0000, kOrange = 0xFF8040;

const CvSNMPVarDesc kLedStatusVars[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.1.1.6", "swUnitMgmtFrontPanelLedStatus", CvSyntax::octetstr,
     CvAccess::readonly},
    {},
};

QColor Rgb(CvLedColour c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

class LedRequestTest : public gui_test::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Panel = new QFrame(&Owner);
        Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        Status.AddPanel(0);
    }

    // Built once the settings point where the test wants them.
    CvSNMPRequest2Leds& MakeRequest(std::int32_t mode = 2, std::int32_t headerBytes = 3) {
        Leds = std::make_unique<CvSNMPRequest2Leds>(&Owner);
        Leds->Request->Vars.Assign(CvSNMPVarList(kLedStatusVars, MVT_SV, 0));
        Leds->Request->Vars.Instance = "0";  // stack unit 0
        Leds->SetStatusTarget(&Status, 0);
        Leds->SetDecodeMode(mode, headerBytes);
        return *Leds;
    }

    void Add(const std::string& positions, const CvSNMPLedColorMapList& map) {
        Leds->AddLeds(0, positions, map, Panel, 1, 7, CvShapeKind::Rectangle, 6, 6);
    }

    // The front panel's layout: system LEDs at bytes 0-2, then a link byte
    // and a colour byte per port.
    void AddFrontPanel() {
        Add("0,1,2", SystemLedColours());
        Add("3,5,7,9,11,13,15,17,19,21,23,25,27,29,31,33,35,37,39,41,43,45,47,49",
            PortLedColours());
    }

    void Reply(const std::string& hex) {
        Leds->Request->Vars.Item(0).Value = hex;
        Leds->OnRow();
    }

    QString StatusText() const { return Status.Panel(0)->text(); }

    QWidget Owner;
    QFrame* Panel = nullptr;
    StatusBar Status;
    std::unique_ptr<CvSNMPRequest2Leds> Leds;
};

struct DecodeCase {
    const char* Name;
    std::int32_t Mode, HeaderBytes;
    bool PortMap;
    const char* Position;
    const char* Value;
    CvLedColour Colour;
    bool Blinking;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.Name;
}

class LedDecodeTest : public LedRequestTest, public ::testing::WithParamInterface<DecodeCase> {};

TEST_P(LedDecodeTest, ReplyGivesColourAndBlinking) {
    const DecodeCase& c = GetParam();
    MakeRequest(c.Mode, c.HeaderBytes);
    Add(c.Position, c.PortMap ? PortLedColours() : SystemLedColours());
    Reply(c.Value);
    const CvSNMPLed& led = Leds->Leds[0];
    EXPECT_EQ(led.Colour, c.Colour);
    EXPECT_EQ(led.Blinking, c.Blinking);
    // Even a blinking LED shows its colour first: it was dark before the reply.
    EXPECT_EQ(led.Shape->BrushColour(), Rgb(c.Colour));
    EXPECT_EQ(led.Shape->PenColour(), Rgb(c.Colour));
}

const DecodeCase kDecodeCases[] = {
    {"PortWithoutLinkIsAbsent", 2, 3, true, "3", "0300000183", kBlack, false},
    {"AbsentIsTheMapsOwnColour", 2, 3, false, "3", "0300000183", kWhite, false},
    {"PortActivityOrangeBlinking", 2, 3, true, "3", "0300008302", kOrange, true},
    {"PortColourFromFollowingByte", 2, 3, true, "5", "03000002008203", kGreen, true},
    {"HeaderRed", 2, 3, false, "0", "0500000100", kRed, false},
    {"HeaderWithoutPairBlack", 2, 3, false, "0", "0600000100", kBlack, false},
    {"HeaderActivityBlueBlinking", 2, 3, false, "2", "0300840100", kBlue, true},
    {"ModeOneReadsOneByte", 1, 3, true, "3", "0000008203", kOrange, true},
    {"DefaultsAreModeOneAndFourHeaderBytes", 0, 0, true, "3", "0000000503", kRed, false},
    {"FourHeaderBytesByDefault", 2, 0, true, "3", "0000000503", kRed, false},
    {"TwoBytesLeavePositionTwoAbsent", 2, 3, false, "2", "0300", kWhite, false},
    {"TwoBytesLeavePortsAbsent", 2, 3, true, "3", "0300", kBlack, false},
    {"ColourBytePastTheEndIsAbsent", 2, 3, false, "3", "03000082", kWhite, false},
    {"NoValueIsAbsent", 2, 3, false, "0", "(NULL)", kWhite, false},
};

INSTANTIATE_TEST_SUITE_P(Bytes, LedDecodeTest, ::testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LedRequestTest, ShortValueWithoutAbsentColourRaises519) {
    static const CvLedColourPair kPairs[] = {{3, kGreen}, {0, kNoLedColour}};
    const CvSNMPLedColorMapList strict(kPairs, 0x07, 0x80, kBlack, kNoLedColour);
    MakeRequest();
    Add("0,3", strict);
    Reply("03000001");
    EXPECT_EQ(Leds->Leds[0].Colour, kGreen);
    EXPECT_EQ(Leds->Leds[1].Colour, kBlack);  // no link: off rather than "no colour"
    try {
        Reply("03");
        ADD_FAILURE() << "no exception";
    } catch (const CvException& e) {
        EXPECT_EQ(e.Code(), -519);
    }
}

TEST_F(LedRequestTest, AddLedsPlacesDarkShapesInABevelFreePanel) {
    MakeRequest();
    EXPECT_FALSE(Leds->PollTimer->isActive());
    EXPECT_EQ(Leds->BlinkTimer->interval(), 60);
    EXPECT_TRUE(Leds->BlinkTimer->isActive());
    Add("3,5,7", PortLedColours());
    ASSERT_EQ(Leds->Leds.size(), 3u);
    EXPECT_EQ(Panel->frameStyle(), static_cast<int>(QFrame::NoFrame));
    for (int k = 0; k < 3; ++k) {
        const CvSNMPLed& led = Leds->Leds[static_cast<std::size_t>(k)];
        EXPECT_EQ(led.BytePos, 3 + 2 * k);
        EXPECT_EQ(led.Shape->parentWidget(), Panel);
        EXPECT_EQ(led.Shape->geometry(), QRect(1 + k * 13, 1, 6, 6));
        EXPECT_EQ(led.Shape->BrushColour(), Rgb(kBlack));
    }
}

TEST_F(LedRequestTest, BlinkingAlternatesForSevenTicksThenStays) {
    MakeRequest();
    Leds->BlinkTimer->stop();  // the test is the blink tick
    Add("0,3", PortLedColours());
    const auto sequence = [&] {
        std::string lit;
        for (int tick = 0; tick < 10; ++tick) {
            lit += Leds->Leds[1].Shape->BrushColour() == Rgb(kGreen) ? 'G' : '-';
            EXPECT_EQ(Leds->Leds[0].Shape->BrushColour(), Rgb(kGreen));
            Leds->PaintLeds();
        }
        return lit;
    };
    Reply("0300008203");
    EXPECT_EQ(sequence(), "G-G-G-GGGG");
    Reply("0300008203");  // flashes again, from the lit state
    EXPECT_EQ(sequence(), "-G-G-G-GGG");
    Reply("0300000203");
    EXPECT_EQ(sequence(), "GGGGGGGGGG");
    EXPECT_EQ(Leds->BlinkCount, 0);
}

TEST_F(LedRequestTest, FailureToSendResetsTheLeds) {
    MakeRequest();
    Add("0,3", PortLedColours());
    const auto expectDark = [&] {
        for (const CvSNMPLed& led : Leds->Leds) {
            EXPECT_FALSE(led.Blinking);
            EXPECT_EQ(led.Shape->BrushColour(), Rgb(kBlack));
        }
    };
    Reply("0300008203");
    Leds->Request->Vars.ItemType = 9;  // refused before anything is sent
    EXPECT_THROW(Leds->StartPolling(300), CvException);
    EXPECT_FALSE(Leds->Busy);
    EXPECT_EQ(Leds->PollTimer->interval(), 3000);
    expectDark();

    Reply("0300008203");
    Leds->Poll();  // a tick reports instead of raising
    expectDark();
    EXPECT_FALSE(StatusText().isEmpty());
    EXPECT_TRUE(Boxes.empty());
}

// Port 22 is the simulator's fibre port, always linked at gigabit speed.
constexpr std::size_t kPort22 = 3 + 21;

TEST_F(LedRequestTest, PollingTheSimulatorPaintsItsLeds) {
    gui_test::SharedSim();
    gui_test::UseSimulator();
    MakeRequest();
    AddFrontPanel();
    Leds->StartPolling(300);
    ASSERT_TRUE(PumpUntil([&] { return !Leds->Busy; }));
    EXPECT_TRUE(StatusText().contains("Ok!")) << StatusText().toStdString();
    EXPECT_EQ(Leds->Leds[0].Colour, kGreen);  // power
    EXPECT_EQ(Leds->Leds[kPort22].Colour, kGreen);
    EXPECT_TRUE(
        PumpUntil([&] { return Leds->Leds[kPort22].Shape->BrushColour() == Rgb(kGreen); }, 2000));

    Leds->StopPolling();
    EXPECT_FALSE(Leds->PollTimer->isActive() || Leds->BlinkTimer->isActive());
    for (const CvSNMPLed& led : Leds->Leds) {
        EXPECT_EQ(led.Shape->BrushColour(), Rgb(kBlack));
    }
}

TEST_F(LedRequestTest, FailedPollDarkensLedsUntilAGoodOne) {
    const std::uint16_t simPort = gui_test::SharedSim().Port();
    agents::SilentUdpPort silent;
    gui_test::UseSimulator(silent.Port());
    MakeRequest();
    Leds->Request->Timeout = 20;
    AddFrontPanel();
    Reply("030000820103");  // as an earlier reply left them

    Leds->Poll();
    ASSERT_TRUE(PumpUntil([&] { return !Leds->Busy; }));
    EXPECT_TRUE(StatusText().contains("(SNMPClass) SNMP request timed out!"))
        << StatusText().toStdString();
    EXPECT_TRUE(Boxes.empty());
    for (const CvSNMPLed& led : Leds->Leds) {
        EXPECT_EQ(led.Shape->BrushColour(), Rgb(kBlack));
        EXPECT_FALSE(led.Blinking);
    }

    Leds->Request->Port = simPort;
    Leds->Poll();
    ASSERT_TRUE(PumpUntil([&] { return !Leds->Busy; }));
    EXPECT_TRUE(StatusText().contains("Ok!")) << StatusText().toStdString();
    EXPECT_EQ(Leds->Leds[0].Shape->BrushColour(), Rgb(kGreen));
    EXPECT_EQ(Leds->Leds[kPort22].Colour, kGreen);
}

}  // namespace
