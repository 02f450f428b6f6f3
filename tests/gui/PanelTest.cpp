// The front panel in a main window on a real vanta-sim: where the combo
// ports show their LEDs, LEDs following the device, the port buttons and
// their pages, and the refresh.
#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <string>

#include "ConfigPage.h"
#include "ConfigWinTestSupport.h"
#include "CvSNMPRequest.h"
#include "CvSNMPSettings.h"
#include "CvUnitPanels.h"
#include "SilentUdpPort.h"
#include "StatusBar.h"
#include "TConfigForm.h"
#include "TEditsPanel.h"
#include "TMsgPanel.h"
#include "TPanelVantaAForm.h"
#include "TSNMPEditorPanel.h"

namespace {

using gui_test::PumpUntil;

const char* const kPortAdmin = "1.3.6.1.4.1.99917.11.70.1.2.3.2.1.4";

// An independent write of a port's administrative state (2 disabled, 3 enabled).
void SetPortAdmin(int port, const char* state) {
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {{kPortAdmin, "", CvSyntax::integer, gui_test::kRw}, {}};
    request.Vars.Assign(CvSNMPVarList(records, MVT_SV, 0));
    request.Vars.Instance = std::to_string(port) + ".1";
    request.Vars.Item(0).Value = state;
    request.Write(false, "");
}

// The LED of port 1..24 in the order the panel adds them, after the three
// system LEDs.
CvSNMPLed& PortLed(TPanelVantaAForm& panel, int port) {
    return panel.LedRequest->Leds.at(static_cast<std::size_t>(port + 2));
}

bool HasLed(const QWidget* panel) {
    return panel->findChild<Shape*>() != nullptr;
}

bool IsBlack(const QWidget* panel) {
    return panel->palette().color(QPalette::Window) == QColor(Qt::black);
}

class PanelTest : public gui_test::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Main.menuBar()->addMenu("&File");
        Box = new QScrollArea;
        Main.setCentralWidget(Box);
        Status = new StatusBar;
        Status->AddPanel(0);
        Main.setStatusBar(Status);
        Values.MainWindow = &Main;
        Values.DeviceAddress = "127.0.0.1";
    }

    void TearDown() override {
        Panels.reset();  // its requests end while the session exists
        GuiTest::TearDown();
    }

    // The main window's panel on the shared simulator, first poll answered.
    TPanelVantaAForm& Activate() {
        gui_test::SharedSim();
        gui_test::UseSimulator();
        Panels = std::make_unique<CvUnitPanels>(CvUnitPanels::Host{&Main, Box, Status, &Values});
        EXPECT_TRUE(Panels->FormActivate());
        EXPECT_TRUE(PumpUntil([&] { return StatusText().contains("Ok!"); }))
            << StatusText().toStdString();
        return *Panels->LastPanelForm;
    }

    QToolButton* Button(int number) { return Panels->LastPanelForm->SpeedButton(number); }
    QString StatusText() const { return Status->Panel(0)->text(); }

    QMainWindow Main;
    QScrollArea* Box = nullptr;
    StatusBar* Status = nullptr;
    TMainWindowValues Values;
    std::unique_ptr<CvUnitPanels> Panels;
};

TEST_F(PanelTest, Port22ShowsItsLedOnTheFibreSideAndTheOthersOnCopper) {
    TPanelVantaAForm& panel = Activate();
    EXPECT_FALSE(Panels->FormActivate()) << "only the first activation builds the panel";
    EXPECT_EQ(Panels->PanelFormList.size(), 1);
    EXPECT_EQ(Panels->PortButtonList.size(), 28);
    EXPECT_EQ(Box->widget(), &panel);
    EXPECT_TRUE(StatusText().contains("Request: Led Status.")) << StatusText().toStdString();

    EXPECT_EQ(panel.ComboFiberActive, (std::array<bool, 4>{false, true, false, false}));
    const QFrame* copper[] = {panel.Port21Panel, panel.Port22Panel, panel.Port23Panel,
                              panel.Port24Panel};
    const QFrame* fibre[] = {panel.Combo1Panel, panel.Combo2Panel, panel.Combo3Panel,
                             panel.Combo4Panel};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(21 + i);
        const bool onFibre = i == 1;
        EXPECT_EQ(HasLed(fibre[i]), onFibre);
        EXPECT_EQ(IsBlack(fibre[i]), !onFibre);
        EXPECT_EQ(HasLed(copper[i]), !onFibre);
        EXPECT_EQ(IsBlack(copper[i]), onFibre);
    }
    // Port 22's fibre link is a gigabit one: green once any blinking is over.
    Shape* led = PortLed(panel, 22).Shape;
    ASSERT_TRUE(led != nullptr);
    EXPECT_EQ(led->parentWidget(), panel.Combo2Panel);
    EXPECT_EQ(led->geometry(), QRect(0, 1, 6, 6));
    EXPECT_TRUE(PumpUntil([&] { return led->BrushColour() == QColor(0x00, 0xFF, 0x00); }, 2000));
}

