// page_fill: opens the generic window's table page on the benchmark table
// (offscreen) and ends when its first walk has filled the list.
//
//   page_fill HOST:PORT COMMUNITY [DUMP_FILE]
//
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
#include "CvException.h"
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

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int Run(const std::string& host, std::uint16_t port, const std::string& community,
        const char* dumpFile) {
    QTemporaryDir state;
    if (!state.isValid()) {
        std::fprintf(stderr, "page_fill: no temporary folder\n");
        return 1;
    }
    CreateGlobalSession(state.path().toStdString());
    GlobalDevice().Address = host;
    GlobalDevice().Port = port;
    GlobalSecurity().Version = 0;
    GlobalSecurity().ReadCommunity = community;

    TMainWindowValues main{nullptr, 1.0f, QString::fromStdString(host), {}};
    const TConfigPageParams params{.Title = "Bench Table",
                                   .Table = kBenchTable,
                                   .ItemType = MVT_FMV,
                                   .KeyCount = 1,
                                   .Adjust = {.Height = 450}};
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
    if (dumpFile != nullptr) {
        QString text = page->ListPanel->ClipboardText();
        text = text.mid(text.indexOf('\n') + 1);  // without the header line
        QFile dump(QString::fromLocal8Bit(dumpFile));
        if (!dump.open(QIODevice::WriteOnly) || dump.write(text.toUtf8()) < 0) {
            std::fprintf(stderr, "page_fill: cannot write %s\n", dumpFile);
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
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: page_fill HOST:PORT COMMUNITY [DUMP_FILE]\n");
        return 2;
    }
    std::string host;
    std::uint16_t port = 0;
    if (!ParseAgent(argv[1], host, port)) {
        std::fprintf(stderr, "page_fill: bad agent\n");
        return 2;
    }
    int status = 1;
    try {
        status = Run(host, port, argv[2], argc == 4 ? argv[3] : nullptr);
    } catch (const CvException& e) {
        std::fprintf(stderr, "page_fill: %s (%d)\n", e.Message().c_str(), e.Code());
    }
    DestroyGlobalSession();
    return status;
}
