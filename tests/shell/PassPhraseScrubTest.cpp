// The pass phrases of a launch leave the process list once they are parsed.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "CvLaunchParameters.h"

namespace {

std::vector<std::string> Scrubbed(std::vector<std::string> args) {
    std::vector<char*> argv{const_cast<char*>("vanta-manager")};
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    ScrubPassPhrases(static_cast<int>(argv.size()), argv.data());
    return args;
}

TEST(PassPhraseScrubTest, OnlyTheValuesOfPassPhraseSwitchesAreOverwritten) {
    EXPECT_EQ(Scrubbed({"/I10.0.0.1", "/Rpublic", "/v3", "/Asecret", "/Ppriv", "/nuser"}),
              (std::vector<std::string>{"/I10.0.0.1", "/Rpublic", "/v3", "/A******", "/P****",
                                        "/nuser"}));
    // The argument stands for the switch the parser gives it: a security name
    // that contains "/A" is a name, an address containing "/P" an address.
    EXPECT_EQ(Scrubbed({"/nme/Asecret", "/I10/P1", "x/Pab/Acd", "/A"}),
              (std::vector<std::string>{"/nme/Asecret", "/I10/P1", "x/Pab/A**", "/A"}));
}

TEST(PassPhraseScrubTest, ProcessListShowsNoPassPhraseOfARunningModule) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("VANTA_REGISTRY", "/nonexistent/registry.ini", 1);
        if (chdir(::testing::TempDir().c_str()) != 0) {
            _exit(126);
        }
        execl(VANTA_MANAGER, VANTA_MANAGER, "/I127.0.0.1", "/v3", "/Aauth-phrase-1",
              "/Ppriv-phrase-2", "/t1", static_cast<char*>(nullptr));
        _exit(127);
    }
    const std::string cmdlinePath = "/proc/" + std::to_string(pid) + "/cmdline";
    std::string cmdline;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    do {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::ifstream file(cmdlinePath);
        cmdline.assign(std::istreambuf_iterator<char>(file), {});
    } while (cmdline.find("/A*") == std::string::npos &&
             std::chrono::steady_clock::now() < deadline);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    EXPECT_EQ(cmdline.find("auth-phrase-1"), std::string::npos) << cmdline;
    EXPECT_EQ(cmdline.find("priv-phrase-2"), std::string::npos) << cmdline;
    EXPECT_NE(cmdline.find("/A*************"), std::string::npos) << cmdline;
    EXPECT_NE(cmdline.find("/I127.0.0.1"), std::string::npos) << cmdline;
}

}  // namespace
