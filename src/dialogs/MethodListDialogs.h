#pragma once

#include <array>
#include <set>

#include "AuthenticationDialogs.h"
#include "ColumnChoice.h"

// What sets the login and the enable method lists apart.
struct TMethodListDecl {
    const TTableDialogDecl& Window;  // its key field is the list name edit
    std::array<const char*, 4> TypeCombos;
    std::array<const char*, 4> GroupEdits;
    const char* NameMissing;
    const char* Duplicate;
    TColumnChoice Choice;  // the type and group columns each method sends
};

// Ordered lists of up to four authentication methods, each a protocol, a
// named server group, the local accounts or none. Methods after the first
// local or none are never tried; the user is asked before such a list is
// written. A group name belongs to "server-group" methods only. The list
// "default" cannot be deleted.
class TMethodListForm : public TAuthTableForm {
public:
    // Combo entries of the method types.
    enum { kServerGroupEntry = 4, kLocalEntry = 5, kNoneEntry = 6 };

    TMethodListForm(const TDialogContext& context, const TMethodListDecl& methods);

    void SetBtnClick() override;  // Edit
    void AddBtnClick() override;
    void DeleteBtnClick() override;
    // The user chose a type for method k (0 to 3).
    void TypeChange(int k);

protected:
    void Reset() override;
    void RowChosen() override;

private:
    // Group edit k on for "server-group" only; emptied unless `keepGroup`
    // and it is a "server-group" method.
    void TypeRule(int k, bool keepGroup);
    // The combo entry of method k; -1 when unset (no type or "other").
    int Position(int k) const;
    // False when the user wants to change methods that would never be
    // tried; else those methods join `excluded`.
    bool MethodsConfirmed(std::set<int>& excluded);

    const TMethodListDecl& Methods;
};

class TLoginMethodListForm : public TMethodListForm {
public:
    explicit TLoginMethodListForm(const TDialogContext& context);
};

class TEnableMethodForm : public TMethodListForm {
public:
    explicit TEnableMethodForm(const TDialogContext& context);
};