TEST_F(PanelTest, AdminDisabledPortGoesDarkAtTheNextPoll) {
    TPanelVantaAForm& panel = Activate();
    int port = 0;
    for (int p = 1; p <= 20 && port == 0; ++p) {
        port = PortLed(panel, p).Colour != 0x000000 ? p : 0;
    }
    ASSERT_NE(port, 0) << "no copper port has a link";

    SetPortAdmin(port, "2");
    panel.LedRequest->Poll();
    const bool dark = PumpUntil([&] {
        const CvSNMPLed& led = PortLed(panel, port);
        return led.Colour == 0x000000 && led.Shape->BrushColour() == QColor(Qt::black);
    });
    SetPortAdmin(port, "3");  // the simulator is shared
    EXPECT_TRUE(dark) << "port " << port;
    EXPECT_FALSE(PortLed(panel, port).Blinking);
}

TEST_F(PanelTest, SilentAgentGivesCopperSidesAndDarkLedsWithTheFailureInTheStatusBar) {
    agents::SilentUdpPort silent;
    gui_test::UseSimulator(silent.Port());
    DefaultTimeout = 20;  // the probe's wait; the LED poll keeps its own 3 s
    const QPointer<TPanelVantaAForm> form(new TPanelVantaAForm(&Main, Status));
    TPanelVantaAForm& panel = *form;
    panel.SetupRequests();

    EXPECT_EQ(panel.ComboFiberActive, (std::array<bool, 4>{}));
    for (const QFrame* copper :
         {panel.Port21Panel, panel.Port22Panel, panel.Port23Panel, panel.Port24Panel}) {
        EXPECT_TRUE(HasLed(copper)) << copper->objectName().toStdString();
    }
    for (const QFrame* fibre :
         {panel.Combo1Panel, panel.Combo2Panel, panel.Combo3Panel, panel.Combo4Panel}) {
        EXPECT_TRUE(IsBlack(fibre) && !HasLed(fibre)) << fibre->objectName().toStdString();
    }
    ASSERT_EQ(panel.LedRequest->Request->Timeout, 300);
    ASSERT_TRUE(PumpUntil([&] { return StatusText().contains("timed out"); }, 15000));
    EXPECT_TRUE(StatusText().contains("Request: Led Status.")) << StatusText().toStdString();
    EXPECT_TRUE(panel.LedRequest->PollTimer->isActive()) << "polling goes on";
    for (const CvSNMPLed& led : panel.LedRequest->Leds) {
        EXPECT_EQ(led.Shape->BrushColour(), QColor(Qt::black));
    }
    EXPECT_TRUE(Boxes.empty());
    panel.FormClose();
    EXPECT_FALSE(panel.LedRequest || panel.ComboLinkRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull()) << "the form is freed";
}

