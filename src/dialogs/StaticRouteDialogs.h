#pragma once

#include <set>

#include "TCompanionForm.h"

struct CvSNMPError;

// The modes in which a route companion opens.
enum TRouteMode { kAddRoute = 0, kAddDefaultRoute = 1 };

// A new IPv4 static route: destination, mask and backup state name it,
// next hop and metric go with it. A default route has destination and
// mask 0.0.0.0.
class TIpStaticRouteEditForm : public TCompanionForm {
public:
    explicit TIpStaticRouteEditForm(TCompanionListForm& owner);

protected:
    void FormActivate() override;
    bool Validate() override;
    std::set<int> Unsent() const override;

private:
    bool DestinationPasses();
};

// The switch's IPv4 static routes, read asynchronously: Add and Add
// Default Route through the companion, Delete of the selected route. Add
// Default Route is offered only while the last read found no default route.
class TIpStaticRouteForm : public TCompanionListForm {
public:
    explicit TIpStaticRouteForm(const TDialogContext& context);

    void FormCreate() override;
    void AddButtonClick();
    void btnDefaultRouteClick();
    // After every read of the table.
    void ReadDone(const CvSNMPError& error);

    TIpStaticRouteEditForm* EditForm;
};

// A new IPv6 static route, addresses and mask as 32 hexadecimal digits.
class TIpv6StaticRouteEditForm : public TCompanionForm {
public:
    explicit TIpv6StaticRouteEditForm(TCompanionListForm& owner);

protected:
    void FormActivate() override;
    bool Validate() override;
    std::set<int> Unsent() const override;
};

// The switch's IPv6 static routes, blocking: Add and Add Default through
// the companion, Delete of the selected route.
class TIpv6StaticRouteForm : public TCompanionListForm {
public:
    explicit TIpv6StaticRouteForm(const TDialogContext& context);

    TIpv6StaticRouteEditForm* EditForm;
};
