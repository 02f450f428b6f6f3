#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "MibModel.h"
#include "SetTransaction.h"

namespace vsim {

// The SNMPv3 configuration tables as the model holds them: the agent's
// communities (SNMP-COMMUNITY-MIB), its access control (VACM) and its users
// (USM) are the active rows of these tables, read into plain records here
// and handed to the SNMP engine by the agent.

namespace security {

extern const Oid kCommunityEntry;  // snmpCommunityEntry
extern const Oid kGroupEntry;      // vacmSecurityToGroupEntry
extern const Oid kAccessEntry;     // vacmAccessEntry
extern const Oid kViewEntry;       // vacmViewTreeFamilyEntry
extern const Oid kUserEntry;       // usmUserEntry
extern const Oid kNoAuthProtocol;  // usmNoAuthProtocol
extern const Oid kNoPrivProtocol;  // usmNoPrivProtocol
extern const Oid kZeroDotZero;

// usmUserEntry's columns.
enum UserColumn : std::uint32_t {
    kUserSecurityName = 3,
    kUserCloneFrom = 4,
    kUserAuthProtocol = 5,
    kUserAuthKeyChange = 6,
    kUserOwnAuthKeyChange = 7,
    kUserPrivProtocol = 8,
    kUserPrivKeyChange = 9,
    kUserOwnPrivKeyChange = 10,
    kUserStorageType = 12,
    kUserStatus = 13,
};

struct Community {
    std::string name;  // the community string
    std::string securityName;
    std::string contextName;
};

struct Group {
    int securityModel = 0;
    std::string securityName;
    std::string groupName;
};

struct Access {
    std::string groupName;
    std::string contextPrefix;
    int securityModel = 0;
    int securityLevel = 1;
    int contextMatch = 1;
    std::string readView;
    std::string writeView;
    std::string notifyView;
};

struct View {
    std::string name;
    Oid subtree;
    std::string mask;
    int type = 1;  // included
};

struct User {
    std::string engineId;
    std::string name;
    bool active = false;
    Oid cloneFrom;  // empty or 0.0 when no clone is pending
    Oid authProtocol;
    Oid privProtocol;
    std::string authKeyChange;  // pending key changes, own or not
    std::string privKeyChange;
};

std::vector<Community> ActiveCommunities(const MibModel& model);
std::vector<Group> ActiveGroups(const MibModel& model);
std::vector<Access> ActiveAccess(const MibModel& model);
std::vector<View> ActiveViews(const MibModel& model);
std::vector<User> Users(const MibModel& model);

// The row index of a user: its engine id and name, each with its length.
Oid UserIndex(const std::string& engineId, const std::string& name);

// Writes a user's row as the engine has it: its protocols, no clone or key
// change pending. A configured user's row is the simulator's own: readOnly.
void PutUser(MibModel& model, const std::string& engineId, const std::string& name,
             const Oid& authProtocol, const Oid& privProtocol, bool configured);
// The view "vanta-writable" of those who may write: the subtrees the model
// serves, never the engine's own objects.
void PutWritableView(MibModel& model, const std::vector<Oid>& roots);
// A community row's context engine id is the agent's own unless a manager
// gave another (RFC 3584).
void FillContextEngineIds(MibModel& model, const std::string& engineId);
// The user a usmUserCloneFrom value points to: any column of its row.
std::optional<std::pair<std::string, std::string>> UserOfPointer(const Oid& pointer);

// Key lengths by protocol; 0 for no protocol or one without a key change.
std::size_t AuthKeyLength(const Oid& protocol);
std::size_t PrivKeyLength(const Oid& protocol);

// The rules of a changed usmUserEntry row (RFC 3414): a protocol may only be
// switched off, never to another one; privacy needs authentication; a clone
// source must be an active user; a key change is twice as long as its key.
bool UserRowIsConsistent(const RowView& row, const RowPlace& place);

// Communities, security and context names go to the engine as text: no
// control characters.
bool CommunityRowIsConsistent(const RowView& row, const RowPlace& place);

}  // namespace security

}  // namespace vsim
