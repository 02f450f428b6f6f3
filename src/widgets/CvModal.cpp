#include "CvModal.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace CvModal {

namespace {

ShownHook& CurrentHook() {
    static ShownHook hook;
    return hook;
}

}  // namespace

void SetShownHook(ShownHook hook) {
    CurrentHook() = std::move(hook);
}

int Exec(QDialog& dialog) {
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
