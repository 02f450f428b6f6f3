#include "CvDesktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
CvDesktop::Opener& Slot() {
    static CvDesktop::Opener opener;
    return opener;
}
}  // namespace

namespace CvDesktop {

bool OpenFile(const QString& path) {
    if (Slot()) {
        return Slot()(path);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SetOpener(Opener opener) {
    Slot() = std::move(opener);
}

}  // namespace CvDesktop
