// vanta-sim: a simulated Vanta-A switch served over SNMP.

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "BehaviourRules.h"
#include "EngineState.h"
#include "LearnedAddresses.h"
#include "MibModel.h"
#include "SavedChanges.h"
#include "SimAgent.h"
#include "SimOptions.h"
#include "SnmprecLoader.h"
#include "StateFolder.h"
#include "VantaDevice.h"

namespace fs = std::filesystem;

namespace {

int wakeWrite = -1;

void OnStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = write(wakeWrite, &byte, 1);
    errno = saved;
}

// The recording (PATH, or vanta-a.snmprec inside a folder) and its behaviour
// file: the same name ending in .rules, or the Vanta-A's own when the
// recording comes without one. Each may have area files beside it.
std::pair<fs::path, fs::path> DataFiles(const std::string& data) {
    const fs::path shipped(VANTA_SIM_DATA_DIR);
    fs::path recording = data.empty() ? shipped : fs::path(data);
    if (fs::is_directory(recording)) {
        recording /= "vanta-a.snmprec";
    }
    fs::path rules = recording;
    rules.replace_extension(".rules");
    if (!fs::exists(rules)) {
        rules = shipped / "vanta-a.rules";
    }
    return {recording, rules};
}

fs::path TemporaryRoot() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? fs::path(tmp) : fs::path("/tmp");
}

int Fail(const std::string& message) {
    std::cerr << "vanta-sim: " << message << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options =
        vsim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "vanta-sim: " << error << '\n' << vsim::kSimUsage;
        return 2;
    }
    if (options->help) {
        std::cout << vsim::kSimUsage;
        return 0;
    }

    const auto [recording, rulesFile] = DataFiles(options->data);
    vsim::BehaviourRules rules;
    std::vector<std::string> problems;
    const auto report = [&](std::vector<std::string> found) {
        problems.insert(problems.end(), found.begin(), found.end());
    };
    for (const fs::path& file : vsim::WithAreaFiles(rulesFile)) {
        report(rules.Load(file.string()));
    }
    report(rules.Check());
    const vsim::RowChecks checks = vsim::VantaDevice::Checks();
    for (const auto& [entry, table] : rules.Tables()) {
        if (!table.check.empty() && checks.count(table.check) == 0) {
            problems.push_back(rulesFile.string() + ": unknown check '" + table.check + "'");
        }
    }
    if (options->fdb && !vsim::ServesForwardingDatabases(rules.Served())) {
        problems.push_back(rulesFile.string() +
                           ": --fdb needs the forwarding databases served (serve 1.3.6.1.2.1.17)");
    }
    vsim::MibModel model;
    for (const fs::path& file : vsim::WithAreaFiles(recording)) {
        report(vsim::LoadSnmprec(file.string(), rules.Served(), model));
    }
    // A kept state folder holds what sets changed before: the switch's saved
    // configuration.
    std::optional<vsim::SavedChanges> saved;
    if (!options->state.empty()) {
        saved.emplace(fs::path(options->state) / "saved-changes");
        report(saved->Load());
        saved->ApplyTo(model);
    }
    if (!problems.empty()) {
        for (const auto& problem : problems) {
            std::cerr << "vanta-sim: " << problem << '\n';
        }
        return 1;
    }

    int wake[2];
    if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        return Fail("cannot create a pipe");
    }
    wakeWrite = wake[1];
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);

    fs::path stateDir;
    bool ownsStateDir = false;
    try {
        if (options->state.empty()) {
            vsim::RemoveStaleStateFolders(TemporaryRoot());
            stateDir = vsim::MakeTemporaryStateFolder(TemporaryRoot());
            ownsStateDir = true;
        } else {
            stateDir = options->state;
            fs::create_directories(stateDir);
        }
    } catch (const std::exception& e) {
        return Fail(e.what());
    }

    int status = 0;
    const auto engine = vsim::StartEngine(stateDir, options->engineId, error);
    if (!engine) {
        status = Fail(error);
    } else {
        vsim::VantaDevice device(model, rules, options->seed);
        if (options->fdb) {
            device.SetLearnedAddresses(*options->fdb);
        }
        device.Start(vsim::VantaDevice::Clock::now());
        vsim::SimAgent agent(model, rules, device);
        if (saved) {
            agent.OnCommit([&](const std::vector<vsim::SetTransaction::Write>& writes) {
                if (!saved->Record(writes, model, rules)) {
                    std::cerr << "vanta-sim: cannot save the changes in " << options->state << '\n';
                }
            });
        }
        try {
            vsim::AgentSettings settings;
            settings.transport = options->Transport();
            settings.stateDir = stateDir;
            settings.engineId = engine->id;
            settings.engineBoots = engine->boots;
            settings.lossPercent = options->lossPercent;
            settings.delayMs = options->delayMs;
            settings.seed = options->seed;
            settings.setLog = options->setLog;
            settings.pduLog = options->pduLog;
            const std::string address = agent.Start(settings);
            std::cout << "vanta-sim listening on " << address << std::endl;
            agent.Run(wake[0]);
        } catch (const vsim::AddressInUse& e) {
            // Like a usage error: nothing was served, another port may do.
            Fail(e.what());
            status = 2;
        } catch (const std::exception& e) {
            status = Fail(e.what());
        }
        agent.Shutdown();
    }
    close(wake[0]);
    close(wake[1]);
    if (ownsStateDir) {
        std::error_code ignored;
        fs::remove_all(stateDir, ignored);
    }
    return status;
}
