#pragma once

#include <QFrame>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

#include "CvSNMPRequest2Edits.h"
#include "CvSNMPRequest2Leds.h"

class QLabel;
class QToolButton;
class StatusBar;

// The front view of a Vanta-A inside the main window: one toggle button per
// port and fibre slot, the system and port LEDs coloured from the polled
// front-panel LED value. Ports 21 to 24 show their LED on the side (copper or
// fibre) that reported a link when the panel was set up.
class TPanelVantaAForm : public QWidget {
public:
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 90;
    static constexpr int kPortButtons = 28;
    static constexpr int kComboPorts = 4;
    static constexpr int kFirstComboPort = 21;
    static constexpr int kPortsPerUnit = 64;
    static constexpr std::int32_t kPollInterval = 300;  // hundredths of a second
    static constexpr std::int32_t kLedTimeout = 300;    // hundredths of a second

    // `mainStatus`: panel 0 of it takes the LED poll outcomes.
    explicit TPanelVantaAForm(QWidget* owner, StatusBar* mainStatus = nullptr);
    ~TPanelVantaAForm() override;

    // Probes the combo ports, builds the LEDs and starts polling. Failures
    // end the set-up silently; the caller's second start reports them.
    void SetupRequests();
    // Port identifiers ("N.1", fibre slots "N.2") into the buttons' hints,
    // and the 28 buttons appended to `portButtons`.
    void SetPortHints(QList<QToolButton*>& portButtons);
    // Stops polling, waits for running exchanges, releases both requests and
    // asks for the form to be freed; closing the form runs it. Harmless when
    // repeated.
    void FormClose();

    // The button of copper port 1..24, or fibre slot 25..28.
    QToolButton* SpeedButton(int number) const;

    std::int32_t UnitNumber = 0;
    std::unique_ptr<CvSNMPRequest2Leds> LedRequest;
    std::unique_ptr<CvSNMPRequest2Edits> ComboLinkRequest;
    std::array<bool, kComboPorts> ComboFiberActive{};

    QLabel* Image1;
    QFrame* PowerLedPanel;
    QFrame* ConsoleLedPanel;
    QFrame* RPSPanel;
    QFrame* LedPanel1;
    QFrame* LedPanel2;
    QFrame* Port21Panel;
    QFrame* Port22Panel;
    QFrame* Port23Panel;
    QFrame* Port24Panel;
    QFrame* Combo1Panel;
    QFrame* Combo2Panel;
    QFrame* Combo3Panel;
    QFrame* Combo4Panel;
    QLabel* ST_ComboPortLinkStatus;
    QFrame* Panel1;
    QLabel* Image2;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShutDownRequests();
    void ProbeComboPorts();
    void SetupLeds();
    void SpeedButtonClick(QToolButton* sender);

    std::array<QToolButton*, kPortButtons> FButtons{};
    StatusBar* FMainStatus;
};

// The panel's artwork compiled into the library.
void InitPanelArtwork();
