#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "MibModel.h"
#include "SetTransaction.h"

struct usmUser;

namespace vsim {

// Keeps net-snmp's engine doing what the SNMPv3 tables of the model say: the
// communities it accepts, its access control and its users. The engine's
// users from the configuration become read-only rows; a row created through
// a table becomes a community, group, access entry, view or user; a row
// destroyed stops being one. The keys of users created through the user
// table are kept in `keyFile`, so that they survive a restart.
class SecurityBridge {
public:
    SecurityBridge(MibModel& model, std::string engineId, std::filesystem::path keyFile);

    // Once the engine has read its configuration: its users become rows,
    // the subtrees in `writable` the view of those who may write, and then
    // the engine follows the model.
    void Start(const std::vector<Oid>& writable);
    // Notes which tables a committed set changed.
    void Committed(const std::vector<SetTransaction::Write>& writes);
    // Hands those changes to the engine; between requests, never inside one,
    // since the engine holds on to its entries while it answers.
    void Flush();

private:
    using UserKey = std::pair<std::string, std::string>;  // engine id, name
    struct Keys {
        Oid authProtocol;
        std::string authKey;
        Oid privProtocol;
        std::string privKey;
    };

    void PublishUsers();
    void ApplyCommunities() const;
    void ApplyAccessControl() const;
    void ApplyUsers();
    void LoadKeys();
    void SaveKeys() const;

    MibModel& model_;
    std::string engineId_;
    std::filesystem::path keyFile_;
    std::set<UserKey> configured_;     // the users of the configuration
    std::map<UserKey, Keys> created_;  // the users created through the table
    bool communitiesChanged_ = false;
    bool accessChanged_ = false;
    bool usersChanged_ = false;
};

}  // namespace vsim
