#include "ConfigWinTestSupport.h"

#include "CvSNMPRequest.h"
#include "TSNMPPanel.h"

namespace gui_test {

namespace {

const CvIntOptionPair kRowStatusPairs[] = {
    {1, "active"},        {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"},      {0, nullptr}};
const CvIntOptionPair kUpDownPairs[] = {{1, "up"}, {2, "down"}, {0, nullptr}};

}  // namespace

const CvOptionList kRowStatus(kRowStatusPairs);
const CvOptionList kUpDown(kUpDownPairs);

const CvSNMPVarDesc kSystemGroup[] = {
    {"1.3.6.1.2.1.1.1", "System Description", CvSyntax::displaystr, kRo},
    {"1.3.6.1.2.1.1.4", "System Contact", CvSyntax::displaystr, kRw},
    {"1.3.6.1.2.1.1.5", "System Name", CvSyntax::displaystr, kRw},
    {"1.3.6.1.2.1.1.6", "System Location", CvSyntax::displaystr, kRw},
    {}};

const CvSNMPVarDesc kVlanStatic[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VID", CvSyntax::integer, kKey},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", CvSyntax::displaystr, kRw},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", CvSyntax::bitstr, kRw},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Ports", CvSyntax::bitstr, kRw},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", CvSyntax::bitstr, kRw},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", CvSyntax::integer, kRw, &kRowStatus},
    {}};

const TConfigPageParams kVlanPage{.Title = "VLANs",
                                  .Table = kVlanStatic,
                                  .ItemType = MVT_FMV,
                                  .KeyCount = 1,
                                  .StatusColumn = kVlanStatusColumn,
                                  .AddStatus = "createAndGo",
                                  .DeleteStatus = "destroy"};

const CvSNMPVarDesc kPortStates[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Port", CvSyntax::integer, kKey},
    {"1.3.6.1.2.1.2.2.1.8", "State", CvSyntax::integer, kRo, &kUpDown},
    {}};

std::string ReadScalar(const char* oid, std::uint32_t syntax) {
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {{oid, "", syntax, kRo}, {}};
    request.Vars.Assign(CvSNMPVarList(records, SVT_SV, 0));
    request.Read(true);
    return request.Vars.Item(0).Value;
}

void WriteScalar(const char* oid, std::uint32_t syntax, const std::string& value) {
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {{oid, "", syntax, kRw}, {}};
    request.Vars.Assign(CvSNMPVarList(records, SVT_SV, 0));
    request.Vars.Item(0).Value = value;
    request.Write(false, "");
}

std::map<std::string, std::string> WalkColumn(const char* keyOid, const char* column,
                                              std::uint32_t syntax) {
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {
        {keyOid, "", CvSyntax::integer, kKey}, {column, "", syntax, kRo}, {}};
    request.Vars.Assign(CvSNMPVarList(records, MVT_FMV, 1));
    std::map<std::string, std::string> rows;
    for (bool row = request.Read(true); row; row = request.Read(false)) {
        rows[request.Vars.Item(0).Value] = request.Vars.Item(1).Value;
    }
    return rows;
}

void CreateVlan(int vid, const std::string& name) {
    CvSNMPRequest request;
    const CvSNMPVarDesc records[] = {
        kVlanStatic[0], kVlanStatic[1], {kVlanStatic[5].Oid, "", CvSyntax::integer, kRw}, {}};
    request.Vars.Assign(CvSNMPVarList(records, MVT_FMV, 1));
    request.Vars.Item(0).Value = std::to_string(vid);
    request.Vars.Item(1).Value = name;
    request.Vars.Item(2).Value = "4";  // createAndGo
    request.Write(false, "");
}

std::map<std::string, std::string> VlanNames() {
    return WalkColumn(kVlanStatic[0].Oid, kVlanStatic[1].Oid);
}

std::map<std::string, std::string> VlanStates() {
    return WalkColumn(kVlanStatic[0].Oid, kVlanStatic[5].Oid, CvSyntax::integer);
}

void OnModal(const std::function<void(QDialog&)>& action) {
    CvModal::SetShownHook(action);
}

TSNMPPanel* DialogPanel(QDialog& dialog) {
    return dialog.findChild<TSNMPPanel*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace gui_test
