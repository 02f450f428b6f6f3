#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QToolButton>

class QMainWindow;
class QMenu;
class QScrollArea;
class StatusBar;
class TPanelVantaAForm;
struct CvSNMPVarDesc;
struct TMainWindowValues;

// The main window's side of the front panel: its port buttons, the panel
// forms placed in ScrollBox1, the port pop-up menu and the refresh.
class CvUnitPanels : public QObject {
public:
    struct Host {
        QMainWindow* MainWindow = nullptr;
        QScrollArea* ScrollBox1 = nullptr;
        StatusBar* Status = nullptr;          // panel 0 takes the LED and set-up messages
        TMainWindowValues* Values = nullptr;  // scale, address, FWindowTitle for the port pages
    };

    explicit CvUnitPanels(const Host& host);
    ~CvUnitPanels() override;  // CloseUnitPanels

    QList<QToolButton*> PortButtonList;
    QList<TPanelVantaAForm*> PanelFormList;
    TPanelVantaAForm* LastPanelForm = nullptr;
    bool PanelCreated = false;
    QMenu* PortInfoPopupMenu = nullptr;
    // The port button the pop-up menu was last opened on.
    QPointer<QToolButton> PopupComponent;

    // First activation only: CreateUnitPanel, AssignPortPopupMenu,
    // HookPortButtons. True when it did so.
    bool FormActivate();

    void CreateUnitPanel();
    void AssignPortPopupMenu();
    void HookPortButtons();
    void PortButtonClick(QToolButton* sender);
    void ReleasePortButtons();
    void CloseUnitPanels();
    // The main window closes: the panels go and none is built again.
    void Shutdown();
    // Asks first; true when the panel was rebuilt (the caller then re-applies
    // its menu rules).
    bool RefreshPanel1Click();
    void PortInformation2Click();
    void PortConfiguration1Click();

private:
    void OpenPortPage(const char* title, const CvSNMPVarDesc* table, int labelWidening);
    void ShowFailure(const QString& text);

    Host FHost;
    bool FRefreshing = false;
    bool FShutDown = false;
};
