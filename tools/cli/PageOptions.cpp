#include "PageOptions.h"

#include <map>

#include "CvOptionList.h"
#include "CvSNMPVarList.h"
#include "CvTextUtil.h"
#include "CvValueCheck.h"

const char kPageUsage[] =
    "the pages of the menu:\n"
    "       vanta-cli pages\n"
    "       vanta-cli describe NAME\n"
    "       vanta-cli [OPTIONS] AGENT page NAME [-s INSTANCE]\n"
    "       vanta-cli [OPTIONS] AGENT page NAME [-s INSTANCE] set|edit|add|delete LABEL=VALUE...\n"
    "  pages     every page of the menu: NAME TITLE scalar|table ITEMTYPE PKEYCOUNT STATUS\n"
    "  describe  the records of page NAME: POSITION OID LABEL FLAGS SYNTAX OPTIONS\n"
    "  page      reads the page: its labels, then one line per row; a tab, line break or\n"
    "            backslash inside a text is written \\t, \\n, \\r or \\\\\n"
    "    set     writes the given columns of a scalar page\n"
    "    edit    writes the given columns of the table row named by its index columns\n"
    "    add     creates a row: index columns, the given columns and the add status\n"
    "    delete  removes the row named by its index columns with the delete status\n"
    "  VALUE     an option label or its number\n";

namespace {

const std::map<std::string, PageAction> kActions = {{"set", PageAction::Set},
                                                    {"edit", PageAction::Edit},
                                                    {"add", PageAction::Add},
                                                    {"delete", PageAction::Delete}};

bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

// The record a label names: exactly, or else with its surrounding blanks
// ignored ("State" for "State  "). -1 when none, -2 when several.
std::int32_t FindLabel(const CvSNMPVarList& vars, const std::string& label) {
    for (const bool trimmed : {false, true}) {
        std::int32_t found = -1;
        for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
            const std::string& own = vars.Item(i).Label;
            if (trimmed ? Trim(own) == Trim(label) : own == label) {
                if (found >= 0) {
                    return -2;
                }
                found = i;
            }
        }
        if (found >= 0) {
            return found;
        }
    }
    return -1;
}

bool IsNumberSyntax(std::uint32_t syntax) {
    using namespace CvSyntax;
    return syntax == integer || syntax == counter || syntax == guage || syntax == uinteger ||
           syntax == counter64;
}

// A value takes an option label or what the column's syntax converts: the
// check every conversion runs, so nothing goes out as another value.
bool CheckValue(const CvSNMPVar& item, const std::string& value, std::string& error) {
    if (item.Options != nullptr && item.Options->IndexOfLabel(value) >= 0) {
        return true;
    }
    const CvValueRefusal refusal = RefuseValueText(item.Syntax, value);
    if (!refusal) {
        return true;
    }
    if (IsNumberSyntax(item.Syntax)) {
        return Fail(error, value + (item.Options ? " is neither an option nor " : " is not ") +
                               "a number for " + item.Label);
    }
    return Fail(error, "bad value " + value + " for " + item.Label + ": " +
                           ReplaceAll(refusal.Message, "\n", " "));
}

// The status label a value stands for (by label or by number), else "".
std::string StatusLabel(const CvSNMPVar& item, const std::string& value) {
    std::int32_t i = item.Options->IndexOfLabel(value);
    i = i >= 0 ? i : item.Options->IndexOfValue(value);
    return i >= 0 ? item.Options->Pair(i).Label : "";
}

// What keeps `value` from being written to column i by this action; "" when nothing.
std::string AssignmentProblem(const CvSNMPVarList& vars, const PageCommand& c, std::int32_t i,
                              const std::string& value) {
    const CvMibPage& page = *c.Page;
    const CvSNMPVar& item = vars.Item(i);
    const bool key = i < page.PKeyCount;  // scalar pages have none
    if (!key && c.Action == PageAction::Delete) {
        return "delete takes the index columns only, not " + item.Label;
    }
    if (!key && !vars.IsWritable(i)) {
        return item.Label + " of " + page.Name + " is read-only";
    }
    if (i == page.StatusColumn && c.Action == PageAction::Add) {
        return item.Label + " is written by add itself";
    }
    if (i == page.StatusColumn && c.Action == PageAction::Edit) {
        // As in the window's edit dialog, which offers neither status.
        const std::string status = StatusLabel(item, value);
        if (status == page.AddStatus || status == page.DeleteStatus) {
            return "edit does not set " + item.Label + " to " + status + ": use add or delete";
        }
    }
    std::string error;
    return CheckValue(item, value, error) ? "" : error;
}

