#include <gtest/gtest.h>

#include <QCoreApplication>

#include "EngineTestSupport.h"

namespace {

// Agents started for the tests stop when the tests end, whatever the outcome.
class AgentsEnvironment : public ::testing::Environment {
public:
    void TearDown() override { engine_test::ReleaseSharedAgents(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Completions of asynchronous exchanges run from this application's event loop.
    QCoreApplication app(argc, argv);
    ::testing::AddGlobalTestEnvironment(new AgentsEnvironment);
    return RUN_ALL_TESTS();
}
