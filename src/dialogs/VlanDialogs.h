#pragma once

#include "TTableDialog.h"

// The static VLAN table of the bridge: VLANs created, renamed, given their
// member, forbidden and untagged ports, and deleted.
class TVlanStaticForm : public TTableDialog {
public:
    explicit TVlanStaticForm(const TDialogContext& context);

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* StaticRequest;
    CvSNMPRequest2Edits* NextIndexRequest;
    TStackingPortUitForm* EgressGrid;
    TStackingPortUitForm* ForbiddenGrid;
    TStackingPortUitForm* UntaggedGrid;
};

// The VLANs the bridge runs now, with their egress and untagged ports: read only.
class TVLanCurrentTableForm : public TTableDialog {
public:
    explicit TVLanCurrentTableForm(const TDialogContext& context);

    // Valid until the dialog has closed.

    CvSNMPRequest2Edits* CurrentRequest;
    CvSNMPRequest2Edits* NumDeletesRequest;
    TStackingPortUitForm* EgressGrid;
    TStackingPortUitForm* UntaggedGrid;
};
