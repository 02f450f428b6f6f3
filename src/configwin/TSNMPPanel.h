#pragma once

#include <QFrame>
#include <QPointer>

#include <exception>
#include <string>

#include "CvException.h"

class CvSNMPRequest2Edits;
class QSplitter;
class TCtrlBtnPanel;
class TMsgPanel;

// The frame of a generic page: a client area with the data, the button
// column on the right and the message area at the bottom of the client
// area (or the message area of another page, shared).
class TSNMPPanel : public QFrame {
public:
    static constexpr int kMaxFormWidth = 800;
    static constexpr int kMaxFormHeight = 550;

    // With `sharedMessages` no message area of its own is made; the
    // binding's outcome lines go to the shared one.
    TSNMPPanel(QWidget* owner, TMsgPanel* sharedMessages, CvSNMPRequest2Edits* binding);

    // Shows `control` in the client area instead of the previous client and
    // sizes the panel around it.
    void ShowClient(QWidget* control);
    // Keeps `control` hidden in the client area (a client given back).
    void ParkClient(QWidget* control);
    // The panel fills `form`, which grows to the panel's size, is cut to
    // 800 x 550 at most and is centred on its owner's window (a dialog when
    // it is shown).
    void FitForm(QWidget* form);

    // The message area the binding writes into: own or shared.
    TMsgPanel* Messages() const { return FMessages; }
    // A failure's text as the binding's status line.
    void ShowFailure(const std::string& message);
    // Runs `action` for a handler: a failure becomes the status line instead
    // of leaving the handler.
    template <typename Action>
    void Guarded(Action&& action) {
        try {
            action();
        } catch (const CvException& e) {
            ShowFailure(e.Message());
        } catch (const std::exception& e) {
            ShowFailure(e.what());
        }
    }

    CvSNMPRequest2Edits* Binding;
    TCtrlBtnPanel* Buttons;
    QSplitter* SideSplitter;
    QWidget* ClientArea;
    TMsgPanel* MessagePanel;  // null when shared
    QSplitter* BottomSplitter;
    QPointer<QWidget> Client;
    QPointer<QWidget> HostForm;

protected:
    virtual void RefreshClick();
    void CloseClick();

private:
    TMsgPanel* FMessages;
};

// Centres `window` on the window of `owner`, or on its screen without one.
void CentreOnOwner(QWidget* window, QWidget* owner);
