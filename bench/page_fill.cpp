// page_fill: opens the generic window's table page on the benchmark table,
// or on a table page of the catalogue, (offscreen) and ends when its first
// walk has filled the list.
//
//   page_fill [-v 1|2c] [--bulk N] [--page NAME] HOST:PORT COMMUNITY [DUMP_FILE]
//
// -v: the SNMP version (default 1). --bulk: the rows a walk reads ahead with
// get-bulk, as the module's BulkRepetitions setting (default 0, get-next).
// --page: the catalogue page of that menu name, opened as the menu opens it.
// Prints the lines, the time from the modal show to the end of the walk and
// the process's peak resident set. With DUMP_FILE the list is written there
// as TAB-separated lines (without the header line) for comparison.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ConfigPage.h"
#include "CvCataloguePages.h"
#include "CvException.h"
#include "CvMibCatalogue.h"
#include "CvModal.h"
#include "CvOptionList.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"
#include "ListView.h"
#include "TConfigForm.h"
#include "TListViewPanel.h"
#include "TSNMPListViewPanel.h"

namespace {

using Clock = std::chrono::steady_clock;

const CvIntOptionPair kStatePairs[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const CvOptionList kStates(kStatePairs);

const char kUsage[] =
    "usage: page_fill [-v 1|2c] [--bulk N] [--page NAME] HOST:PORT COMMUNITY [DUMP_FILE]\n";

struct Options {
    std::uint8_t Version = 0;  // SNMP++'s numbers: 0 v1, 1 v2c
    std::int32_t Bulk = 0;
    const char* Page = nullptr;
    std::string Host;
    std::uint16_t Port = 0;
    std::string Community;
    const char* DumpFile = nullptr;
};

const CvSNMPVarDesc kBenchTable[] = {
    {"1.3.6.1.4.1.99999.1.1.1", "Index", CvSyntax::integer, CvAccess::notaccess},
    {"1.3.6.1.4.1.99999.1.1.2", "Name", CvSyntax::displaystr, CvAccess::readonly},
    {"1.3.6.1.4.1.99999.1.1.3", "Count", CvSyntax::counter, CvAccess::readonly},
    {"1.3.6.1.4.1.99999.1.1.4", "State", CvSyntax::integer, CvAccess::readonly, &kStates},
    {"1.3.6.1.4.1.99999.1.1.5", "Address", CvSyntax::ipaddress, CvAccess::readonly},
    {}};

bool ParseAgent(const std::string& text, std::string& host, std::uint16_t& port) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    const long number = std::strtol(text.c_str() + colon + 1, nullptr, 10);
    if (number < 1 || number > 65535) {
        return false;
    }
    host = text.substr(0, colon);
    port = static_cast<std::uint16_t>(number);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    int i = 1;
    for (; i + 1 < argc && argv[i][0] == '-'; i += 2) {
        const std::string flag = argv[i];
        const std::string value = argv[i + 1];
        if (flag == "-v" && (value == "1" || value == "2c")) {
            options.Version = value == "1" ? 0 : 1;
        } else if (flag == "--bulk") {
            char* end = nullptr;
            const long rows = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || rows < 0 || rows > 1000) {
                return false;
            }
            options.Bulk = static_cast<std::int32_t>(rows);
        } else if (flag == "--page") {
            options.Page = argv[i + 1];
        } else {
            return false;
        }
    }
    const int positional = argc - i;
    if (positional < 2 || positional > 3 || !ParseAgent(argv[i], options.Host, options.Port)) {
        return false;
    }
    options.Community = argv[i + 1];
    options.DumpFile = positional == 3 ? argv[i + 2] : nullptr;
    return true;
}

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Only table pages: their list is what is timed and dumped.
bool PageOf(const Options& options, TConfigPageParams& params) {
    if (options.Page == nullptr) {
        params = {.Title = "Bench Table",
                  .Table = kBenchTable,
                  .ItemType = MVT_FMV,
                  .KeyCount = 1,
                  .Adjust = {.Height = 450}};
        return true;
    }
    const CvMibPage* page = FindMibPage(options.Page);
    if (page == nullptr || page->Kind != CvPageKind::Table) {
        std::fprintf(stderr, "page_fill: no table page %s in the catalogue\n", options.Page);
        return false;
    }
    params = PageParams(*page);
    return true;
}

int Run(const Options& options) {
    QTemporaryDir state;
    if (!state.isValid()) {
        std::fprintf(stderr, "page_fill: no temporary folder\n");
        return 1;
    }
    TConfigPageParams params;
    if (!PageOf(options, params)) {
        return 2;
    }
    CreateGlobalSession(state.path().toStdString());
    GlobalDevice().Address = options.Host;
    GlobalDevice().Port = options.Port;
    GlobalSecurity().Version = options.Version;
    GlobalSecurity().ReadCommunity = options.Community;
    // Requests copy it when built, as after the module's start-up.
    DefaultBulkRepetitions = options.Bulk;

    TMainWindowValues main{nullptr, 1.0f, QString::fromStdString(options.Host), {}};
    const auto form = BuildConfigPage(params, main);
    CvSNMPRequest2Edits& binding = *form->Bindings.front();
    int code = 0;
    std::string message;
    Clock::time_point end;
    binding.OnReadDone = [&](CvSNMPRequest2Controls&, const CvSNMPError& error) {
        end = Clock::now();
        code = error.Code;
        message = error.Message;
        QTimer::singleShot(0, form.get(), [&] { form->close(); });
    };
    const Clock::time_point start = Clock::now();
    CvModal::Exec(*form);
    const double seconds = std::chrono::duration<double>(end - start).count();

    auto* page = static_cast<TSNMPListViewPanel*>(form->Page());
    const int lines = page->ListPanel->ListView->LineCount();
    if (options.DumpFile != nullptr) {
        QString text = page->ListPanel->ClipboardText();
        text = text.mid(text.indexOf('\n') + 1);  // without the header line
        QFile dump(QString::fromLocal8Bit(options.DumpFile));
        if (!dump.open(QIODevice::WriteOnly) || dump.write(text.toUtf8()) < 0) {
            std::fprintf(stderr, "page_fill: cannot write %s\n", options.DumpFile);
            return 1;
        }
    }
    std::printf("lines=%d fill_s=%.3f peak_rss_kb=%ld\n", lines, seconds, PeakRssKb());
    if (code != 0) {
        std::fprintf(stderr, "page_fill: %s (%d)\n", message.c_str(), code);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    int status = 1;
    try {
        status = Run(options);
    } catch (const CvException& e) {
        std::fprintf(stderr, "page_fill: %s (%d)\n", e.Message().c_str(), e.Code());
    }
    DestroyGlobalSession();
    return status;
}
