#include "CvMainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <cassert>
#include <memory>
#include <utility>
#include <vector>

namespace {

struct DialogTitleEntry {
    const char* Name;
    const char* Text;
    bool WithAddress;
    bool IsWindowTitle;  // FWindowTitle rather than the dialog's caption
};

constexpr DialogTitleEntry kDialogTitles[] = {
    {"SpanningTreeAlgorithm1", "Spanning Tree Algorithm", false, false},
    {"DeviceControl1", "Layer2 Control: ", true, false},
    {"ServerControl1", "Server Control: ", true, false},
    {"PortSercurityDelete1", "Port Security Delete: ", true, false},
    {"BOOTPCtrlTable1", "BOOT Ctrl Table", false, false},
    {"TrafficSegmentationTable1", "Traffic Segmentation Table", false, true},
};

// Calls `call` when it is set, else reports the entry as not available.
template <typename F, typename... Args>
void CallOr(const F& call, const MenuActions& actions, const CvMenuItem& item, Args&&... args) {
    if (call) {
        call(std::forward<Args>(args)...);
    } else {
        actions.notAvailable(item.Name);
    }
}

}  // namespace

const CvMenuItem* FindMenuItem(std::string_view name) {
    for (const CvMenuItem& item : MainMenuItems()) {
        if (item.Name != nullptr && name == item.Name) {
            return &item;
        }
    }
    return nullptr;
}

CvMenuDialogTitle MenuDialogTitle(std::string_view name, std::string_view deviceAddress) {
    for (const DialogTitleEntry& entry : kDialogTitles) {
        if (name != entry.Name) {
            continue;
        }
        std::string text = entry.Text;
        if (entry.WithAddress) {
            text += deviceAddress;
        }
        return entry.IsWindowTitle ? CvMenuDialogTitle{{}, text} : CvMenuDialogTitle{text, {}};
    }
    return {};
}

void DispatchMenuItem(const CvMenuItem& item, const MenuActions& actions) {
    assert(actions.notAvailable && item.Name != nullptr);
    switch (item.Action) {
        case CvMenuAction::ScalarPage:
        case CvMenuAction::TablePage:
            CallOr(actions.openPage, actions, item, item.Name);
            return;
        case CvMenuAction::Dialog:
            if (actions.hasDialog && actions.hasDialog(item.Argument)) {
                CallOr(actions.openDialog, actions, item, item.Argument, item.Name);
            } else {
                actions.notAvailable(item.Name);
            }
            return;
        case CvMenuAction::Viewer:
            CallOr(actions.launchViewer, actions, item, item.Argument);
            return;
        case CvMenuAction::RefreshPanel:
            CallOr(actions.refreshPanel, actions, item);
            return;
        case CvMenuAction::Help:
            CallOr(actions.help, actions, item);
            return;
        case CvMenuAction::About:
            CallOr(actions.about, actions, item);
            return;
        case CvMenuAction::None:
        case CvMenuAction::Separator:
            break;
    }
    // An item without a command still answers when chosen.
    actions.notAvailable(item.Name);
}

void BuildMainMenu(QMenuBar& bar, const MenuActions& actions) {
    assert(actions.notAvailable);
    const auto shared = std::make_shared<const MenuActions>(actions);
    const std::span<const CvMenuItem> items = MainMenuItems();
    std::vector<QMenu*> open;  // the menu at each depth above the current item

    for (std::size_t i = 0; i < items.size(); ++i) {
        const CvMenuItem& item = items[i];
        open.resize(item.Depth);
        QWidget* parent = open.empty() ? static_cast<QWidget*>(&bar) : open.back();
        QMenu* parentMenu = open.empty() ? nullptr : open.back();
        const bool hasChildren = i + 1 < items.size() && items[i + 1].Depth > item.Depth;

        if (item.Action == CvMenuAction::Separator) {
            assert(parentMenu != nullptr);
            parentMenu->addSeparator()->setVisible(!item.Hidden);
            continue;
        }
        const QString caption = QString::fromUtf8(item.Caption);
        const QString name = QString::fromUtf8(item.Name);
        if (hasChildren || parentMenu == nullptr) {
            auto* menu = new QMenu(caption, parent);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menu->menuAction()->setVisible(!item.Hidden);
            if (parentMenu == nullptr) {
                bar.addMenu(menu);
            } else {
                parentMenu->addMenu(menu);
            }
            open.push_back(menu);
            continue;
        }
        QAction* action = parentMenu->addAction(caption);
        action->setObjectName(name);
        action->setVisible(!item.Hidden);
        const CvMenuItem* entry = &item;
        QObject::connect(action, &QAction::triggered, action,
                         [shared, entry] { DispatchMenuItem(*entry, *shared); });
    }
}
