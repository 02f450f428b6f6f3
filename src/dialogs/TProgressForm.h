#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

// A wait of about thirty seconds while the device reconfigures: the bar
// advances once a tick and the window closes itself at the limit. The user
// cannot close it.
class TProgressForm : public QDialog {
public:
    static constexpr int kTickMs = 1000;
    static constexpr int kLimit = 30;
    static constexpr int kClientWidth = 358;
    static constexpr int kClientHeight = 66;

    // `start` is the reconfiguration the wait covers, run as the window is
    // created; it reports its own failures.
    explicit TProgressForm(QWidget* parent, const std::function<void()>& start = {},
                           int tickMs = kTickMs);

    QLabel* LB_Prompt;
    QProgressBar* ProgressBar;
    QTimer* ProgressTimer;

    void reject() override;
    void done(int result) override;

protected:
    virtual int Limit() const { return kLimit; }
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ProgressTimerTimer();

    bool FTimeUp = false;
};

// The same wait with its limit in a field.
class TProgressForm2 : public TProgressForm {
public:
    explicit TProgressForm2(QWidget* parent, int tickMs = kTickMs);

    int ProgressLimit = kLimit;

protected:
    int Limit() const override { return ProgressLimit; }
};
