#pragma once

#include <QWidget>

// The hidden form of the module: two flags that dialogs share as a gate that
// no read and no write of theirs is running.
class TForm1 : public QWidget {
public:
    explicit TForm1(QWidget* parent = nullptr) : QWidget(parent) { setObjectName("Form1"); }

    bool GetReady = true;
    bool SetReady = true;

    // The completion routine: both gates open again.
    void Completed() {
        GetReady = true;
        SetReady = true;
    }
};
