#pragma once

#include "AccessDialogs.h"

// Profiles that examine the Ethernet header: VLAN, MAC address masks,
// 802.1p and Ethernet type.
class TEthernetMaskInformationForm : public TAccessProfileForm {
public:
    explicit TEthernetMaskInformationForm(const TDialogContext& context);

protected:
    bool Validate() override;
};

// The rules of the Ethernet profiles: values to match, action and ports.
class TEthernetInformationRuleForm : public TAccessRuleForm {
public:
    explicit TEthernetInformationRuleForm(const TDialogContext& context);

protected:
    bool Validate() override;
};
