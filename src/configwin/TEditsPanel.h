#pragma once

#include <QColor>
#include <QFrame>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class CheckBox;
class CvSNMPRequest2Edits;
class QLabel;
class QScrollArea;
class TCtrlBtnPanel;

// One row of the editor: a select box that marks the row for the next
// write, the variable's caption and its value control.
struct TEditRow {
    // 1 read-only text, 2 writable text, 3 writable choice, 4 read-only choice
    std::int32_t Kind = 0;
    std::string Format;               // of the row's edit
    QWidget* ValueControl = nullptr;  // an Edit, or a ComboBox for kind 3
    CheckBox* SelectBox = nullptr;
    QLabel* Caption = nullptr;
};

// A value control made of several controls (the parts of one packed value):
// a borderless panel whose text says whether every part holds something
// ("-") or not (""). The parts cover it, so the text is never drawn.
class TRowPanel : public QFrame {
public:
    explicit TRowPanel(QWidget* parent = nullptr) : QFrame(parent) {}
    QString Text;
};

// A form built from the variable list of one request binding: one row per
// variable, in list order. Values travel through the binding; the hosting
// page starts the reads and writes. Index columns of a table are never
// editable here.
class TEditsPanel : public QFrame {
public:
    static constexpr int kDefaultEditWidth = 121;
    static constexpr int kSelectWidth = 20;
    static constexpr int kVertical = 2;
    static constexpr int kHorizontal = 1;

    TEditsPanel(QWidget* owner, CvSNMPRequest2Edits* binding);

    // Shows the buttons an editor needs on `buttons`; one editable row
    // makes a plain "Set" without select boxes.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    void SetEditWidth(std::int32_t width, int layoutKind);
    // kVertical: one row under the other; kHorizontal: all rows on one line.
    void Layout(int layoutKind, bool resize);
    void ApplyAccess(bool selectDefault);
    void EnableRow(std::int32_t i);
    void DisableRow(std::int32_t i);
    void HideRow(std::int32_t i);
    void ShowRow(std::int32_t i);
    void UncheckRow(std::int32_t i);
    void SetRowValue(std::int32_t i, const std::string& text);
    // `control` takes the place, size, enabled state and visibility of the
    // row's value control, which is unbound and freed; binding `control`'s
    // parts is the caller's.
    void ReplaceValueControl(std::int32_t i, QWidget* control);
    void ClearValues();
    void SetReadOnlyColours(const QColor& font, const QColor& back);

    bool IsRowEditable(std::int32_t i) const;
    // What the row's control shows: an edit's text, a drop-down list's
    // entry, a row panel's text.
    QString RowText(std::int32_t i) const;
    bool IsRowEmpty(std::int32_t i) const;
    bool AllReadOnly() const;
    std::int32_t EnabledSelectCount() const;
    std::int32_t CheckedSelectCount() const;
    std::int32_t RowCount() const { return static_cast<std::int32_t>(Rows.size()); }
    // The widget inside ScrollArea that holds the row controls.
    QWidget* Content() const { return FContent; }

    CvSNMPRequest2Edits* Binding;
    std::vector<TEditRow> Rows;
    QScrollArea* ScrollArea;
    std::int32_t EditWidth = kDefaultEditWidth;
    QColor ReadOnlyFont;
    QColor ReadOnlyBack;
    bool SelectDefault = false;

private:
    void BuildRows();
    void SelectBoxClicked();
    bool RowHidden(std::int32_t i) const;
    void ResizeToRows();

    QWidget* FContent;
    QPointer<TCtrlBtnPanel> FButtons;  // of the latest ArrangeCtrlBtn
};
