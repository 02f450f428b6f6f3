#include "GuiTestSupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include "CvBeep.h"
#include "CvModal.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"

namespace gui_test {

namespace {

std::unique_ptr<agents::VantaSimAgent>& SimSlot() {
    static std::unique_ptr<agents::VantaSimAgent> sim;
    return sim;
}

}  // namespace

agents::VantaSimAgent& SharedSim() {
    if (!SimSlot()) {
        SimSlot() = std::make_unique<agents::VantaSimAgent>();
    }
    return *SimSlot();
}

void ReleaseSharedSim() {
    SimSlot().reset();
}

void UseSimulator(std::uint16_t port) {
    GlobalDevice().Address = "127.0.0.1";
    GlobalDevice().Port = port != 0 ? port : SharedSim().Port();
    CvSNMPSecurity& s = GlobalSecurity();
    s.Version = 1;
    s.ReadCommunity = "lantern";
    s.WriteCommunity = "lantern";
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    QTimer wakeUp;  // bounds every wait for events
    wakeUp.start(10);
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return done();
}

void PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

void GuiTest::SetUp() {
    FStateDir = std::make_unique<agents::TempDir>("vanta-gui-state");
    CreateGlobalSession(FStateDir->Path());
    CvMessageBox::SetResponder([this](const CvMessageBox::Shown& shown) {
        Boxes.push_back(shown);
        return ConfirmAnswer;
    });
    SetBeepHearer([this](int hz, int ms) { Beeps.push_back({hz, ms}); });
}

void GuiTest::TearDown() {
    CvMessageBox::SetResponder(nullptr);
    CvModal::SetShownHook(nullptr);
    SetBeepHearer(nullptr);
    DestroyGlobalSession();
    FStateDir.reset();
}

}  // namespace gui_test
