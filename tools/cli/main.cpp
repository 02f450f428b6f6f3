// vanta-cli: the request engine from the command line, for scripts and tests.
#include <QCoreApplication>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>

#include "CliOptions.h"
#include "CliRequest.h"
#include "CliStateFolder.h"
#include "CvCatalogues.h"
#include "CvSNMPSession.h"
#include "PageCommands.h"

namespace {

// The descriptor table and option lists the variables describe.
struct CliTable {
    std::vector<std::unique_ptr<CvOptionList>> OptionLists;
    std::vector<CvSNMPVarDesc> Records;
};

CliTable BuildTable(const CliCommand& command) {
    CliTable table;
    for (const CliVariable& var : command.Variables) {
        const CvOptionList* options = nullptr;
        if (!var.Options.empty()) {
            std::vector<CvIntOptionPair> pairs;
            for (const auto& [value, label] : var.Options) {
                pairs.push_back({value, label.c_str()});
            }
            pairs.push_back({0, nullptr});
            table.OptionLists.push_back(std::make_unique<CvOptionList>(pairs.data()));
            options = table.OptionLists.back().get();
        }
        table.Records.push_back(
            {var.Oid.c_str(), var.Oid.c_str(), var.Syntax, var.Access, options});
    }
    table.Records.push_back({});
    return table;
}

void PrintRow(const CvSNMPVarList& vars) {
    std::string line;
    bool first = true;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        if (!vars.IsShown(i)) {
            continue;
        }
        if (!first) {
            line += '\t';
        }
        line += vars.Item(i).Value;
        first = false;
    }
    line += '\n';
    std::cout << line;
}

// The boots counter lives in a folder of the user's own: a shared one would
// lock other users out and let them plant links.
void OpenSession(const CliCommand& command) {
    const char* home = std::getenv("HOME");
    if (home == nullptr) {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    const std::string folder =
        CliStateFolder(std::getenv("VANTA_STATE_DIR"), std::getenv("XDG_STATE_HOME"), home);
    std::string error;
    if (!MakePrivateFolder(folder, error)) {
        throw CliFailure(CodeMessage(kErrSaveBoots), kErrSaveBoots, {error});
    }
    CreateGlobalSession(folder);
    GlobalDevice() = command.Device;
    GlobalScope() = command.Scope;
    GlobalSecurity() = command.Security;
    DefaultBulkRepetitions = command.Bulk;
}

void Run(const CliCommand& command) {
    const CliTable table = BuildTable(command);
    CliRequest request;
    request.Timeout = command.Timeout;
    request.Retries = command.Retries;
    request.StrictValues = true;
    request.Vars.Assign(CvSNMPVarList(table.Records.data(), command.ItemType, command.KeyCount));
    request.Vars.Instance = command.Instance;

    if (command.Write) {
        for (std::size_t i = 0; i < command.Variables.size(); ++i) {
            request.Vars.Item(static_cast<std::int32_t>(i)).Value = command.Variables[i].Value;
        }
        request.Echo = command.Verbose ? &std::cout : nullptr;
        request.WriteItems();
        return;
    }
    if (!request.Vars.IsTable()) {
        request.ReadRow(true);
        PrintRow(request.Vars);
        return;
    }
    for (bool row = request.ReadRow(true); row; row = request.ReadRow(false)) {
        PrintRow(request.Vars);
    }
    // An SNMPv1 agent answers a get of an empty table's column as it answers
    // one of a column it does not know.
    if (command.Security.Version != 0) {
        request.CheckUnfilledColumnsExist();
    }
}

int UsageError(const std::string& error, bool hint) {
    std::cerr << "vanta-cli: " << error << (hint ? " (see vanta-cli --help)" : "") << "\n";
    return 2;
}

// The commands that need no agent: help, pages, describe. -1 for any other.
int RunOffline(const std::vector<std::string>& args) {
    if (args.empty()) {
        return UsageError("missing AGENT and command", true);
    }
    if (HelpAsked(args)) {
        std::cout << kCliUsage << kPageUsage;
        return 0;
    }
    if (args[0] == "pages" && args.size() == 1) {
        PrintPages(std::cout);
        return 0;
    }
    if (args[0] == "describe" && args.size() == 2) {
        std::string error;
        const CvMibPage* page = FindPageOrError(args[1], error);
        if (page == nullptr) {
            return UsageError(error, false);
        }
        PrintRecords(*page, std::cout);
        return 0;
    }
    if (args[0] == "pages" || args[0] == "describe") {
        return UsageError("usage: vanta-cli pages | vanta-cli describe NAME", false);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const int status = RunOffline(args); status >= 0) {
        return status;
    }
    QCoreApplication app(argc, argv);
    CliCommand command;
    PageCommand page;
    std::string error;
    std::vector<std::string> rest;
    const bool isPage =
        ParseConnection(args, command, rest, error) && !rest.empty() && rest[0] == "page";
    if (isPage && !ParsePageCommand(rest, page, error)) {
        return UsageError(error, false);
    }
    if (!isPage) {
        command = CliCommand();
        if (!ParseCommandLine(args, command, error)) {
            return UsageError(error, true);
        }
        if (!CheckValues(command, error)) {
            return UsageError(error, false);
        }
    }
    if (isPage && !page.HasInstance) {
        page.Instance = command.Instance;
    }
    int status = 0;
    try {
        OpenSession(command);
        if (isPage) {
            RunPage(page, command.Timeout, command.Retries, command.Verbose, std::cout);
        } else {
            Run(command);
        }
    } catch (const CvException& e) {
        std::cerr << e.Message() << " (" << e.Code() << ")\n";
        if (const auto* failure = dynamic_cast<const CliFailure*>(&e)) {
            for (const std::string& line : failure->Details) {
                std::cerr << line << '\n';
            }
        }
        status = 1;
    }
    std::cout.flush();
    DestroyGlobalSession();
    return status;
}
