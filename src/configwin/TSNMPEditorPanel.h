#pragma once

#include <cstdint>
#include <string>

#include "TSNMPPanel.h"

class QDialog;
class TEditsPanel;

// The page of a group of scalars: the editor rows of the binding's list,
// read with Refresh and written with Set.
class TSNMPEditorPanel : public TSNMPPanel {
public:
    TSNMPEditorPanel(QWidget* owner, CvSNMPRequest2Edits* binding);

    // A new input format for the edit of `row`.
    void SetVarFormat(std::int32_t row, const std::string& format);
    void SetEditWidthAndFit(std::int32_t width);

    // Writes the checked rows of the editor that show a value. An empty one
    // stops the write with a warning, a text its syntax refuses with the
    // refusal's message and the focus on its row; nothing is sent then.
    // `dialog`, when given, is closed once the write succeeded; a failure
    // stays in the message area beside the values typed. True once the
    // write succeeded.
    bool SetClick(QDialog* dialog = nullptr);
    // Check All and Clear Checks of `buttons`' host.
    void CheckAll(TCtrlBtnPanel* buttons);
    void ClearChecks(TCtrlBtnPanel* buttons);

    TEditsPanel* Editor;
};