TEST_F(PanelTest, ComponentsSitWhereTheFrontViewHasThem) {
    TPanelVantaAForm panel(&Main);
    EXPECT_EQ(panel.size(), QSize(800, 90));
    const struct {
        const char* Name;
        QRect Place;
    } cases[] = {
        {"Image1", {0, 0, 800, 90}},          {"SpeedButton1", {358, 21, 25, 23}},
        {"SpeedButton10", {461, 50, 26, 23}}, {"SpeedButton16", {556, 50, 25, 23}},
        {"SpeedButton17", {582, 21, 26, 23}}, {"SpeedButton18", {582, 49, 26, 24}},
        {"SpeedButton23", {659, 21, 26, 23}}, {"SpeedButton24", {659, 49, 26, 24}},
        {"SpeedButton25", {696, 27, 29, 17}}, {"SpeedButton28", {732, 53, 29, 17}},
        {"PowerLedPanel", {99, 30, 7, 7}},    {"RPSPanel", {99, 52, 7, 7}},
        {"LedPanel1", {360, 7, 150, 7}},      {"LedPanel2", {533, 7, 100, 7}},
        {"Port21Panel", {636, 7, 7, 7}},      {"Combo3Panel", {736, 6, 7, 7}},
        {"Panel1", {765, 47, 26, 26}},
    };
    for (const auto& c : cases) {
        const QWidget* component = panel.findChild<QWidget*>(c.Name);
        ASSERT_TRUE(component != nullptr) << c.Name;
        EXPECT_EQ(component->geometry(), c.Place) << c.Name;
    }
    EXPECT_TRUE(panel.ST_ComboPortLinkStatus->isHidden());
    EXPECT_FALSE(panel.Image1->pixmap().isNull()) << "the front view is compiled in";
    EXPECT_EQ(panel.Image2->pixmap().size(), QSize(24, 24));

    QList<QToolButton*> buttons;
    panel.SetPortHints(buttons);
    ASSERT_EQ(buttons.size(), 28);
    for (int i = 1; i <= 28; ++i) {
        const QString hint = i <= 24 ? QString("%1.1").arg(i) : QString("%1.2").arg(i - 4);
        EXPECT_EQ(buttons[i - 1]->objectName(), QString("SpeedButton%1").arg(i));
        EXPECT_EQ(buttons[i - 1]->toolTip(), hint);
        EXPECT_TRUE(buttons[i - 1]->isCheckable());
    }
}

TEST_F(PanelTest, OnePortButtonAtATimeIsPressed) {
    Activate();
    const auto pressed = [&] {
        QString names;
        for (QToolButton* button : Panels->PortButtonList) {
            names += button->isChecked() ? button->objectName() + " " : QString();
        }
        return names.trimmed().toStdString();
    };
    Button(3)->click();
    EXPECT_EQ(pressed(), "SpeedButton3");
    Button(25)->click();
    EXPECT_EQ(pressed(), "SpeedButton25");
    Button(25)->click();
    EXPECT_EQ(pressed(), "");
    Button(7)->click();
    Panels->ReleasePortButtons();
    EXPECT_EQ(pressed(), "");
}

TEST_F(PanelTest, PanelsThatGoTakeTheirButtonsOffTheLists) {
    Activate();
    Panels->CloseUnitPanels();
    EXPECT_TRUE(Panels->PanelFormList.isEmpty());
    EXPECT_TRUE(Panels->PortButtonList.isEmpty());
    Panels->ReleasePortButtons();  // nothing left to touch

    // A panel freed with the window that holds it.
    Panels->CreateUnitPanel();
    ASSERT_EQ(Panels->PortButtonList.size(), 28);
    delete Box;
    Box = nullptr;
    EXPECT_TRUE(Panels->PanelFormList.isEmpty());
    EXPECT_TRUE(Panels->PortButtonList.isEmpty());
    EXPECT_EQ(Panels->LastPanelForm, nullptr);
}

struct PortPageCase {
    int ButtonNumber;
    const char* Action;
    float Scale;
    const CvSNMPVarDesc* Table;
    const char* Title;
    const char* Instance;
    const char* Caption;
    int Widening;
};

