#include "SimHarness.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> Argv(std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    return argv;
}

pid_t Spawn(std::vector<std::string> args, int outFd, int errFd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    if (errFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, errFd, 2);
    }
    pid_t pid = -1;
    auto argv = Argv(args);
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

// Waits for `pid` until `deadline`; kills it after that. Exit status, or -1.
int Reap(pid_t pid, Clock::time_point deadline) {
    int status = 0;
    while (true) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (Clock::now() >= deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        usleep(5000);
    }
}

}  // namespace

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

ToolResult RunTool(const std::vector<std::string>& args, std::chrono::milliseconds limit) {
    ToolResult result;
    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe");
    }
    const pid_t pid = Spawn(args, out[1], err[1]);
    close(out[1]);
    close(err[1]);
    const auto deadline = Clock::now() + limit;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = pid > 0 ? 2 : 0;
    while (open > 0 && Clock::now() < deadline) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (poll(fds, 2, static_cast<int>(left.count()) + 1) <= 0) {
            continue;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd >= 0 && (fds[i].revents & (POLLIN | POLLHUP)) != 0) {
                char buffer[4096];
                const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
                if (n > 0) {
                    sinks[i]->append(buffer, static_cast<std::size_t>(n));
                } else {
                    fds[i].fd = -1;
                    --open;
                }
            }
        }
    }
    close(out[0]);
    close(err[0]);
    if (pid > 0) {
        result.exitCode = Reap(pid, deadline);
    }
    return result;
}

SimProcess::SimProcess(std::vector<std::string> extraArgs) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe");
    }
    char errPath[] = "/tmp/vanta-sim-stderr-XXXXXX";
    err_ = mkostemp(errPath, O_CLOEXEC);
    if (err_ < 0) {
        throw std::runtime_error("mkostemp");
    }
    unlink(errPath);
    const auto started = Clock::now();
    pid_ = Spawn(std::vector<std::string>{VANTA_SIM_BINARY, "--listen", "127.0.0.1:0"} + extraArgs,
                 out[1], err_);
    close(out[1]);
    out_ = out[0];
    // The listening line arrives once the agent answers.
    const auto deadline = started + std::chrono::seconds(10);
    while (pid_ > 0 && line_.find('\n') == std::string::npos && Clock::now() < deadline) {
        pollfd fd{out_, POLLIN, 0};
        if (poll(&fd, 1, 50) > 0) {
            char buffer[256];
            const ssize_t n = read(out_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            line_.append(buffer, static_cast<std::size_t>(n));
        }
    }
    startUp_ = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
    if (const auto end = line_.find('\n'); end != std::string::npos) {
        line_.resize(end);
    }
    const std::string prefix = "vanta-sim listening on udp:";
    if (line_.rfind(prefix, 0) == 0) {
        address_ = line_.substr(prefix.size());
    }
}

SimProcess::~SimProcess() {
    // Stopped as a user would, so that every test also checks a clean exit
    // (no leak report, state folder removed).
    if (pid_ > 0) {
        const int status = Stop(SIGTERM);
        EXPECT_EQ(status, 0) << "vanta-sim did not stop cleanly";
    }
    if (out_ >= 0) {
        close(out_);
    }
    if (err_ >= 0) {
        std::cerr << Stderr();
        close(err_);
    }
}

std::string SimProcess::Stderr() const {
    std::string text;
    char buffer[4096];
    for (off_t at = 0;;) {
        const ssize_t n = pread(err_, buffer, sizeof buffer, at);
        if (n <= 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
}

int SimProcess::Stop(int signal) {
    if (pid_ <= 0) {
        return -1;
    }
    kill(pid_, signal);
    const int status = Reap(pid_, Clock::now() + std::chrono::seconds(10));
    pid_ = -1;
    return status;
}

ScopedTmpdir::ScopedTmpdir(const std::string& folder) {
    if (const char* value = std::getenv("TMPDIR")) {
        had_ = true;
        previous_ = value;
    }
    setenv("TMPDIR", folder.c_str(), 1);
}

ScopedTmpdir::~ScopedTmpdir() {
    if (had_) {
        setenv("TMPDIR", previous_.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
}

std::vector<std::string> V2c(const std::string& community, const std::string& address) {
    return {"-v2c", "-c", community, "-On", "-t", "1", "-r", "1", address};
}

std::vector<std::string> V3(const std::string& user, const std::string& address) {
    std::vector<std::string> args = {"-v3", "-u", user, "-On", "-t", "1", "-r", "1"};
    if (user == "vanta-noauth") {
        args = args + std::vector<std::string>{"-l", "noAuthNoPriv"};
    } else if (user == "vanta-md5-des") {
        args = args + std::vector<std::string>{"-l", "authPriv",        "-a", "MD5",
                                               "-A", "md5-auth-secret", "-x", "DES",
                                               "-X", "des-priv-secret"};
    } else if (user == "vanta-sha-aes") {
        args = args + std::vector<std::string>{"-l", "authPriv",        "-a", "SHA",
                                               "-A", "sha-auth-secret", "-x", "AES",
                                               "-X", "aes-priv-secret"};
    } else if (user == "vanta-sha256-aes") {
        args = args + std::vector<std::string>{"-l", "authPriv",           "-a", "SHA-256",
                                               "-A", "sha256-auth-secret", "-x", "AES",
                                               "-X", "aes128-priv-secret"};
    }
    args.push_back(address);
    return args;
}

void ExpectOutcomes(const SimProcess& sim, const std::vector<SetCase>& cases) {
    for (const SetCase& c : cases) {
        const ToolResult set = RunTool(std::vector<std::string>{"snmpset"} +
                                       V2c("lantern", sim.Address()) + c.varbinds);
        if (c.error.empty()) {
            EXPECT_EQ(set.exitCode, 0) << c.name << ": " << set.err;
        } else {
            EXPECT_NE(set.err.find("Reason: " + c.error), std::string::npos)
                << c.name << ": " << set.err;
            EXPECT_NE(set.err.find("Failed object: ." + c.varbinds.front()), std::string::npos)
                << c.name << ": " << set.err;
        }
    }
}

std::vector<std::string> ReadValues(const SimProcess& sim, const std::vector<std::string>& oids) {
    const ToolResult get = RunTool(std::vector<std::string>{"snmpget", "-Oqv", "-Ox"} +
                                   V2c("vesper", sim.Address()) + oids);
    std::vector<std::string> values;
    std::istringstream lines(get.out);
    for (std::string line; std::getline(lines, line);) {
        std::erase(line, '"');
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        values.push_back(line);
    }
    return values;
}

std::vector<std::string> WalkedIndexes(const SimProcess& sim, const std::string& column) {
    const ToolResult walk = RunTool(std::vector<std::string>{"snmpwalk", "-Oq"} +
                                    V2c("vesper", sim.Address()) + std::vector{column});
    std::vector<std::string> indexes;
    std::istringstream lines(walk.out);
    for (std::string line; std::getline(lines, line);) {
        // An empty column answers with the one instance snmpwalk then asks for.
        if (line.starts_with("." + column + ".")) {
            indexes.push_back(line.substr(column.size() + 2, line.find(' ') - column.size() - 2));
        }
    }
    return indexes;
}
