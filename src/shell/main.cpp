// vanta-manager: the device-management module for one Vanta switch, started
// by the network-management host with the device's address and credentials.
#include <QApplication>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "CvLaunchParameters.h"
#include "CvMessageBox.h"
#include "CvSNMPRequest2Leds.h"
#include "CvSNMPSession.h"
#include "CvUnitPanels.h"
#include "TForm1.h"
#include "TMainForm.h"
#include "TPanelVantaAForm.h"

namespace {

// For the start-up benchmark (VANTA_EXIT_AFTER_FIRST_LEDS): once the first
// LED colours from a reply are on screen, prints "first-leds" and the wall
// clock in nanoseconds and ends; exit status 3 when that reply was a failure.
void ExitAfterFirstLeds(TMainForm& form) {
    form.OnPanelCreated = [&form] {
        TPanelVantaAForm* panel = form.Panels->LastPanelForm;
        if (panel == nullptr || !panel->LedRequest) {
            QCoreApplication::exit(3);
            return;
        }
        panel->LedRequest->OnReadDone = [&form](CvSNMPRequest2Controls&, const CvSNMPError& error) {
            form.repaint();
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("first-leds %lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::exit(error.Code == 0 ? 0 : 3);
        };
    };
}

// Creation order: the main window, then Form1; the message loop runs until
// the main window closes.
int Run(const std::vector<std::string>& args) {
    try {
        TMainForm MainForm(args, TMainFormEnvironment{});
        if (MainForm.TerminateRequested) {
            return 2;
        }
        TForm1 Form1;
        MainForm.Form1 = &Form1;
        if (qEnvironmentVariableIsSet("VANTA_EXIT_AFTER_FIRST_LEDS")) {
            ExitAfterFirstLeds(MainForm);
        }
        MainForm.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        CvMessageBox::Error(nullptr, QString::fromStdString(e.what()));
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The copy above is what the module uses; the process list shows no pass phrase.
    ScrubPassPhrases(argc, argv);
    const int status = Run(args);
    DestroyGlobalSession();
    return status;
}
