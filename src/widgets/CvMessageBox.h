#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the module goes through here: the caption is the
// program's file name, and a test can answer the boxes instead of a person.
namespace CvMessageBox {

enum class Kind { Plain, Information, Warning, Error, Confirmation, Question };

struct Shown {
    Kind Type;
    QString Caption;
    QString Text;
    QWidget* Owner;
};

// Answers a box instead of showing it; true stands for OK. An empty
// responder shows the real boxes again.
using Responder = std::function<bool(const Shown&)>;
void SetResponder(Responder responder);

// An OK box without icon.
void Plain(QWidget* owner, const QString& text);
void Information(QWidget* owner, const QString& text);
void Warning(QWidget* owner, const QString& text);
// The error box of a failure that ends the program.
void Error(QWidget* owner, const QString& text);
// OK and Cancel; true for OK.
bool Confirm(QWidget* owner, const QString& text);
// Yes and No; true for Yes.
bool Ask(QWidget* owner, const QString& text);

// The program's file name without its folder.
QString ProgramCaption();

}  // namespace CvMessageBox
