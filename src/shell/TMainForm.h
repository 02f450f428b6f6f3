#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ConfigPage.h"
#include "CvLaunchParameters.h"
#include "CvRegistry.h"

class CvSNMPRequest2Edits;
class CvUnitPanels;
class QScrollArea;
class StaticText;
class StatusBar;
class TForm1;
struct CvMenuItem;

// Where the main window finds what the host installed: the registry, the
// folder of the boots counter file (empty: the working folder) and the folder
// searched first for the viewer programs (empty: the program's own).
struct TMainFormEnvironment {
    CvRegistry Registry{};
    std::string SessionFolder{};
    std::string ViewerFolder{};
};

// The module's main window: the launch parameters, the front panel in
// ScrollBox1, the main menu and what its commands open.
class TMainForm : public QMainWindow {
public:
    // `args` are the program's arguments without the program name. Raises
    // CvLaunchError when a number on the command line or in the .cfg file is
    // none, and the session's errors when it cannot be created.
    TMainForm(const std::vector<std::string>& args, TMainFormEnvironment environment);
    ~TMainForm() override;

    // Launch parameters, as the host wrote them (handed on to viewers).
    CvLaunchTexts Texts;
    CvLaunchFlags Flags;
    bool FLargeFonts = false;
    float FScale = 1.0f;
    // "No parameter input" was shown: the module ends without its window.
    bool TerminateRequested = false;

    StatusBar* Status = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    StaticText* ST_RmonState = nullptr;
    StaticText* ST_STPVersion = nullptr;
    StaticText* ST_8021xStatus = nullptr;
    TForm1* Form1 = nullptr;  // created after the window; shared by dialogs

    // What the generic pages read and write: scale, address, FWindowTitle.
    TMainWindowValues Values;
    std::unique_ptr<CvUnitPanels> Panels;

    // First activation: the front panel, then the two menu rules.
    void FormActivate();
    // Called once the first activation has built the panel.
    std::function<void()> OnPanelCreated;
    // The menu rules' reads; a failure's text goes to status panel 0 and the
    // items stay as they were.
    void ApplyRmonRule();
    void ApplyAuthRule();
    void ReadStpVersion();

    // Menu commands.
    void OpenPage(std::string_view name);
    void OpenDialogOf(std::string_view formClass, std::string_view name);
    void LaunchViewer(std::string_view pageArgument);
    void RefreshPanel1Click();
    void HelpClick();
    void AboutClick();
    void NotAvailable(std::string_view name);

    // The help file beside the program.
    static QString HelpFilePath();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ParseParameters(const std::vector<std::string>& args);
    void FormCreate();
    void BuildStatusBindings();
    void BuildMenu();
    void RunPage(const CvMenuItem& item, const TConfigPageParams& params);
    // Status panel 0 of the main window.
    void ShowStatus(const std::string& text);
    // A synchronous status read; a failure's text goes to status panel 0.
    bool ReadStatus(CvSNMPRequest2Edits* binding);

    TMainFormEnvironment FEnvironment;
    std::string FModuleFolder;
    std::string FHostConfigFolder;
    bool FActivated = false;
    std::unique_ptr<CvSNMPRequest2Edits> FRmonBinding;
    std::unique_ptr<CvSNMPRequest2Edits> FStpBinding;
    std::unique_ptr<CvSNMPRequest2Edits> FDot1xBinding;
};
