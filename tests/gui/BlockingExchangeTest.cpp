// Exchanges and what the user does meanwhile, on slow simulated switches: a
// blocking walk shows the wait cursor and holds the user's clicks until it
// ends while the windows keep painting; a write starts only once the walk it
// stopped has ended; Edit chosen while a walk arrives leaves asynchronous
// SNMP going.
#include <gtest/gtest.h>

#include <qpa/qwindowsysteminterface.h>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <memory>

#include "ConfigPage.h"
#include "ConfigWinTestSupport.h"
#include "CvSNMPRequest2Edits.h"
#include "ListView.h"
#include "TConfigForm.h"
#include "TListViewPanel.h"
#include "TSNMPListViewPanel.h"

namespace gui_test {
namespace {

// Each answer comes late: a walk of the interface table takes a while.
agents::VantaSimAgent& SlowSim() {
    static agents::VantaSimAgent sim({"--delay", "40"});
    return sim;
}

// Answers later than the time-out of the first try.
agents::VantaSimAgent& LateSim() {
    static agents::VantaSimAgent sim({"--delay", "1500"});
    return sim;
}

// A press and a release queued by the window system, as a user's click
// arrives: delivered when events are processed with user input.
void QueueClick(QWidget& button) {
    QWindow* window = button.window()->windowHandle();
    const QPointF at = button.mapTo(button.window(), QPointF(button.rect().center()));
    const QPointF global = button.mapToGlobal(QPointF(button.rect().center()));
    QWindowSystemInterface::handleMouseEvent(window, at, global, Qt::LeftButton, Qt::LeftButton,
                                             QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent(window, at, global, Qt::NoButton, Qt::LeftButton,
                                             QEvent::MouseButtonRelease);
}

// A widget that counts how often it was painted.
class PaintCounter : public QWidget {
public:
    using QWidget::QWidget;
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++Paints; }
};

class BlockingExchangeTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Window.resize(300, 300);
        List = new ListView(&Window);
        List->setGeometry(0, 0, 300, 200);
        Add = new QPushButton("Add", &Window);
        Add->setGeometry(0, 220, 80, 30);
        Window.show();
        ASSERT_TRUE(PumpUntil([&] { return Window.windowHandle()->isExposed(); }, 5000));
    }
    // A binding of the interface table on the window's list.
    std::unique_ptr<CvSNMPRequest2Edits> PortTable(std::uint8_t mode) {
        auto binding = std::make_unique<CvSNMPRequest2Edits>(&Window);
        binding->Request->Vars.Assign(CvSNMPVarList(kPortStates, MVT_FMV, 1));
        binding->AttachListView(List, false);
        binding->Mode = mode;
        return binding;
    }

    QWidget Window;
    ListView* List = nullptr;
    QPushButton* Add = nullptr;
};

TEST_F(BlockingExchangeTest, ABlockingWalkHoldsClicksUntilItEndsAndShowsTheWaitCursor) {
    UseSimulator(SlowSim().Port());
    const auto binding = PortTable(0);
    std::vector<bool> busyAtClick;
    QObject::connect(Add, &QPushButton::clicked, [&] { busyAtClick.push_back(binding->Busy); });
    std::vector<bool> waitCursorAtRow;
    QObject::connect(List->model(), &QAbstractItemModel::rowsInserted, [&] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        waitCursorAtRow.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
    });

    QueueClick(*Add);
    binding->Get();
    EXPECT_TRUE(busyAtClick.empty()) << "the click came in the middle of the walk";
    EXPECT_EQ(List->LineCount(), 25);
    ASSERT_FALSE(waitCursorAtRow.empty()) << "the lines reach the view during the walk";
    EXPECT_EQ(std::count(waitCursorAtRow.begin(), waitCursorAtRow.end(), false), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !busyAtClick.empty(); }, 2000)) << "held, not lost";
    EXPECT_FALSE(busyAtClick[0]);
}

TEST_F(BlockingExchangeTest, WindowsPaintWhileABlockingExchangeWaits) {
    UseSimulator(LateSim().Port());
    auto* counter = new PaintCounter(&Window);
    counter->setGeometry(100, 220, 50, 30);
    counter->show();
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, counter, [counter] { counter->update(); });
    repaint.start(50);
    PumpFor(100);
    const int before = counter->Paints;
    CvSNMPRequest2Edits binding(&Window);
    binding.Request->Vars.Assign(CvSNMPVarList(kSystemGroup, SVT_SV, 0));
    binding.Request->Timeout = 300;  // the late answer is still in time
    binding.Mode = 0;
    binding.Get();  // 1.5 s
    EXPECT_GE(counter->Paints - before, 10);
}

TEST_F(BlockingExchangeTest, AStoppedWalkHasEndedBeforeTheWriteMayStart) {
    UseSimulator(LateSim().Port());
    const auto binding = PortTable(1);
    binding->Request->Timeout = 100;  // the answer arrives after the first try timed out
    binding->Request->Retries = 1;
    binding->Get();
    ASSERT_TRUE(binding->Busy);
    EXPECT_TRUE(binding->StopRunningRead());
    EXPECT_FALSE(binding->Busy);
    EXPECT_EQ(binding->Request->Outstanding, 0) << "no exchange of the walk left running";
    EXPECT_TRUE(binding->Request->Alive) << "on again for the write";
    PumpFor(200);
    EXPECT_EQ(List->LineCount(), 1) << "the walk did not carry on";
}

// Edit chosen while a row of a walk is being shown: the edit window opens
// from the event loop, not inside the delivery of the row, so that other
// asynchronous exchanges (the LED poll) go on while it is open.
TEST_F(BlockingExchangeTest, EditChosenDuringAWalkLeavesAsynchronousSnmpGoing) {
    UseSimulator(SlowSim().Port());
    TMainWindowValues main{nullptr, 1.0f, "127.0.0.1", {}};
    const std::unique_ptr<TConfigForm> form = BuildConfigPage(kVlanPage, main);
    form->show();
    ASSERT_TRUE(PumpUntil([&] { return form->ActiveBinding && !form->ActiveBinding->Busy; }));
    auto& page = *static_cast<TSNMPListViewPanel*>(form->Page());
    ::ListView& list = *page.ListPanel->ListView;
    list.SetBatchedLines(false);  // a line reaches the view while its row is delivered
    bool chosen = false;
    QObject::connect(list.model(), &QAbstractItemModel::rowsInserted, &page, [&] {
        if (!chosen) {
            chosen = true;
            QMetaObject::invokeMethod(
                &page, [&] { page.EditRow(); }, Qt::QueuedConnection);
        }
    });
    bool otherReadEnded = false;
    OnModal([&](QDialog& dialog) {
        CvSNMPRequest2Edits other(&dialog);
        other.Request->Vars.Assign(CvSNMPVarList(kSystemGroup, SVT_SV, 0));
        other.OnReadDone = [&](CvSNMPRequest2Controls&, const CvSNMPError&) {
            otherReadEnded = true;
        };
        other.Get();
        PumpUntil([&] { return otherReadEnded; }, 3000);
        dialog.reject();
    });
    page.RefreshTable();
    ASSERT_TRUE(PumpUntil([&] { return chosen && !page.Binding->Busy; }, 10000));
    PumpFor(50);
    EXPECT_TRUE(otherReadEnded);
}

}  // namespace
}  // namespace gui_test
