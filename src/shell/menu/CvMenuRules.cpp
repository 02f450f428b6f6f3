#include "CvMenuRules.h"

#include <QAction>
#include <QMenuBar>
#include <QString>
#include <cassert>
#include <initializer_list>

namespace {

// The texts are the option labels of the status bindings' one variable.
std::optional<bool> EnabledDisabled(std::string_view text) {
    if (text == "enabled") {
        return true;
    }
    if (text == "disabled") {
        return false;
    }
    return std::nullopt;
}

void SetEnabled(QMenuBar& bar, std::initializer_list<const char*> names,
                std::optional<bool> enabled) {
    if (!enabled) {
        return;
    }
    for (const char* name : names) {
        auto* action = bar.findChild<QAction*>(QString::fromLatin1(name));
        assert(action != nullptr);
        if (action != nullptr) {
            action->setEnabled(*enabled);
        }
    }
}

}  // namespace

std::optional<bool> RmonItemsEnabled(std::string_view rmonStateText) {
    return EnabledDisabled(rmonStateText);
}

std::optional<bool> AuthItemEnabled(std::string_view dot1xStateText) {
    return EnabledDisabled(dot1xStateText);
}

bool SnmpV3MenuEnabled(int snmpVersion) {
    return snmpVersion == 3;
}

void ApplyRmonRule(QMenuBar& bar, std::string_view rmonStateText) {
    SetEnabled(bar, {"Statistics1", "History1", "AlarmEvent1"}, RmonItemsEnabled(rmonStateText));
}

void ApplyAuthRule(QMenuBar& bar, std::string_view dot1xStateText) {
    SetEnabled(bar, {"Auth1"}, AuthItemEnabled(dot1xStateText));
}

void ApplySnmpV3Rule(QMenuBar& bar, int snmpVersion) {
    SetEnabled(bar, {"VACM1"}, SnmpV3MenuEnabled(snmpVersion));
}
