#include "CvUnitPanels.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QScrollArea>

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

#include "ConfigPage.h"
#include "CvException.h"
#include "CvMessageBox.h"
#include "CvModal.h"
#include "PortPages.h"
#include "StatusBar.h"
#include "TConfigForm.h"
#include "TEditsPanel.h"
#include "TPanelVantaAForm.h"
#include "TSNMPEditorPanel.h"

namespace {

// The label column of the port pages is wider than the longest MIB name
// needs by default, so the values stay readable.
constexpr int kInformationLabelWidening = 50;
constexpr int kConfigurationLabelWidening = 82;

int Height(const QWidget* widget) {
    return widget != nullptr && !widget->isHidden() ? widget->sizeHint().height() : 0;
}

void WidenLabelColumn(TConfigForm& form, int extra) {
    TSNMPEditorPanel* page = form.Page();
    if (page == nullptr || extra <= 0) {
        return;
    }
    TEditsPanel* editor = page->Editor;
    int widest = 0;
    for (const TEditRow& row : editor->Rows) {
        widest = std::max(widest, row.Caption->width());
    }
    for (const TEditRow& row : editor->Rows) {
        row.Caption->resize(widest + extra, row.Caption->height());
    }
    editor->Layout(TEditsPanel::kVertical, true);
    form.resize(form.width() + extra, form.height());
}

// "5.1" -> "5 , copper"; a hint of another medium gives nothing.
QString PortCaption(const QString& hint) {
    const qsizetype dot = hint.indexOf('.');
    if (dot < 0) {
        return QString();
    }
    const QString port = hint.left(dot);
    const QString medium = hint.mid(dot + 1, 1);
    if (medium == "1") {
        return port + " , copper";
    }
    if (medium == "2") {
        return port + " , fiber";
    }
    return QString();
}

}  // namespace

CvUnitPanels::CvUnitPanels(const Host& host) : FHost(host) {
    PortInfoPopupMenu = new QMenu(host.MainWindow);
    PortInfoPopupMenu->setObjectName("PortInfoPopupMenu");
    QAction* information = PortInfoPopupMenu->addAction("Port Information");
    information->setObjectName("PortInformation2");
    connect(information, &QAction::triggered, this, [this] { PortInformation2Click(); });
    QAction* configuration = PortInfoPopupMenu->addAction("Port Configuration");
    configuration->setObjectName("PortConfiguration1");
    connect(configuration, &QAction::triggered, this, [this] { PortConfiguration1Click(); });
}

CvUnitPanels::~CvUnitPanels() {
    Shutdown();
    delete PortInfoPopupMenu;
}

bool CvUnitPanels::FormActivate() {
    if (PanelCreated) {
        return false;
    }
    PanelCreated = true;
    CreateUnitPanel();
    AssignPortPopupMenu();
    HookPortButtons();
    return true;
}

void CvUnitPanels::CreateUnitPanel() {
    auto* panel = new TPanelVantaAForm(FHost.MainWindow, FHost.Status);
    const int height = panel->height();
    const int width = panel->width();
    panel->UnitNumber = 0;
    panel->SetupRequests();

    const qsizetype firstButton = PortButtonList.size();
    panel->SetPortHints(PortButtonList);
    // Buttons and panels may go with the window that holds them; the lists
    // never keep what is gone.
    for (qsizetype i = firstButton; i < PortButtonList.size(); ++i) {
        QToolButton* button = PortButtonList[i];
        connect(button, &QObject::destroyed, this,
                [this, button] { PortButtonList.removeAll(button); });
    }
    connect(panel, &QObject::destroyed, this, [this, panel] {
        PanelFormList.removeAll(panel);
        if (LastPanelForm == panel) {
            LastPanelForm = nullptr;
        }
    });

    if (panel->LedRequest) {
        // A set-up that failed early never gave the request its status target.
        if (FHost.Status != nullptr) {
            panel->LedRequest->SetStatusTarget(FHost.Status, 0);
        }
        try {
            panel->LedRequest->StartPolling(TPanelVantaAForm::kPollInterval);
        } catch (const CvException& e) {
            panel->LedRequest->ShowStatus(e.Message());
        } catch (const std::exception& e) {
            panel->LedRequest->ShowStatus(e.what());
        }
    }

    if (QScrollArea* box = FHost.ScrollBox1) {
        // The scroll box shows the panel as its content, or beside other content.
        if (box->widget() == nullptr) {
            box->setWidgetResizable(false);
            box->setWidget(panel);
        } else {
            panel->setParent(box->widget());
        }
        panel->move(0, 0);
    }
    QMainWindow* main = FHost.MainWindow;
    if (main != nullptr) {
        main->resize(width + 3,
                     Height(main->menuWidget()) + panel->y() + height + Height(FHost.Status) + 3);
    }
    LastPanelForm = panel;
    panel->show();
    if (main != nullptr && panel->frameGeometry().width() > main->frameGeometry().width()) {
        main->resize(panel->width() + 4, main->height());
    }
    PanelFormList.append(panel);
}

