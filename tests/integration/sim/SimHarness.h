#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

// Starting vanta-sim and net-snmp's command-line tools for the tests. Every
// process started here is waited for with a deadline and killed by its id when
// it overstays.

struct ToolResult {
    int exitCode = -1;  // -1: killed at the deadline
    std::string out;
    std::string err;
};

// Runs a program found on PATH with `args`; at most `limit` long.
ToolResult RunTool(const std::vector<std::string>& args,
                   std::chrono::milliseconds limit = std::chrono::seconds(15));

class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> extraArgs = {});
    ~SimProcess();  // stops the simulator if it still runs; expects a clean exit
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The line it printed once it answered, "" if none came in time.
    const std::string& ListeningLine() const { return line_; }
    // "127.0.0.1:PORT" for the tools.
    const std::string& Address() const { return address_; }
    std::chrono::milliseconds StartUpTime() const { return startUp_; }
    // What it wrote on stderr so far.
    std::string Stderr() const;

    // Sends `signal` and waits; the exit status, or -1 when it had to be killed.
    int Stop(int signal = 15);
    bool Running() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;  // a file without a name, shown again when the test ends
    std::string line_;
    std::string address_;
    std::chrono::milliseconds startUp_{0};
};

// TMPDIR for the simulators a test starts, restored when the test ends.
class ScopedTmpdir {
public:
    explicit ScopedTmpdir(const std::string& folder);
    ~ScopedTmpdir();
    ScopedTmpdir(const ScopedTmpdir&) = delete;
    ScopedTmpdir& operator=(const ScopedTmpdir&) = delete;

private:
    bool had_ = false;
    std::string previous_;
};

// Arguments for the tools: numeric OIDs, one retry, a one-second time-out.
std::vector<std::string> V2c(const std::string& community, const std::string& address);
std::vector<std::string> V3(const std::string& user, const std::string& address);

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b);

// One snmpset of a series run on one simulator.
struct SetCase {
    const char* name;
    std::vector<std::string> varbinds;  // snmpset's OID TYPE VALUE triples
    std::string error;                  // "" when accepted
};

// Runs the cases in order with the write community: each is accepted or
// refused with its error, blamed on its first varbind.
void ExpectOutcomes(const SimProcess& sim, const std::vector<SetCase>& cases);

// "-Oqv -Ox" values of `oids` without quotes: octets in hex ("30 00 ...").
std::vector<std::string> ReadValues(const SimProcess& sim, const std::vector<std::string>& oids);

// The index arcs after `column` of a walk of it; none for an empty column.
std::vector<std::string> WalkedIndexes(const SimProcess& sim, const std::string& column);
