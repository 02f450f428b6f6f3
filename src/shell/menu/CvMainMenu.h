#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

class QMenuBar;

// The main menu MainMenu1 as data: every item in menu order with its depth,
// caption, component name, visibility and what choosing it does. The builder
// turns the table into QMenus and QActions and hands every command to the
// main window's dispatcher.

enum class CvMenuAction : std::uint8_t {
    None,  // a sub-menu, or an item without a command of its own
    Separator,
    ScalarPage,  // the catalogue page with the item's component name
    TablePage,   // likewise
    Dialog,      // Argument: the dialog's form class
    Viewer,      // Argument: the viewer's page argument
    RefreshPanel,
    Help,
    About,  // Argument: the form class of the about box
};

// Steps the main window adds around an entry's page or dialog.
enum class CvMenuExtraStep : std::uint8_t {
    None,
    ReadStpVersion,   // read the STP version into ST_STPVersion first
    SnmpV2cForV1,     // an SNMPv1 launch reads the page with SNMPv2c
    RmonRuleOnClose,  // re-read the RMON state and apply the RMON rule on close
    AuthRuleOnClose,  // re-read the 802.1X state and apply the authentication rule on close
};

struct CvMenuItem {
    std::uint8_t Depth;   // 0 for the ten top-level menus
    const char* Caption;  // exactly as shown; null for separators
    const char* Name;     // component name, the objectName; null for separators
    bool Hidden;          // in the tree but never shown
    CvMenuAction Action;
    const char* Argument;  // form class or viewer page argument, else null
    const char* Handler;   // the click handler's name; null without a command
    CvMenuExtraStep Extra;

    bool IsCommand() const { return Handler != nullptr; }
};

// Every item of the main menu in menu order, separators included.
std::span<const CvMenuItem> MainMenuItems();

// The item with that component name, or null.
const CvMenuItem* FindMenuItem(std::string_view name);

// The caption or window title a dialog entry sets before it opens its dialog;
// "" when the entry sets none. Some captions end in the device's address.
struct CvMenuDialogTitle {
    std::string Caption;      // the dialog's caption
    std::string WindowTitle;  // FWindowTitle, for the dialog to read
};
CvMenuDialogTitle MenuDialogTitle(std::string_view name, std::string_view deviceAddress);

// The main window's answers to menu commands. A command whose callback is
// missing, a dialog entry whose dialog `hasDialog` does not know, and an item
// without a command all go to `notAvailable`, which must be set.
struct MenuActions {
    std::function<void(std::string_view name)> openPage;
    std::function<bool(std::string_view formClass)> hasDialog;
    std::function<void(std::string_view formClass, std::string_view name)> openDialog;
    std::function<void(std::string_view pageArgument)> launchViewer;
    std::function<void()> refreshPanel;
    std::function<void()> help;
    std::function<void()> about;
    std::function<void(std::string_view name)> notAvailable;
};

// Calls exactly one callback of `actions` for the item.
void DispatchMenuItem(const CvMenuItem& item, const MenuActions& actions);

// Fills `bar` with the whole tree: objectName = component name on every
// QAction and on every sub-menu's QMenu, hidden items present but not
// visible, and each leaf's triggered() connected to DispatchMenuItem.
void BuildMainMenu(QMenuBar& bar, const MenuActions& actions);
