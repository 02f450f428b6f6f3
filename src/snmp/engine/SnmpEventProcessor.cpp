#include "SnmpEventProcessor.h"

#include <algorithm>

#include <QCoreApplication>

#include "SnmpTransport.h"

SnmpEventProcessor::SnmpEventProcessor(SnmpSession& session) : FSession(session) {
    FTimer.setSingleShot(true);
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, [this] { OnTimer(); });
    FSession.ActivityChanged = [this] { Rearm(); };
    FSession.WhileWaiting = [] {
        if (QCoreApplication::instance() != nullptr) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    };
}

SnmpEventProcessor::~SnmpEventProcessor() {
    FSession.ActivityChanged = nullptr;
    FSession.WhileWaiting = nullptr;
}

void SnmpEventProcessor::Start() {
    FActive = true;
    Rearm();
}

void SnmpEventProcessor::Stop() {
    FActive = false;
    FTimer.stop();
    FNotifiers.clear();
}

void SnmpEventProcessor::Rearm() {
    if (!FActive || FBusy) {
        return;
    }
    const std::vector<int> sockets = FSession.Sockets();
    for (auto it = FNotifiers.begin(); it != FNotifiers.end();) {
        const bool open = std::find(sockets.begin(), sockets.end(), it->first) != sockets.end();
        it = open ? std::next(it) : FNotifiers.erase(it);
    }
    for (const int socket : sockets) {
        if (FNotifiers.count(socket) == 0) {
            auto notifier = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
            connect(notifier.get(), &QSocketNotifier::activated, this,
                    [this, socket] { OnSocket(socket); });
            FNotifiers.emplace(socket, std::move(notifier));
        }
    }
    const int ms = FSession.MillisecondsToNextTimeout();
    if (ms >= 0) {
        FTimer.start(ms);
    } else {
        FTimer.stop();
    }
}

void SnmpEventProcessor::SetNotifiersEnabled(bool enabled) {
    for (auto& [socket, notifier] : FNotifiers) {
        notifier->setEnabled(enabled);
    }
}

void SnmpEventProcessor::OnSocket(int socket) {
    if (FBusy) {
        return;
    }
    FBusy = true;
    SetNotifiersEnabled(false);
    FTimer.stop();
    FSession.ProcessSocket(socket);
    SetNotifiersEnabled(true);
    FBusy = false;
    Rearm();
}

void SnmpEventProcessor::OnTimer() {
    if (FBusy) {
        return;
    }
    FBusy = true;
    SetNotifiersEnabled(false);
    FSession.ProcessTimeouts();
    SetNotifiersEnabled(true);
    FBusy = false;
    Rearm();
}
