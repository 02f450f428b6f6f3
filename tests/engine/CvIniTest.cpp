#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

#include "CvIni.h"

class CvIniTest : public testing::Test {
protected:
    void SetUp() override {
        // ctest runs each case as its own process, side by side: one file per process.
        Path = testing::TempDir() + "vanta_ini_test_" + std::to_string(getpid()) + ".cfg";
        std::ofstream(Path) << "; host settings\n"
                               "[Other]\n"
                               "AgentPort=9\n"
                               "[ Program Information ]\n"
                               "  agentport =  16161  \n"
                               "Version=\n"
                               "SecurityName=ops user\n"
                               "Long="
                            << std::string(5000, 'a') << "\n";
    }
    void TearDown() override { std::remove(Path.c_str()); }
    std::string Path;
};

TEST_F(CvIniTest, NamesIgnoreCaseAndValuesAreTrimmed) {
    const CvIni ini(Path);
    EXPECT_EQ(ini.ReadString("program information", "AgentPort", "161"), "16161");
    EXPECT_EQ(ini.ReadString("Program Information", "SecurityName", ""), "ops user");
}

TEST_F(CvIniTest, MissingOrEmptyGivesTheDefault) {
    const CvIni ini(Path);
    EXPECT_EQ(ini.ReadString("Program Information", "Version", "0"), "0");
    EXPECT_EQ(ini.ReadString("Program Information", "Nothing", "d"), "d");
    EXPECT_EQ(ini.ReadString("Nowhere", "AgentPort", "d"), "d");
    EXPECT_EQ(CvIni("/nonexistent/file.cfg").ReadString("Program Information", "x", "d"), "d");
}

TEST_F(CvIniTest, ValuesAreCutAt4095Characters) {
    EXPECT_EQ(CvIni(Path).ReadString("Program Information", "Long", "").size(), 4095u);
}
