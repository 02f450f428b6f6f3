// The progress windows, the About box and the registry the menu opens
// dedicated dialogs through.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "CvDialogs.h"
#include "CvModal.h"
#include "GuiTestSupport.h"
#include "TAboutForm.h"
#include "TProgressForm.h"

namespace gui_test {
namespace {

// Runs `form` modally, ending it by force should it not close itself.
template <typename Form>
int RunWithWatchdog(Form& form, bool& forced) {
    QTimer::singleShot(5000, &form, [&] {
        forced = true;
        form.QDialog::done(QDialog::Rejected);
    });
    return form.exec();
}

TEST(ProgressFormTest, ClosesItselfAfterThirtyTicksAndNotBefore) {
    QWidget owner;
    int writes = 0;
    TProgressForm form(
        &owner, [&] { ++writes; }, 1);
    EXPECT_EQ(writes, 1) << "creating the window starts the reconfiguration";
    TProgressForm2 form2(&owner, 1);
    form2.ProgressLimit = 5;
    for (TProgressForm* progress : {&form, static_cast<TProgressForm*>(&form2)}) {
        EXPECT_EQ(progress->windowTitle(), "Progress");
        EXPECT_FALSE(progress->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(progress->windowFlags() & Qt::WindowSystemMenuHint);
        EXPECT_EQ(progress->ProgressBar->maximum(), 76);
    }
    bool forced = false;
    QTimer::singleShot(0, &form, [&] {
        // Neither Escape nor the window's close ends the wait.
        form.reject();
        form.close();
        EXPECT_TRUE(form.isVisible());
    });
    EXPECT_EQ(RunWithWatchdog(form, forced), QDialog::Accepted);
    EXPECT_FALSE(forced);
    EXPECT_EQ(form.ProgressBar->value(), 30);
    EXPECT_FALSE(form.ProgressTimer->isActive());

    EXPECT_EQ(RunWithWatchdog(form2, forced), QDialog::Accepted);
    EXPECT_FALSE(forced);
    EXPECT_EQ(form2.ProgressBar->value(), 5);
}

TEST(AboutFormTest, ShowsTheSameTextsEveryTimeAndTheBuildOnCtrlShiftF12) {
    for (int opening = 0; opening < 2; ++opening) {
        TAboutForm about(nullptr);
        about.show();
        EXPECT_EQ(about.windowTitle(), "About Vanta-A Module");
        EXPECT_EQ(about.AboutLabel->text(), "Corvane Vanta-A Management Module");
        EXPECT_TRUE(about.AboutLabel->font().bold());
        EXPECT_EQ(about.VersionLabel->text(), "Release Version 1.20(Build 2006/05/23)");
        EXPECT_EQ(about.BT_Ok->text(), "OK");
        EXPECT_TRUE(about.ImageVantaA->isVisible());
        EXPECT_FALSE(about.ImageVantaB->isVisible());
        EXPECT_FALSE(about.ImageVantaC->isVisible());
        EXPECT_FALSE(about.ImageVantaAP->isVisible());

        // Other keys leave the text alone.
        for (const auto modifiers : {Qt::KeyboardModifiers(Qt::ControlModifier),
                                     Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::AltModifier)}) {
            QKeyEvent other(QEvent::KeyPress, Qt::Key_F12, modifiers);
            QApplication::sendEvent(about.BT_Ok, &other);
        }
        EXPECT_EQ(about.VersionLabel->text(), "Release Version 1.20(Build 2006/05/23)");
        QKeyEvent build(QEvent::KeyPress, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
        QApplication::sendEvent(about.BT_Ok, &build);
        EXPECT_EQ(about.VersionLabel->text(), "Release Version 1.20R09(Build 2006/05/23)");
        about.BT_Ok->click();
        EXPECT_FALSE(about.isVisible());
    }
}

class DialogRegistryTest : public GuiTest {};

TEST_F(DialogRegistryTest, OpensWithTheMenusCaptionAndLargeFontsAndFreesTheDialog) {
    for (const char* form : {"TVlanStaticForm", "TVLanCurrentTableForm", "TAboutForm"}) {
        EXPECT_TRUE(HasDialog(form)) << form;
    }
    EXPECT_FALSE(HasDialog("TUserMaskInfoForm"));

    QWidget main;
    TDialogContext context;
    context.MainWindow = &main;
    struct Seen {
        QString Title;
        QSize Size;
        QWidget* Parent;
    };
    std::vector<Seen> seen;
    QPointer<QDialog> last;
    CvModal::SetShownHook([&](QDialog& dialog) {
        seen.push_back({dialog.windowTitle(), dialog.size(), dialog.parentWidget()});
        last = &dialog;
        dialog.accept();
    });
    OpenDialog("TAboutForm", context);
    context.LargeFonts = true;
    OpenDialog("TAboutForm", context);
    UseSimulator();
    context.Caption = "Current Table";
    context.LargeFonts = false;
    OpenDialog("TVLanCurrentTableForm", context);  // closed while its first reads run
    OpenDialog("TNoSuchForm", context);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].Title, "About Vanta-A Module");
    EXPECT_EQ(seen[0].Size, QSize(323, 105));
    EXPECT_EQ(seen[0].Parent, &main);
    EXPECT_EQ(seen[1].Size, QSize(404, 131)) << "a quarter larger, rounded";
    EXPECT_EQ(seen[2].Title, "Current Table");
    EXPECT_EQ(seen[2].Size, QSize(704, 519));
    EXPECT_TRUE(last.isNull()) << "freed when it returns";
    EXPECT_TRUE(Boxes.empty());
}

}  // namespace
}  // namespace gui_test
