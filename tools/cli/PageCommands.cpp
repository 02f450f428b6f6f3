#include "PageCommands.h"

#include "CliRequest.h"
#include "CvOptionList.h"

namespace {

std::string OptionsText(const CvOptionList* options) {
    std::string text;
    for (std::int32_t i = 0; options != nullptr && i < options->Count(); ++i) {
        if (i > 0) {
            text += ';';
        }
        text += options->ValueText(i) + "=" + options->Pair(i).Label;
    }
    return text;
}

// A text that holds tabs or line breaks (a multi-line DisplayString) would
// break the one line per row.
std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The shown items' labels or values, joined by tabs.
std::string ShownLine(const CvSNMPVarList& vars, bool labels) {
    std::string line;
    bool first = true;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        if (vars.IsShown(i)) {
            if (!first) {
                line += '\t';
            }
            line += Escaped(labels ? vars.Item(i).Label : vars.Item(i).Value);
            first = false;
        }
    }
    return line + "\n";
}

std::string SelectionText(const std::vector<std::int32_t>& selection) {
    std::string text;
    for (const std::int32_t i : selection) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(i);
    }
    return text;
}

}  // namespace

void PrintPages(std::ostream& out) {
    for (const CvMibPage* page : MibPagesInMenuOrder()) {
        const bool table = page->Kind == CvPageKind::Table;
        out << page->Name << '\t' << page->Title << '\t' << (table ? "table" : "scalar") << '\t'
            << int{page->ItemType} << '\t' << page->PKeyCount << '\t';
        if (page->HasStatusColumn()) {
            out << page->StatusColumn << ':' << page->AddStatus << ':' << page->DeleteStatus;
        } else {
            out << '-';
        }
        out << '\n';
    }
}

void PrintRecords(const CvMibPage& page, std::ostream& out) {
    std::int32_t position = 0;
    for (const CvSNMPVarDesc* r = page.Records; r->Oid != nullptr; ++r, ++position) {
        out << position << '\t' << r->Oid << '\t' << r->Label << '\t' << r->Access << '\t'
            << SyntaxName(r->Syntax) << '\t' << OptionsText(r->Options) << '\n';
    }
}

void RunPage(const PageCommand& command, std::int32_t timeout, std::int32_t retries, bool verbose,
             std::ostream& out) {
    const CvMibPage& page = *command.Page;
    CliRequest request;
    request.Timeout = timeout;
    request.Retries = retries;
    request.Vars.Assign(CvSNMPVarList(page.Records, page.ItemType, page.PKeyCount));
    request.Vars.Instance = command.Instance;
    if (command.Action != PageAction::Read) {
        // The row's index comes from its key values; one SET carries the rest.
        for (const auto& [position, value] : command.Keys) {
            request.Vars.Item(position).Value = value;
        }
        request.Echo = verbose ? &out : nullptr;
        request.WriteItems(SelectionText(command.Selection), &command.Values);
        return;
    }
    std::string text = ShownLine(request.Vars, true);
    if (!request.Vars.IsTable()) {
        request.ReadRow(true);
        text += ShownLine(request.Vars, false);
    } else {
        for (bool row = request.ReadRow(true); row; row = request.ReadRow(false)) {
            text += ShownLine(request.Vars, false);
        }
    }
    out << text;
}
