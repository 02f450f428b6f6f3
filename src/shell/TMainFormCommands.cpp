// The main window's answers to its menu commands.
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenuBar>

#include "CvCataloguePages.h"
#include "CvDesktop.h"
#include "CvDialogs.h"
#include "CvMainMenu.h"
#include "CvMessageBox.h"
#include "CvSNMPSettings.h"
#include "CvViewerLaunch.h"
#include "StaticText.h"
#include "TMainForm.h"

namespace {

// An SNMPv1 launch reads some pages with SNMPv2c; the version comes back
// however the page ends.
class VersionSwitch {
public:
    explicit VersionSwitch(bool active) : FOld(GlobalSecurity().Version) {
        FActive = active && FOld == 0;
        if (FActive) {
            GlobalSecurity().Version = 1;
        }
    }
    ~VersionSwitch() {
        if (FActive) {
            GlobalSecurity().Version = FOld;
        }
    }
    VersionSwitch(const VersionSwitch&) = delete;
    VersionSwitch& operator=(const VersionSwitch&) = delete;

private:
    std::uint8_t FOld;
    bool FActive = false;
};

CvMenuExtraStep ExtraStepOf(std::string_view name) {
    const CvMenuItem* item = FindMenuItem(name);
    return item == nullptr ? CvMenuExtraStep::None : item->Extra;
}

}  // namespace

void TMainForm::BuildMenu() {
    MenuActions actions;
    actions.openPage = [this](std::string_view name) { OpenPage(name); };
    actions.hasDialog = [](std::string_view formClass) { return HasDialog(formClass); };
    actions.openDialog = [this](std::string_view formClass, std::string_view name) {
        OpenDialogOf(formClass, name);
    };
    actions.launchViewer = [this](std::string_view page) { LaunchViewer(page); };
    actions.refreshPanel = [this] { RefreshPanel1Click(); };
    actions.help = [this] { HelpClick(); };
    actions.about = [this] { AboutClick(); };
    actions.notAvailable = [this](std::string_view name) { NotAvailable(name); };
    menuBar()->setObjectName("MainMenu1");
    BuildMainMenu(*menuBar(), actions);
}

void TMainForm::OpenPage(std::string_view name) {
    const CvMibPage* page = FindMibPage(name);
    if (page == nullptr) {
        NotAvailable(name);
        return;
    }
    const CvMenuExtraStep extra = ExtraStepOf(name);
    if (extra == CvMenuExtraStep::ReadStpVersion) {
        ReadStpVersion();
    }
    try {
        VersionSwitch v2c(extra == CvMenuExtraStep::SnmpV2cForV1);
        OpenConfigPage(PageParams(*page), Values);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
    if (extra == CvMenuExtraStep::RmonRuleOnClose) {
        ApplyRmonRule();
    } else if (extra == CvMenuExtraStep::AuthRuleOnClose) {
        ApplyAuthRule();
    }
}

void TMainForm::OpenDialogOf(std::string_view formClass, std::string_view name) {
    const CvMenuDialogTitle title = MenuDialogTitle(name, Texts.FDeviceAddress);
    if (!title.WindowTitle.empty()) {
        Values.WindowTitle = QString::fromStdString(title.WindowTitle);
    }
    if (ExtraStepOf(name) == CvMenuExtraStep::ReadStpVersion) {
        ReadStpVersion();
    }
    TDialogContext context;
    context.MainWindow = this;
    // Where the toolkit scales the windows for the screen, they keep their sizes.
    context.Scale = Values.Scale;
    context.LargeFonts = FLargeFonts && Values.Scale != 1.0f;
    context.DeviceAddress = Values.DeviceAddress;
    context.WindowTitle = Values.WindowTitle;
    context.Caption = QString::fromStdString(title.Caption);
    context.Form1 = Form1;
    context.StpVersion = ST_STPVersion;
    context.RefreshRmonMenu = [this] { ApplyRmonRule(); };
    try {
        OpenDialog(formClass, context);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

void TMainForm::LaunchViewer(std::string_view pageArgument) {
    const std::string check = ViewerHostCheck(FEnvironment.Registry);
    if (!check.empty()) {
        ShowStatus(check);
    }
    const std::string commandLine =
        ViewerCommandLine(Texts, Flags, GlobalSecurity().Version, std::string(pageArgument));
    // Whether the viewer started is not the module's business.
    StartViewer(commandLine, FEnvironment.ViewerFolder.empty()
                                 ? QCoreApplication::applicationDirPath().toStdString()
                                 : FEnvironment.ViewerFolder);
}

QString TMainForm::HelpFilePath() {
    return QCoreApplication::applicationDirPath() + "/Vanta-A.html";
}

void TMainForm::HelpClick() {
    const QString path = HelpFilePath();
    if (!QFileInfo(path).isFile()) {
        CvMessageBox::Warning(this, "The help file " + path + " was not found.");
    } else if (!CvDesktop::OpenFile(path)) {
        CvMessageBox::Warning(this, "No program to show the help file " + path + " was found.");
    }
}

void TMainForm::AboutClick() {
    if (HasDialog("TAboutForm")) {
        OpenDialogOf("TAboutForm", "About1");
    } else {
        NotAvailable("About1");
    }
}
