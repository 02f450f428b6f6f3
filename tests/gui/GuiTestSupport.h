#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AgentProcess.h"
#include "CvMessageBox.h"
#include "VantaSimAgent.h"

// Windows are tested offscreen against a real vanta-sim, with the one global
// session every request uses; message boxes and beeps are answered here.
namespace gui_test {

// The simulator shared by the tests of one process (started on first use,
// stopped when the tests end).
agents::VantaSimAgent& SharedSim();
void ReleaseSharedSim();

// Points the global settings at the simulator over SNMPv2c (write
// community "lantern") or at `port` when given.
void UseSimulator(std::uint16_t port = 0);

// Processes events until `done` holds or `ms` have passed; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int ms = 10000);
void PumpFor(int ms);

struct Beep {
    int FrequencyHz;
    int DurationMs;
};

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The boxes shown so far; each is answered with `ConfirmAnswer`.
    std::vector<CvMessageBox::Shown> Boxes;
    std::vector<Beep> Beeps;
    bool ConfirmAnswer = true;

private:
    std::unique_ptr<agents::TempDir> FStateDir;
};

}  // namespace gui_test
