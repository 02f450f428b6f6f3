#pragma once

#include "AccessDialogs.h"

class QRadioButton;

// Profiles that examine the IPv6 header: either traffic class and flow
// label, or the addresses, chosen with two radio buttons. An edit that
// changes the choice first clears the other half on the switch.
class TIPv6MaskInfoForm : public TAccessProfileForm {
public:
    explicit TIPv6MaskInfoForm(const TDialogContext& context);

    void SetBtnClick() override;  // Edit
    void ListClick() override;
    void RadioButton1Click();
    void RadioButton2Click();

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;

protected:
    bool Validate() override;
    void Reset() override;

private:
    void EnableHalves(bool classPart, bool addressPart);
    void ChooseNeither();
};

// The rules of the IPv6 profiles. A rule's address goes to the switch in a
// request of its own.
class TIpv6RuleForm : public TAccessRuleForm {
public:
    explicit TIpv6RuleForm(const TDialogContext& context);

    void SetBtnClick() override;  // Edit

protected:
    bool Validate() override;
    void WriteRule(const std::set<int>& excluded, bool creating) override;
};
