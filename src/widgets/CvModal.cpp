#include "CvModal.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

namespace CvModal {

namespace {

// Enter that no focused button took would press the dialog's default
// button, which the user did not choose (Refresh, say, which re-reads what
// was being typed): it presses nothing.
class EnterGuard : public QObject {
public:
    explicit EnterGuard(QObject* parent) : QObject(parent) {}

protected:
    // Installed on the dialog: sees the key presses its children passed on.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};

ShownHook& CurrentHook() {
    static ShownHook hook;
    return hook;
}

}  // namespace

void SetShownHook(ShownHook hook) {
    CurrentHook() = std::move(hook);
}

int Exec(QDialog& dialog) {
    constexpr const char* kGuarded = "CvModalEnterGuard";
    if (!dialog.property(kGuarded).toBool()) {
        dialog.setProperty(kGuarded, true);
        dialog.installEventFilter(new EnterGuard(&dialog));
    }
    if (const ShownHook& hook = CurrentHook()) {
        // Queued before the dialog is shown: it runs first in the modal loop.
        QTimer::singleShot(0, &dialog, [target = QPointer<QDialog>(&dialog), hook] {
            if (target) {
                hook(*target);
            }
        });
    }
    return dialog.exec();
}

}  // namespace CvModal
