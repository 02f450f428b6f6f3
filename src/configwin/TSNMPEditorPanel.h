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

    // Writes the checked rows of the editor. An empty checked value stops
    // the write with a warning; otherwise `dialog`, when given, is closed
    // afterwards, also after a failed write (its message is in the page).
    void SetClick(QDialog* dialog = nullptr);
    // Check All and Clear Checks of `buttons`' host.
    void CheckAll(TCtrlBtnPanel* buttons);
    void ClearChecks(TCtrlBtnPanel* buttons);

    TEditsPanel* Editor;
};
