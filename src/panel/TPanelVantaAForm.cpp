#include "TPanelVantaAForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include <string>

#include "CvSNMPVarList.h"
#include "PortPages.h"
#include "StatusBar.h"

void InitPanelArtwork() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(panel);
        return true;
    }();
    (void)registered;
}

namespace {

constexpr int kLedSize = 6;
constexpr int kHostSize = 7;
const QColor kHostColour(0x30, 0x30, 0x30);  // the chassis behind an LED window

// The front-panel LED value of one stack unit.
const CvSNMPVarDesc kLedStatusVars[] = {
    {"1.3.6.1.4.1.99917.11.70.1.2.1.1.6", "swUnitMgmtFrontPanelLedStatus", CvSyntax::octetstr,
     CvAccess::readonly},
    {},
};

// Port buttons: the left edge of each pair of ports (odd above, even below).
constexpr int kPairLeft[] = {358, 384, 410, 435, 461, 487, 530, 556, 582, 609, 634, 659};
// The fibre slots of ports 21 to 24.
constexpr QPoint kFibreSlot[] = {{696, 27}, {696, 53}, {732, 27}, {732, 53}};
constexpr QSize kFibreSlotSize(29, 17);

QRect PortButtonRect(int port) {
    const int left = kPairLeft[(port - 1) / 2];
    const bool wide = port == 10 || port == 17 || port == 18 || port == 23 || port == 24;
    const int width = wide ? 26 : 25;
    if (port % 2 == 1) {
        return QRect(left, 21, width, 23);
    }
    // The lower row of the last two pairs of each group sits a pixel higher.
    const bool tall = port == 18 || port == 20 || port == 22 || port == 24;
    return tall ? QRect(left, 49, width, 24) : QRect(left, 50, width, 23);
}

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kHostColour);
    panel->setPalette(palette);
    return panel;
}

// A combo port side without its LED: black, bevels included, so that it
// does not pass for an unlit LED.
void PaintBlack(QWidget* panel) {
    QPalette palette = panel->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Light, QPalette::Midlight,
                                           QPalette::Mid, QPalette::Dark, QPalette::Shadow}) {
        palette.setColor(role, Qt::black);
    }
    panel->setPalette(palette);
}

// The exchange ends at its last time-out at the latest; the bound holds even
// if no completion ever comes (the session went first).
void WaitForLastExchange(CvSNMPRequest2Controls& request) {
    request.WaitWhileBusy(request.ExchangeLimitMs(), true);
}

}  // namespace

TPanelVantaAForm::TPanelVantaAForm(QWidget* owner, StatusBar* mainStatus)
    : QWidget(owner), FMainStatus(mainStatus) {
    InitPanelArtwork();
    setObjectName("PanelVantaAForm");
    setWindowFlags(Qt::Widget | Qt::FramelessWindowHint);
    setFixedSize(kClientWidth, kClientHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, kClientWidth, kClientHeight);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(":/panel/front-view.jpg"));

    const QIcon socket(QPixmap(":/panel/port-socket.png"));
    const QIcon slot(QPixmap(":/panel/fibre-slot.png"));
    for (int i = 1; i <= kPortButtons; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString("SpeedButton%1").arg(i));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (i <= 24) {
            button->setGeometry(PortButtonRect(i));
            button->setIcon(socket);
        } else {
            button->setGeometry(QRect(kFibreSlot[i - 25], kFibreSlotSize));
            button->setIcon(slot);
        }
        button->setIconSize(button->size() - QSize(4, 4));
        connect(button, &QToolButton::clicked, this, [this, button] { SpeedButtonClick(button); });
        FButtons[static_cast<std::size_t>(i - 1)] = button;
    }

    PowerLedPanel = MakePanel(this, "PowerLedPanel", QRect(99, 30, kHostSize, kHostSize));
    ConsoleLedPanel = MakePanel(this, "ConsoleLedPanel", QRect(99, 41, kHostSize, kHostSize));
    RPSPanel = MakePanel(this, "RPSPanel", QRect(99, 52, kHostSize, kHostSize));
    LedPanel1 = MakePanel(this, "LedPanel1", QRect(360, 7, 150, kHostSize));
    LedPanel2 = MakePanel(this, "LedPanel2", QRect(533, 7, 100, kHostSize));
    Port21Panel = MakePanel(this, "Port21Panel", QRect(636, 7, kHostSize, kHostSize));
    Port22Panel = MakePanel(this, "Port22Panel", QRect(648, 7, kHostSize, kHostSize));
    Port23Panel = MakePanel(this, "Port23Panel", QRect(661, 7, kHostSize, kHostSize));
    Port24Panel = MakePanel(this, "Port24Panel", QRect(673, 7, kHostSize, kHostSize));
    Combo1Panel = MakePanel(this, "Combo1Panel", QRect(701, 6, kHostSize, kHostSize));
    Combo2Panel = MakePanel(this, "Combo2Panel", QRect(714, 6, kHostSize, kHostSize));
    Combo3Panel = MakePanel(this, "Combo3Panel", QRect(736, 6, kHostSize, kHostSize));
    Combo4Panel = MakePanel(this, "Combo4Panel", QRect(750, 6, kHostSize, kHostSize));

    ST_ComboPortLinkStatus = new QLabel(this);
    ST_ComboPortLinkStatus->setObjectName("ST_ComboPortLinkStatus");
    ST_ComboPortLinkStatus->hide();

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(765, 47, 26, 26);
    Panel1->setAutoFillBackground(true);
    PaintBlack(Panel1);
    Image2 = new QLabel(Panel1);
    Image2->setObjectName("Image2");
    Image2->setGeometry(1, 1, 24, 24);
    Image2->setPixmap(QPixmap(":/panel/decoration.bmp"));

    ComboFiberActive.fill(false);
}

