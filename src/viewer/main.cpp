// vanta-viewer: the standard-MIB viewer the module starts for its device,
// under the names of its groups (MIB, IFMib, EthernetLike, Rmon, Bridge,
// Layer3), with the module's own launch switches and a page argument.
#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "CvMessageBox.h"
#include "CvRegistry.h"
#include "CvSNMPSession.h"
#include "TViewerForm.h"
#include "ViewerLaunch.h"

namespace {

// For tests and benchmarks (VANTA_VIEWER_EXIT_AFTER_READ): after the first
// read prints its outcome and ends, with status 3 when it failed.
void ExitAfterFirstRead(TViewerForm& form) {
    form.OnReadDone = [](bool failed, const QString& message) {
        if (failed) {
            std::printf("first-read failed: %s\n", message.toLocal8Bit().constData());
        } else {
            std::printf("first-read ok\n");
        }
        std::fflush(stdout);
        QCoreApplication::exit(failed ? 3 : 0);
    };
}

int Run(const std::vector<std::string>& args) {
    const std::string refusal = LaunchRefusal(args);
    if (!refusal.empty()) {
        if (qEnvironmentVariableIsSet("VANTA_VIEWER_EXIT_AFTER_READ")) {
            // Unattended: no box that nobody closes.
            std::printf("first-read failed: %s\n", refusal.c_str());
        } else {
            CvMessageBox::Plain(nullptr, QString::fromStdString(refusal));
        }
        return 2;
    }
    try {
        // The session's boots counter lies in the working folder, as the module's does.
        const ViewerLaunch launch = PrepareViewerLaunch(args, CvRegistry(), "");
        TViewerForm form(*launch.Page, QString::fromStdString(launch.Texts.FDeviceAddress));
        if (qEnvironmentVariableIsSet("VANTA_VIEWER_EXIT_AFTER_READ")) {
            ExitAfterFirstRead(form);
        }
        form.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        CvMessageBox::Error(nullptr, QString::fromStdString(e.what()));
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // One settings folder whichever group name started it.
    QCoreApplication::setApplicationName("vanta-viewer");
    const std::vector<std::string> args(argv + 1, argv + argc);
    ScrubPassPhrases(argc, argv);
    const int status = Run(args);
    DestroyGlobalSession();
    return status;
}
