#pragma once

#include <optional>
#include <string_view>

class QMenuBar;

// The rules that enable menu items from values read on the device. Each rule
// maps the text read to "enable", "disable" or, for any other text,
// std::nullopt: the items keep whatever enabling they had.

// Statistics1, History1 and AlarmEvent1 from the RMON state text.
std::optional<bool> RmonItemsEnabled(std::string_view rmonStateText);

// Auth1 from the 802.1X system authentication control text.
std::optional<bool> AuthItemEnabled(std::string_view dot1xStateText);

// VACM1 ("SNMP V3") from the launch's SNMP version (0 v1, 1 v2c, 3 v3).
bool SnmpV3MenuEnabled(int snmpVersion);

// The rules applied to a menu built by BuildMainMenu.
void ApplyRmonRule(QMenuBar& bar, std::string_view rmonStateText);
void ApplyAuthRule(QMenuBar& bar, std::string_view dot1xStateText);
void ApplySnmpV3Rule(QMenuBar& bar, int snmpVersion);
