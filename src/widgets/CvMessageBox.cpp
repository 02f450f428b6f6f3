#include "CvMessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace CvMessageBox {

namespace {

Responder& CurrentResponder() {
    static Responder responder;
    return responder;
}

bool Show(Kind kind, QWidget* owner, const QString& text) {
    const Shown shown{kind, ProgramCaption(), text, owner};
    if (const Responder& responder = CurrentResponder()) {
        return responder(shown);
    }
    QMessageBox box(owner);
    box.setWindowTitle(shown.Caption);
    box.setText(text);
    switch (kind) {
        case Kind::Plain:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Kind::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Kind::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Kind::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case Kind::Confirmation:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Kind::Question:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            return box.exec() == QMessageBox::Yes;
    }
    return box.exec() == QMessageBox::Ok;
}

}  // namespace

void SetResponder(Responder responder) {
    CurrentResponder() = std::move(responder);
}

void Plain(QWidget* owner, const QString& text) {
    Show(Kind::Plain, owner, text);
}

void Information(QWidget* owner, const QString& text) {
    Show(Kind::Information, owner, text);
}

void Warning(QWidget* owner, const QString& text) {
    Show(Kind::Warning, owner, text);
}

void Error(QWidget* owner, const QString& text) {
    Show(Kind::Error, owner, text);
}

bool Confirm(QWidget* owner, const QString& text) {
    return Show(Kind::Confirmation, owner, text);
}

bool Ask(QWidget* owner, const QString& text) {
    return Show(Kind::Question, owner, text);
}

QString ProgramCaption() {
    const QString path = QCoreApplication::applicationFilePath();
    return QFileInfo(path).fileName();
}

}  // namespace CvMessageBox
