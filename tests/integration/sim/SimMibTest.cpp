// VANTA-SWITCH-MIB, the module of the switch's own objects: net-snmp's tools
// load it and name every object the simulator serves, and smilint finds
// nothing to mend in it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "SimHarness.h"

namespace {

const std::string kMibDir = VANTA_SIM_MIB_DIR;
const std::string kModule = "VANTA-SWITCH-MIB";

// The objects of the module that have values: no tables or rows.
std::set<std::string> LeafObjects() {
    std::ifstream in(kMibDir + "/" + kModule + ".txt");
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    static const std::regex kObject(R"((\w+) OBJECT-TYPE\s+SYNTAX\s+(\w+))");
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kObject);
         it != std::sregex_iterator(); ++it) {
        if ((*it)[2] != "SEQUENCE" && !(*it)[2].str().ends_with("Entry")) {
            names.insert((*it)[1]);
        }
    }
    return names;
}

TEST(SimMib, NamesEveryObjectTheSimulatorServes) {
    SimProcess sim;
    ASSERT_FALSE(sim.Address().empty()) << sim.Stderr();
    const ToolResult walk = RunTool({"snmpwalk", "-v2c", "-c", "vesper", "-r", "1", "-t", "2", "-M",
                                     kMibDir, "-m", kModule, sim.Address(), "1.3.6.1.4.1.99917"});
    ASSERT_EQ(walk.exitCode, 0) << walk.err;
    EXPECT_EQ(walk.err, "");  // the module loads without a complaint

    const std::set<std::string> leaves = LeafObjects();
    std::istringstream lines(walk.out);
    int values = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find(" = ");
        if (equals == std::string::npos) {
            continue;  // a long hexadecimal value goes on
        }
        ++values;
        const std::string prefix = kModule + "::";
        ASSERT_TRUE(line.starts_with(prefix)) << line;
        const std::string name = line.substr(prefix.size(), line.find('.') - prefix.size());
        EXPECT_TRUE(leaves.contains(name)) << line;
    }
    EXPECT_GT(values, 500);
    EXPECT_NE(walk.out.find(kModule + "::swL2DevAlarmNewRoot.0 = INTEGER: enabled(3)\n"),
              std::string::npos);
}

TEST(SimMib, PassesSmilint) {
    setenv("SMIPATH", kMibDir.c_str(), 1);
    const ToolResult lint = RunTool({"smilint", "-l", "4", kMibDir + "/" + kModule + ".txt"});
    unsetenv("SMIPATH");
    EXPECT_EQ(lint.exitCode, 0);
    EXPECT_EQ(lint.out + lint.err, "");
}

}  // namespace