bool Resolve(const CvSNMPVarList& vars, const std::vector<std::string>& assignments, PageCommand& c,
             std::string& error) {
    const CvMibPage& page = *c.Page;
    const bool table = page.Kind == CvPageKind::Table;
    if (c.Action == PageAction::Set && table) {
        return Fail(error, std::string(page.Name) + " is a table page: use edit, add or delete");
    }
    if (c.Action != PageAction::Set && !table) {
        return Fail(error, std::string(page.Name) + " is a scalar page: use set");
    }
    if ((c.Action == PageAction::Add || c.Action == PageAction::Delete) &&
        !page.HasStatusColumn()) {
        return Fail(error, std::string(page.Name) + " has no status column to add or delete rows");
    }
    std::vector<bool> seen(static_cast<std::size_t>(vars.GetCount()));
    for (const std::string& assignment : assignments) {
        const std::size_t eq = assignment.find('=');
        if (eq == std::string::npos) {
            return Fail(error, "expected LABEL=VALUE, got " + assignment);
        }
        const std::string label = assignment.substr(0, eq);
        const std::string value = assignment.substr(eq + 1);
        const std::int32_t i = FindLabel(vars, label);
        if (i < 0) {
            return Fail(error, std::string(page.Name) +
                                   (i == -1 ? " has no column " : " has several columns ") + label);
        }
        if (seen[static_cast<std::size_t>(i)]) {
            return Fail(error, vars.Item(i).Label + " is given twice");
        }
        if (const std::string problem = AssignmentProblem(vars, c, i, value); !problem.empty()) {
            return Fail(error, problem);
        }
        seen[static_cast<std::size_t>(i)] = true;
        if (i < page.PKeyCount) {
            c.Keys.emplace_back(i, value);
        } else {
            c.Selection.push_back(i);
            c.Values.push_back(value);
        }
    }
    for (std::int32_t k = 0; k < page.PKeyCount; ++k) {
        if (!seen[static_cast<std::size_t>(k)]) {
            return Fail(error,
                        std::string(page.Name) + " needs the index column " + vars.Item(k).Label);
        }
    }
    if (c.Action == PageAction::Add || c.Action == PageAction::Delete) {
        c.Selection.push_back(page.StatusColumn);
        c.Values.push_back(c.Action == PageAction::Add ? page.AddStatus : page.DeleteStatus);
    }
    if (c.Selection.empty()) {
        // An empty selection would write every writable column.
        return Fail(error, "nothing to write: give LABEL=VALUE for a writable column");
    }
    return true;
}

}  // namespace

const CvMibPage* FindPageOrError(const std::string& name, std::string& error) {
    const CvMibPage* page = FindMibPage(name);
    if (page == nullptr) {
        error = "unknown page " + name;
    }
    return page;
}

bool ParsePageCommand(const std::vector<std::string>& words, PageCommand& c, std::string& error) {
    if (words.size() < 2 || words[0] != "page") {
        return Fail(error, "expected page NAME");
    }
    c.Page = FindPageOrError(words[1], error);
    if (c.Page == nullptr) {
        return false;
    }
    std::size_t next = 2;
    if (next < words.size() && words[next] == "-s") {
        if (next + 1 >= words.size()) {
            return Fail(error, "-s needs an INSTANCE");
        }
        c.HasInstance = true;
        c.Instance = words[next + 1];
        next += 2;
    }
    if (next == words.size()) {
        c.Action = PageAction::Read;
        return true;
    }
    const auto action = kActions.find(words[next]);
    if (action == kActions.end()) {
        return Fail(error, "unknown page action " + words[next]);
    }
    c.Action = action->second;
    const CvSNMPVarList vars(c.Page->Records, c.Page->ItemType, c.Page->PKeyCount);
    return Resolve(vars,
                   std::vector<std::string>(words.begin() + static_cast<std::ptrdiff_t>(next) + 1,
                                            words.end()),
                   c, error);
}
