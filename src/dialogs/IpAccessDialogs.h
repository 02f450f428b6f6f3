#pragma once

#include "AccessDialogs.h"

// Profiles that examine the IPv4 header and the TCP, UDP, ICMP and IGMP
// fields behind it.
class TIPMaskInformationForm : public TAccessProfileForm {
public:
    explicit TIPMaskInformationForm(const TDialogContext& context);

protected:
    bool Validate() override;
};

// The rules of the IP profiles. An existing rule keeps its protocol: the
// protocol combo is locked while a row is chosen.
class TIPRuleForm : public TAccessRuleForm {
public:
    explicit TIPRuleForm(const TDialogContext& context);

protected:
    bool Validate() override;
    void RowChosen(bool selected) override;
};
