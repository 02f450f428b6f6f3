#pragma once

#include <QFrame>
#include <QString>

#include <cstdint>
#include <string>

class CvSNMPRequest2Edits;
class ListView;
class QAction;
class TCtrlBtnPanel;

// Holds the list view of a table page, bound to the page's binding: one
// line per table row at every read. Knows which status column and labels
// create and destroy rows.
class TListViewPanel : public QFrame {
public:
    static constexpr int kMaxWidth = 450;
    static constexpr int kHeight = 350;
    static constexpr int kPixelsPerCaptionChar = 8;

    TListViewPanel(QWidget* owner, CvSNMPRequest2Edits* binding);

    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    // TAB-separated lines with the column captions first: the selected
    // lines, or every line when none is selected. Zero-width columns (the
    // carried-hidden ones) are left out.
    QString ClipboardText() const;
    void CopyToClipboard() const;

    ::ListView* ListView;
    QAction* CopyAction;
    std::int32_t AddColumn = -1;
    std::int32_t DeleteColumn = -1;
    std::string AddStatus;
    std::string DeleteStatus;
};
