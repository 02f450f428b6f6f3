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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::AddGlobalTestEnvironment(new SimulatorEnvironment);
    return RUN_ALL_TESTS();
}
