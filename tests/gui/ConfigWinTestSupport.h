#pragma once

#include <QDialog>

#include <functional>
#include <map>
#include <string>

#include "ConfigPage.h"
#include "CvModal.h"
#include "CvOptionList.h"
#include "CvSNMPVar.h"
#include "GuiTestSupport.h"

class TSNMPPanel;

// Tables and helpers shared by the tests of the generic configuration windows.
namespace gui_test {

constexpr std::uint32_t kKey = CvAccess::notaccess;
constexpr std::uint32_t kRo = CvAccess::readonly;
constexpr std::uint32_t kRw = CvAccess::readwrite;

extern const CvOptionList kRowStatus;
extern const CvOptionList kUpDown;

// sysDescr (ro), sysContact, sysName, sysLocation (rw) of the simulator.
extern const CvSNMPVarDesc kSystemGroup[];
// The static VLAN table: index, name, three port lists, RowStatus (column 5).
extern const CvSNMPVarDesc kVlanStatic[];
constexpr std::int32_t kVlanStatusColumn = 5;
// The static VLAN table as a table page with Add and Delete.
extern const TConfigPageParams kVlanPage;
// The interface table as "Port" (index) and "State" (ifOperStatus).
extern const CvSNMPVarDesc kPortStates[];

// One value read with a request of its own: a scalar (without ".0").
std::string ReadScalar(const char* oid, std::uint32_t syntax = CvSyntax::displaystr);
// One value written with a request of its own: a scalar (without ".0").
void WriteScalar(const char* oid, std::uint32_t syntax, const std::string& value);
// Key column text -> value of `column` over the rows of a table whose index
// column is `keyOid`.
std::map<std::string, std::string> WalkColumn(const char* keyOid, const char* column,
                                              std::uint32_t syntax = CvSyntax::displaystr);
// Creates static VLAN `vid` named `name` with createAndGo, through a request of its own.
void CreateVlan(int vid, const std::string& name);
// The static VLANs on the agent: VID -> name, and VID -> RowStatus value.
std::map<std::string, std::string> VlanNames();
std::map<std::string, std::string> VlanStates();

// Acts inside modal dialogs shown through CvModal; cleared by GuiTest.
void OnModal(const std::function<void(QDialog&)>& action);

// The frame a dialog of a table page was built with.
TSNMPPanel* DialogPanel(QDialog& dialog);

}  // namespace gui_test