void CvUnitPanels::AssignPortPopupMenu() {
    for (QToolButton* button : PortButtonList) {
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        disconnect(button, &QWidget::customContextMenuRequested, this, nullptr);
        connect(button, &QWidget::customContextMenuRequested, this,
                [this, button](const QPoint& at) {
                    PopupComponent = button;
                    PortInfoPopupMenu->popup(button->mapToGlobal(at));
                });
    }
}

void CvUnitPanels::HookPortButtons() {
    for (QToolButton* button : PortButtonList) {
        disconnect(button, &QToolButton::clicked, this, nullptr);
        connect(button, &QToolButton::clicked, this, [this, button] { PortButtonClick(button); });
    }
}

void CvUnitPanels::PortButtonClick(QToolButton* sender) {
    for (QToolButton* button : PortButtonList) {
        if (button != sender) {
            button->setChecked(false);
        }
    }
}

void CvUnitPanels::ReleasePortButtons() {
    for (QToolButton* button : PortButtonList) {
        button->setChecked(false);
    }
}

void CvUnitPanels::CloseUnitPanels() {
    // Taken off the list first: closing waits for the LED poll and lets the
    // user act meanwhile, and a close that comes then (the main window's, a
    // second Refresh Panel) finds nothing left to free twice.
    const QList<TPanelVantaAForm*> panels = std::exchange(PanelFormList, {});
    if (panels.contains(LastPanelForm)) {
        LastPanelForm = nullptr;
    }
    for (TPanelVantaAForm* panel : panels) {
        panel->close();
        delete panel;
    }
}

void CvUnitPanels::Shutdown() {
    FShutDown = true;
    CloseUnitPanels();
}

bool CvUnitPanels::RefreshPanel1Click() {
    if (FRefreshing) {
        return false;  // closing the old panel waits, and a second click may arrive then
    }
    if (!CvMessageBox::Confirm(FHost.MainWindow,
                               "Refresh panel may take a long time. Are you sure?")) {
        return false;
    }
    FRefreshing = true;
    CloseUnitPanels();
    if (FShutDown) {
        FRefreshing = false;
        return false;  // the main window closed while the old panel was closing
    }
    PortButtonList.clear();
    LastPanelForm = nullptr;
    PopupComponent = nullptr;
    CreateUnitPanel();
    AssignPortPopupMenu();
    HookPortButtons();
    FRefreshing = false;
    return true;
}

void CvUnitPanels::PortInformation2Click() {
    OpenPortPage(panel_pages::kPortInformationTitle, panel_pages::PortInformation(),
                 kInformationLabelWidening);
}

void CvUnitPanels::PortConfiguration1Click() {
    OpenPortPage(panel_pages::kPortConfigurationTitle, panel_pages::PortConfiguration(),
                 kConfigurationLabelWidening);
}

void CvUnitPanels::OpenPortPage(const char* title, const CvSNMPVarDesc* table, int labelWidening) {
    QToolButton* button = PopupComponent;
    if (button == nullptr || FHost.Values == nullptr) {
        return;
    }
    ReleasePortButtons();
    button->setChecked(true);

    const QString hint = button->toolTip();
    const QByteArray instance = hint.toLatin1();
    TConfigPageParams page;
    page.Title = title;
    page.Table = table;
    page.ItemType = MVT_SV;
    page.Instance = instance.constData();
    try {
        const std::unique_ptr<TConfigForm> form = BuildConfigPage(page, *FHost.Values);
        WidenLabelColumn(*form, qRound(static_cast<float>(labelWidening) * FHost.Values->Scale));
        const QString port = PortCaption(hint);
        if (!port.isEmpty()) {
            form->setWindowTitle(QString::fromUtf8(title) + " : " + port);
        }
        CvModal::Exec(*form);
    } catch (const CvException& e) {
        ShowFailure(QString::fromStdString(e.Message()));
    } catch (const std::exception& e) {
        ShowFailure(QString::fromUtf8(e.what()));
    }
}

void CvUnitPanels::ShowFailure(const QString& text) {
    if (FHost.Status != nullptr && FHost.Status->Panel(0) != nullptr) {
        FHost.Status->Panel(0)->setText(text);
    }
}
