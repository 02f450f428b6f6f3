#include "TProgressForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "TSNMPPanel.h"

TProgressForm::TProgressForm(QWidget* parent, const std::function<void()>& start, int tickMs)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      LB_Prompt(new QLabel(this)),
      ProgressBar(new QProgressBar(this)),
      ProgressTimer(new QTimer(this)) {
    setObjectName("ProgressForm");
    setWindowTitle("Progress");
    LB_Prompt->setObjectName("LB_Prompt");
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, 76);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressTimer->setObjectName("ProgressTimer");
    ProgressTimer->setInterval(tickMs);
    connect(ProgressTimer, &QTimer::timeout, this, [this] { ProgressTimerTimer(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LB_Prompt);
    layout->addWidget(ProgressBar);
    setFixedSize(kClientWidth, kClientHeight);
    if (start) {
        start();
    }
}

void TProgressForm::ProgressTimerTimer() {
    if (ProgressBar->value() >= Limit()) {
        FTimeUp = true;
        done(Accepted);
        return;
    }
    ProgressBar->setValue(ProgressBar->value() + 1);
}

void TProgressForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnOwner(this, parentWidget());
    // The wait counts from the moment it is on screen.
    ProgressTimer->start();
}

void TProgressForm::reject() {
    // Escape does not end the wait.
}

void TProgressForm::closeEvent(QCloseEvent* event) {
    if (!FTimeUp) {
        event->ignore();
    }
}

void TProgressForm::done(int result) {
    if (!FTimeUp) {
        return;
    }
    ProgressTimer->stop();
    QDialog::done(result);
}

TProgressForm2::TProgressForm2(QWidget* parent, int tickMs) : TProgressForm(parent, {}, tickMs) {
    setObjectName("ProgressForm2");
}
