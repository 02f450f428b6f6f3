#include <gtest/gtest.h>

#include <QApplication>

#include "GuiTestSupport.h"

namespace {

class SimulatorEnvironment : public ::testing::Environment {
public:
    void TearDown() override { gui_test::ReleaseSharedSim(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Offscreen unless a platform is named (a real X server, to see a screen's dots per inch).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::AddGlobalTestEnvironment(new SimulatorEnvironment);
    return RUN_ALL_TESTS();
}
