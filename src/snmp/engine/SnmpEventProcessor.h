#pragma once

#include <map>
#include <memory>

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

class SnmpSession;

// Lets asynchronous exchanges complete on the GUI thread: a socket notifier
// per session socket processes a response as soon as it arrives, and one
// single-shot timer wakes up for the next retransmission or time-out, so an
// idle module does not wake up at all. While a blocking exchange waits, the
// windows paint and other exchanges complete; user input waits for its end.
class SnmpEventProcessor : public QObject {
public:
    explicit SnmpEventProcessor(SnmpSession& session);
    ~SnmpEventProcessor() override;

    void Start();
    void Stop();
    bool Active() const { return FActive; }

private:
    void Rearm();
    void OnSocket(int socket);
    void OnTimer();
    void SetNotifiersEnabled(bool enabled);

    SnmpSession& FSession;
    std::map<int, std::unique_ptr<QSocketNotifier>> FNotifiers;
    QTimer FTimer;
    bool FActive = false;
    bool FBusy = false;  // a completion may pump events; no nested processing
};
