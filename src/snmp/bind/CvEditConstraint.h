#pragma once

#include <QMetaObject>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Edit.h"

class QWidget;
struct CvFormatSpec;

// One constrained edit: what its input format allows, the last text accepted
// when leaving it, and the handlers the edit had before.
struct EditConstraint_s {
    Edit* Control = nullptr;
    char Type = 's';  // "i", "u", "f", "h", "s" or "n"
    char Delimiter = 0;
    double Min = 0;
    double Max = 0;
    std::int32_t MaxLength = 0;  // 0 = none; for "n" lists the maximum count of numbers
    std::uint16_t Flags = 0;     // CvFormatSpec::kAdvanceWhenFull, kExactLength, kNotEmpty
    char AdvanceChar = 0;        // 0 = none
    QString LastGood;
    Edit::Handler SavedOnChange;
    Edit::Handler SavedOnExit;
};

// Makes edits accept only what their input formats allow: refused characters
// are removed with a beep while typing; a value out of range or length is
// reported when leaving the edit and the last accepted text put back.
// The maximum length limits typing only: texts the program writes are kept
// whole, so "(NULL)" and "(NOTDONE)" survive in short edits.
class CvEditConstraint {
public:
    QWidget* Owner;  // receives the focus moves and owns the message boxes
    bool RememberLastGood;
    std::vector<std::unique_ptr<EditConstraint_s>> Items;

    CvEditConstraint(QWidget* owner, bool rememberLastGood);
    // The edits keep the handlers installed (detach first); they then behave
    // as before the attach and never reach this object.
    ~CvEditConstraint();
    CvEditConstraint(const CvEditConstraint&) = delete;
    CvEditConstraint& operator=(const CvEditConstraint&) = delete;

    // The k-th format of `format` constrains the k-th edit. A malformed one
    // raises -2 before any edit is touched. Attaching an attached edit again
    // replaces its constraint.
    void Attach(const std::string& format, const std::vector<Edit*>& edits);
    // Puts the edit's own handlers back and forgets its constraint.
    void Detach(Edit* edit);
    // The edit's current text becomes the one put back after a refusal.
    void SaveText(Edit* edit);
    void SetOwner(QWidget* owner);

private:
    struct Watch {
        QMetaObject::Connection Destroyed;
        QString Shown;  // the text before the latest change, to tell what was typed
    };

    EditConstraint_s* Find(const Edit* edit) const;
    EditConstraint_s* CallSaved(Edit::Handler handler, Edit& edit);
    void AttachOne(Edit* edit, const CvFormatSpec& format);
    void Forget(const Edit* edit);
    void Changed(Edit& edit);
    void Exited(Edit& edit);
    bool LimitTyping(Edit& edit, const EditConstraint_s& item, QString& text);
    void WriteBack(Edit& edit, const QString& text, qsizetype cursor, bool typed);
    void Report(Edit& edit, const std::string& message);
    void PostFocusNext(Edit& edit);

    // Weakly held by the installed handlers, so that they never reach a
    // destroyed constraint.
    std::shared_ptr<CvEditConstraint*> FSelf;
    std::map<const Edit*, Watch> FWatches;
    Edit* FWritingBack = nullptr;  // its change events are our own corrections
};
