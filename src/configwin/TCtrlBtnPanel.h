#pragma once

#include <QFrame>

#include <vector>

class QLabel;
class QPushButton;
class StaticText;

// The column of command buttons on the right of every generic page and of
// its add and edit dialogs. The host decides which members are visible and
// attaches the click handlers; after changing visibility it calls
// ArrangeButtons.
class TCtrlBtnPanel : public QFrame {
public:
    static constexpr int kButtonWidth = 96;
    static constexpr int kButtonHeight = 25;
    static constexpr int kCountHeight = 21;
    static constexpr int kSpacing = 5;

    // Right-aligned in `owner` (full height) for as long as `owner` is its parent.
    explicit TCtrlBtnPanel(QWidget* owner);

    // Stacks the visible members from TopMargin down; hidden ones wait at
    // the place of the next visible one.
    void ArrangeButtons();
    // The bottom of the last visible member plus TopMargin.
    int ContentHeight() const { return FContentHeight; }

    QSize sizeHint() const override;

    StaticText* CountText;
    QLabel* CountLabel;
    QPushButton* RefreshButton;
    QPushButton* EditButton;
    QPushButton* SetButton;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    QPushButton* CheckAllButton;
    QPushButton* ClearChecksButton;
    QPushButton* CloseButton;
    std::vector<QWidget*> ControlOrder;  // the ten members, top to bottom
    int LeftMargin = 10;
    int TopMargin = 10;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadPictures();
    void AlignRight();

    QWidget* FOwner;
    int FContentHeight = 0;
};