TEST_F(PanelTest, PortPagesOpenOnThePortOfTheButton) {
    Activate();
    static const CvSNMPVarDesc kInfo[] = {
        {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.3", "swL2PortInfoUnitID", CvSyntax::integer,
         gui_test::kRo},
        {"1.3.6.1.4.1.99917.11.70.1.2.3.1.1.7", "swL2PortInfoErrDisReason", CvSyntax::integer,
         gui_test::kRo},
        {}};
    static const CvSNMPVarDesc kCtrl[] = {
        {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.3", "swL2PortCtrlUnitIndex", CvSyntax::integer,
         gui_test::kRo},
        {"1.3.6.1.4.1.99917.11.70.1.2.3.2.1.8", "swL2PortCtrlMACNotifyState", CvSyntax::integer,
         gui_test::kRw},
        {}};
    const PortPageCase cases[] = {
        {5, "PortInformation2", 1.0f, kInfo, "Port Information Table", "5.1",
         "Port Information Table : 5 , copper", 50},
        {25, "PortConfiguration1", 1.2f, kCtrl, "Port Configuration", "21.2",
         "Port Configuration : 21 , fiber", 98},
    };
    for (const PortPageCase& c : cases) {
        SCOPED_TRACE(c.Caption);
        Values.Scale = c.Scale;
        // The same page as the generic window builds it, for its natural sizes.
        TConfigPageParams plain;
        plain.Title = c.Title;
        plain.Table = c.Table;
        plain.ItemType = MVT_SV;
        const std::unique_ptr<TConfigForm> reference = BuildConfigPage(plain, Values);
        const TEditRow& referenceRow = reference->Page()->Editor->Rows.front();

        QToolButton* button = Button(c.ButtonNumber);
        emit button->customContextMenuRequested(QPoint(4, 4));
        EXPECT_TRUE(Panels->PortInfoPopupMenu->isVisible());
        Panels->PortInfoPopupMenu->hide();

        bool shown = false;
        gui_test::OnModal([&](QDialog& dialog) {
            shown = true;
            auto& form = static_cast<TConfigForm&>(dialog);
            EXPECT_EQ(form.windowTitle().toStdString(), c.Caption);
            EXPECT_EQ(Values.WindowTitle, c.Title);
            EXPECT_EQ(form.Bindings.at(0)->Request->Vars.Instance, c.Instance);
            EXPECT_EQ(form.width(), reference->width() + c.Widening);
            const TEditRow& row = form.Page()->Editor->Rows.front();
            EXPECT_EQ(row.ValueControl->x(), referenceRow.ValueControl->x() + c.Widening);
            EXPECT_TRUE(button->isChecked());
            // The page reads the port's own row.
            EXPECT_TRUE(PumpUntil([&] {
                return form.Page()->Messages()->MessageMemo->toPlainText().contains("Ok!");
            })) << form.Page()->Messages()->MessageMemo->toPlainText().toStdString();
            dialog.done(0);
        });
        Panels->PortInfoPopupMenu->findChild<QAction*>(c.Action)->trigger();
        EXPECT_TRUE(shown);
        gui_test::OnModal(nullptr);
    }
}

TEST_F(PanelTest, RefreshAsksAndOnlyOkRebuildsThePanel) {
    TPanelVantaAForm& first = Activate();
    const QPointer<TPanelVantaAForm> old(&first);
    const QSize designed = Main.size();
    EXPECT_EQ(designed.width(), 803);
    Main.resize(400, 300);

    ConfirmAnswer = false;
    EXPECT_FALSE(Panels->RefreshPanel1Click());
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Type, CvMessageBox::Kind::Confirmation);
    EXPECT_EQ(Boxes[0].Text, "Refresh panel may take a long time. Are you sure?");
    EXPECT_EQ(Panels->LastPanelForm, old.data());
    EXPECT_EQ(Main.size(), QSize(400, 300));

    ConfirmAnswer = true;
    EXPECT_TRUE(Panels->RefreshPanel1Click());
    EXPECT_TRUE(old.isNull()) << "the old panel is freed";
    ASSERT_TRUE(Panels->LastPanelForm != nullptr);
    EXPECT_EQ(Panels->PanelFormList, QList<TPanelVantaAForm*>{Panels->LastPanelForm});
    ASSERT_EQ(Panels->PortButtonList.size(), 28);
    EXPECT_EQ(Panels->PortButtonList.front()->parentWidget(), Panels->LastPanelForm);
    EXPECT_EQ(Main.size(), designed);
    EXPECT_EQ(Panels->LastPanelForm->ComboFiberActive[1], true);
    // The new buttons are hooked again.
    Button(2)->click();
    Button(4)->click();
    EXPECT_FALSE(Button(2)->isChecked());
}

}  // namespace
