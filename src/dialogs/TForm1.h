#pragma once

#include <QWidget>

class CvSNMPRequest2Controls;
struct CvSNMPError;

// The hidden form of the module: two flags that dialogs share as a gate that
// no read and no write of theirs is running. Both start closed; the first
// read that ends opens them.
class TForm1 : public QWidget {
public:
    explicit TForm1(QWidget* parent = nullptr) : QWidget(parent) { setObjectName("Form1"); }

    bool GetReady = false;
    bool SetReady = false;

    // The completion routine: both gates open again.
    void Completed() {
        GetReady = true;
        SetReady = true;
    }
    // The same, in the form of a request's read-done event.
    void ReadDone(CvSNMPRequest2Controls&, const CvSNMPError&) { Completed(); }
};
