#include "TMainForm.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QScrollArea>
#include <QTimer>

#include "CvCatalogues.h"
#include "CvDisplay.h"
#include "CvMainMenu.h"
#include "CvMenuRules.h"
#include "CvMessageBox.h"
#include "CvMibCatalogue.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"
#include "CvUnitPanels.h"
#include "StaticText.h"
#include "StatusBar.h"

namespace {

constexpr int kDesignDpi = 96;
constexpr int kDesignWidth = 800;

StaticText* HiddenText(QWidget* parent, const char* name) {
    auto* text = new StaticText(parent);
    text->setObjectName(name);
    text->hide();
    return text;
}

}  // namespace

TMainForm::TMainForm(const std::vector<std::string>& args, TMainFormEnvironment environment)
    : FEnvironment(std::move(environment)) {
    setObjectName("MainForm");
    const int dpi = ScreenDpi();
    FLargeFonts = dpi != kDesignDpi;
    FScale = FLargeFonts ? 1.25f : 1.0f;
    resize(kDesignWidth, height());

    CreateGlobalSession(FEnvironment.SessionFolder);
    GlobalSecurity().Version = 0;
    FModuleFolder = ModuleFolder(FEnvironment.Registry);
    LoadCatalogues(FModuleFolder);
    FHostConfigFolder = HostConfigFolder(FEnvironment.Registry);
    DefaultBulkRepetitions = BulkRepetitionsSetting(FEnvironment.Registry);

    BuildMenu();
    if (args.empty()) {
        CvMessageBox::Plain(nullptr, "No parameter input");
        TerminateRequested = true;
    } else {
        ParseParameters(args);
    }
    ApplySnmpV3Rule(*menuBar(), GlobalSecurity().Version);
    FormCreate();
}

TMainForm::~TMainForm() {
    Panels.reset();
}

void TMainForm::ParseParameters(const std::vector<std::string>& args) {
    CvLaunchState state{GlobalDevice(), GlobalScope(), GlobalSecurity(), Texts, Flags};
    ApplyLaunchArguments(args, FHostConfigFolder, state);
    Texts = state.Texts;
    Flags = state.Flags;
}

void TMainForm::FormCreate() {
    setWindowTitle(QString::fromStdString(Texts.FDeviceAddress));
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    setCentralWidget(ScrollBox1);
    Status = new StatusBar(this);
    Status->setObjectName("StatusBar");
    Status->AddPanel(0);
    setStatusBar(Status);

    Values.MainWindow = this;
    Values.Scale = WindowScale(FScale);
    Values.DeviceAddress = QString::fromStdString(Texts.FDeviceAddress);
    Panels = std::make_unique<CvUnitPanels>(CvUnitPanels::Host{this, ScrollBox1, Status, &Values});

    ST_RmonState = HiddenText(this, "ST_RmonState");
    ST_STPVersion = HiddenText(this, "ST_STPVersion");
    ST_8021xStatus = HiddenText(this, "ST_8021xStatus");
    try {
        BuildStatusBindings();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

void TMainForm::BuildStatusBindings() {
    auto make = [this](const CvSNMPVarDesc* table, StaticText* text) {
        auto binding = std::make_unique<CvSNMPRequest2Edits>(this);
        binding->Request->Vars.Assign(CvSNMPVarList(table, SVT_SV, 0));
        binding->BindControl(0, text);
        binding->Mode = 0;
        return binding;
    };
    FRmonBinding = make(RmonStateTable, ST_RmonState);
    FStpBinding = make(StpVersionTable, ST_STPVersion);
    FDot1xBinding = make(Dot1xStateTable, ST_8021xStatus);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!FActivated) {
        FActivated = true;
        // After the window is on screen, as its first activation.
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
}

void TMainForm::FormActivate() {
    Panels->FormActivate();
    if (OnPanelCreated) {
        OnPanelCreated();
    }
    ApplyRmonRule();
    ApplyAuthRule();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (Panels) {
        Panels->Shutdown();
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::ShowStatus(const std::string& text) {
    Status->Panel(0)->setText(QString::fromStdString(text));
}

bool TMainForm::ReadStatus(CvSNMPRequest2Edits* binding) {
    if (binding == nullptr) {
        return false;
    }
    try {
        binding->Get();
        return true;
    } catch (const std::exception& e) {
        ShowStatus(e.what());
        return false;
    }
}

// A failed read leaves the items as they were.
void TMainForm::ApplyRmonRule() {
    if (ReadStatus(FRmonBinding.get())) {
        ::ApplyRmonRule(*menuBar(), ST_RmonState->text().toStdString());
    }
}

void TMainForm::ApplyAuthRule() {
    if (ReadStatus(FDot1xBinding.get())) {
        ::ApplyAuthRule(*menuBar(), ST_8021xStatus->text().toStdString());
    }
}

void TMainForm::ReadStpVersion() {
    ReadStatus(FStpBinding.get());
}

void TMainForm::RefreshPanel1Click() {
    if (Panels->RefreshPanel1Click()) {
        ApplyRmonRule();
        ApplyAuthRule();
    }
}

void TMainForm::NotAvailable(std::string_view) {
    CvMessageBox::Information(this, "This page is not available in this version.");
}