TPanelVantaAForm::~TPanelVantaAForm() {
    // A panel freed without closing still lets its exchanges end first.
    ShutDownRequests();
}

QToolButton* TPanelVantaAForm::SpeedButton(int number) const {
    if (number < 1 || number > kPortButtons) {
        return nullptr;
    }
    return FButtons[static_cast<std::size_t>(number - 1)];
}

void TPanelVantaAForm::SpeedButtonClick(QToolButton* sender) {
    // One group: pressing a port releases the others of this panel.
    if (!sender->isChecked()) {
        return;
    }
    for (QToolButton* button : FButtons) {
        if (button != sender) {
            button->setChecked(false);
        }
    }
}

void TPanelVantaAForm::SetupRequests() {
    ProbeComboPorts();
    try {
        SetupLeds();
    } catch (...) {
        // The caller starts polling once more and reports what fails then.
    }
}

void TPanelVantaAForm::ProbeComboPorts() {
    try {
        ComboLinkRequest = std::make_unique<CvSNMPRequest2Edits>(this);
        CvSNMPRequest& request = *ComboLinkRequest->Request;
        request.Vars.Assign(CvSNMPVarList(panel_pages::ComboLinkStatus(), MVT_SV, 0));
        ComboLinkRequest->BindControl(0, ST_ComboPortLinkStatus);
        ComboLinkRequest->Mode = 0;
        for (int i = 0; i < kComboPorts; ++i) {
            const int port = UnitNumber * kPortsPerUnit + kFirstComboPort + i;
            request.Vars.Instance = std::to_string(port) + ".2";
            ST_ComboPortLinkStatus->clear();
            ComboLinkRequest->Get();
            ComboFiberActive[static_cast<std::size_t>(i)] =
                ST_ComboPortLinkStatus->text() == QLatin1String("link-pass");
        }
    } catch (...) {
        // A device that cannot tell is shown with its copper ports.
        ComboFiberActive.fill(false);
    }
}

void TPanelVantaAForm::SetupLeds() {
    LedRequest = std::make_unique<CvSNMPRequest2Leds>(this);
    CvSNMPRequest& request = *LedRequest->Request;
    request.Timeout = kLedTimeout;
    request.Vars.Assign(CvSNMPVarList(kLedStatusVars, MVT_SV, 0));
    request.Vars.Instance = std::to_string(UnitNumber);
    LedRequest->SetDecodeMode(2, 3);

    const auto add = [this](const char* positions, const CvSNMPLedColorMapList& map, QWidget* panel,
                            int firstLeft, int spacing) {
        LedRequest->AddLeds(0, positions, map, panel, firstLeft, spacing, CvShapeKind::Rectangle,
                            kLedSize, kLedSize);
    };
    add("0", SystemLedColours(), PowerLedPanel, 1, 10);
    add("1", SystemLedColours(), ConsoleLedPanel, 1, 10);
    add("2", SystemLedColours(), RPSPanel, 1, 10);
    add("3,5,7,9,11,13,15,17,19,21,23,25", PortLedColours(), LedPanel1, 1, 7);
    add("27,29,31,33,35,37,39,41", PortLedColours(), LedPanel2, 1, 7);

    struct ComboLed {
        QFrame* Fibre;
        QFrame* Copper;
        const char* Position;
    };
    const ComboLed combos[kComboPorts] = {{Combo1Panel, Port21Panel, "43"},
                                          {Combo2Panel, Port22Panel, "45"},
                                          {Combo3Panel, Port23Panel, "47"},
                                          {Combo4Panel, Port24Panel, "49"}};
    for (int i = 0; i < kComboPorts; ++i) {
        const ComboLed& combo = combos[i];
        if (ComboFiberActive[static_cast<std::size_t>(i)]) {
            add(combo.Position, PortLedColours(), combo.Fibre, 0, 10);
            PaintBlack(combo.Copper);
        } else {
            add(combo.Position, PortLedColours(), combo.Copper, 1, 10);
            PaintBlack(combo.Fibre);
        }
    }

    if (FMainStatus != nullptr) {
        LedRequest->SetStatusTarget(FMainStatus, 0);
    }
    request.Vars.Name = " Led Status";
    LedRequest->StartPolling(kPollInterval);
}

void TPanelVantaAForm::SetPortHints(QList<QToolButton*>& portButtons) {
    const int base = UnitNumber * kPortsPerUnit;
    for (int i = 1; i <= kPortButtons; ++i) {
        QToolButton* button = findChild<QToolButton*>(QString("SpeedButton%1").arg(i));
        if (button == nullptr) {
            continue;
        }
        const bool fibre = i > 24;
        const int port = base + (fibre ? i - 25 + kFirstComboPort : i);
        button->setToolTip(QString("%1.%2").arg(port).arg(fibre ? 2 : 1));
        portButtons.append(button);
    }
}

void TPanelVantaAForm::FormClose() {
    ShutDownRequests();
    deleteLater();
}

void TPanelVantaAForm::ShutDownRequests() {
    if (LedRequest) {
        LedRequest->StopPolling();
        LedRequest->Request->Alive = false;
        WaitForLastExchange(*LedRequest);
        LedRequest.reset();
    }
    if (ComboLinkRequest) {
        ComboLinkRequest->Request->Alive = false;
        WaitForLastExchange(*ComboLinkRequest);
        ComboLinkRequest.reset();
    }
}

void TPanelVantaAForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}
