// The button column of the generic pages: captions, pictures from the
// current folder, the stacking of visible buttons and the alignment in the
// owner.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "StaticText.h"
#include "TCtrlBtnPanel.h"

namespace gui_test {
namespace {

class ButtonPanelTest : public GuiTest {};

QStringList Texts(const TCtrlBtnPanel& panel) {
    QStringList texts;
    for (QWidget* control : panel.ControlOrder) {
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            texts << button->text();
        } else {
            texts << static_cast<QLabel*>(control)->text();
        }
    }
    return texts;
}

// Runs the panel's construction with the current folder holding `files`
// (name -> a picture when true, a broken file when false).
QStringList TextsWithPictures(const std::vector<std::pair<QString, bool>>& files,
                              std::vector<bool>* icons = nullptr) {
    QTemporaryDir folder;
    for (const auto& [name, good] : files) {
        if (good) {
            QImage picture(16, 16, QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            picture.save(folder.filePath(name), "BMP");
        } else {
            QFile broken(folder.filePath(name));
            broken.open(QIODevice::WriteOnly);
            broken.write("not a picture");
        }
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QWidget owner;
    TCtrlBtnPanel panel(&owner);
    QDir::setCurrent(previous);
    if (icons != nullptr) {
        for (QWidget* control : panel.ControlOrder) {
            auto* button = qobject_cast<QPushButton*>(control);
            icons->push_back(button != nullptr && !button->icon().isNull());
        }
    }
    return Texts(panel);
}

TEST_F(ButtonPanelTest, MembersInOrderWithTheirCaptionsAndAddDeleteHidden) {
    QWidget owner;
    TCtrlBtnPanel panel(&owner);
    EXPECT_EQ(Texts(panel), (QStringList{"0", "Samples", "Refresh", "Edit", "Set Checked", "Add",
                                         "Delete", "Check All", "Clear Checks", "Close"}));
    std::vector<bool> hidden;
    for (QWidget* control : panel.ControlOrder) {
        hidden.push_back(control->isHidden());
    }
    EXPECT_EQ(hidden, (std::vector<bool>{false, false, false, false, false, true, true, false,
                                         false, false}));
    EXPECT_EQ(panel.CountText->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(panel.CountText->alignment(), Qt::AlignCenter);
}

TEST_F(ButtonPanelTest, PicturesReplaceCaptionsUntilOneCannotBeRead) {
    const QStringList plain = {"0",   "Samples", "Refresh",   "Edit",         "Set Checked",
                               "Add", "Delete",  "Check All", "Clear Checks", "Close"};
    EXPECT_EQ(TextsWithPictures({}), plain);

    std::vector<bool> icons;
    QStringList onlyClose = plain;
    onlyClose[9] = "";
    EXPECT_EQ(TextsWithPictures({{"Close.bmp", true}}, &icons), onlyClose);
    EXPECT_TRUE(icons[9]);

    // Get.bmp loads; the broken Set.bmp ends the picture step with its
    // caption kept, so Close keeps its caption although its picture exists.
    icons.clear();
    QStringList broken = plain;
    broken[2] = "";
    EXPECT_EQ(
        TextsWithPictures({{"Get.bmp", true}, {"Set.bmp", false}, {"Close.bmp", true}}, &icons),
        broken);
    EXPECT_EQ(icons, (std::vector<bool>{false, false, true, false, false, false, false, false,
                                        false, false}));
}

TEST_F(ButtonPanelTest, VisibleMembersStackFromTheTopAndThePanelHugsTheOwnersRightEdge) {
    QWidget owner;
    owner.resize(500, 400);
    TCtrlBtnPanel panel(&owner);
    owner.show();  // resizes reach a widget on screen
    EXPECT_EQ(panel.geometry(), QRect(500 - 116, 0, 116, 400));
    owner.resize(640, 300);
    EXPECT_EQ(panel.geometry(), QRect(640 - 116, 0, 116, 300));

    for (QWidget* control : panel.ControlOrder) {
        control->setVisible(control == panel.RefreshButton || control == panel.CloseButton);
    }
    panel.ArrangeButtons();
    const int step = TCtrlBtnPanel::kButtonHeight + 5;
    EXPECT_EQ(panel.RefreshButton->geometry(), QRect(10, 10, 96, TCtrlBtnPanel::kButtonHeight));
    EXPECT_EQ(panel.CloseButton->geometry(),
              QRect(10, 10 + step, 96, TCtrlBtnPanel::kButtonHeight));
    // A hidden member waits where the next visible one stands.
    EXPECT_EQ(panel.EditButton->pos(), panel.CloseButton->pos());
    EXPECT_EQ(panel.ContentHeight(), 10 + step + TCtrlBtnPanel::kButtonHeight + 10);

    panel.AddButton->show();
    panel.ArrangeButtons();
    EXPECT_EQ(panel.AddButton->y(), 10 + step);
    EXPECT_EQ(panel.CloseButton->y(), 10 + 2 * step);
}

}  // namespace
}  // namespace gui_test
