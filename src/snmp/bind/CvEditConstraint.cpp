#include "CvEditConstraint.h"

#include <QPointer>
#include <QWidget>

#include <algorithm>

#include "CvBeep.h"
#include "CvFormatSpec.h"
#include "CvMessageBox.h"

namespace {

constexpr int kBeepHz = 1000;
constexpr int kBeepMs = 200;

bool IsReserved(const QString& text) {
    return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

CvFormatSpec FormatOf(const EditConstraint_s& item) {
    CvFormatSpec format;
    format.Type = item.Type;
    format.Delimiter = item.Delimiter;
    format.Min = item.Min;
    format.Max = item.Max;
    format.MaxLength = item.MaxLength;
    format.Flags = item.Flags;
    format.AdvanceChar = item.AdvanceChar;
    return format;
}

// The position of the first character the type refuses, or -1.
qsizetype FirstRefused(const EditConstraint_s& item, const QString& text) {
    const std::size_t at = FirstRefusedChar(FormatOf(item), text.toStdString());
    return at == std::string::npos ? -1 : static_cast<qsizetype>(at);
}

// What the Tab key does: the next control of the window that takes the focus.
void FocusNextControl(QWidget& from) {
    QWidget* const window = from.window();
    for (QWidget* w = from.nextInFocusChain(); w != nullptr && w != &from;
         w = w->nextInFocusChain()) {
        const bool takesTab = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (takesTab && w->window() == window && w->isVisibleTo(window) && w->isEnabled() &&
            w->focusProxy() == nullptr) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

}  // namespace

CvEditConstraint::CvEditConstraint(QWidget* owner, bool rememberLastGood)
    : Owner(owner),
      RememberLastGood(rememberLastGood),
      FSelf(std::make_shared<CvEditConstraint*>(this)) {}

CvEditConstraint::~CvEditConstraint() {
    for (const auto& [edit, watch] : FWatches) {
        QObject::disconnect(watch.Destroyed);
    }
}

void CvEditConstraint::Attach(const std::string& format, const std::vector<Edit*>& edits) {
    const std::vector<std::string> formats = SplitFormatSpecs(format);
    const std::size_t count = std::min(formats.size(), edits.size());
    // Every format is read before an edit is touched: a bad one leaves none half attached.
    std::vector<CvFormatSpec> parsed;
    parsed.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        parsed.push_back(ParseFormatSpec(formats[k]));
    }
    for (std::size_t k = 0; k < count; ++k) {
        if (edits[k] != nullptr) {
            AttachOne(edits[k], parsed[k]);
        }
    }
}

void CvEditConstraint::AttachOne(Edit* edit, const CvFormatSpec& format) {
    // Attached twice, the second record would save the first one's handlers.
    Detach(edit);
    auto item = std::make_unique<EditConstraint_s>();
    item->Control = edit;
    item->Type = format.Type;
    item->Delimiter = format.Delimiter;
    item->Min = format.Min;
    item->Max = format.Max;
    item->MaxLength = format.MaxLength;
    item->Flags = format.Flags;
    item->AdvanceChar = format.AdvanceChar;
    item->SavedOnChange = edit->OnChange;
    item->SavedOnExit = edit->OnExit;
    if (format.Width > 0) {
        edit->setFixedWidth(format.Width);
    }

    // A handler that outlives the constraint passes straight to the edit's own.
    const std::weak_ptr<CvEditConstraint*> self = FSelf;
    edit->OnChange = [self, saved = item->SavedOnChange](Edit& e) {
        CvEditConstraint* constraint = nullptr;
        if (const auto alive = self.lock()) {
            constraint = *alive;
        }
        if (constraint != nullptr) {
            constraint->Changed(e);
        } else if (saved) {
            const Edit::Handler handler = saved;
            handler(e);
        }
    };
    edit->OnExit = [self, saved = item->SavedOnExit](Edit& e) {
        CvEditConstraint* constraint = nullptr;
        if (const auto alive = self.lock()) {
            constraint = *alive;
        }
        if (constraint != nullptr) {
            constraint->Exited(e);
        } else if (saved) {
            const Edit::Handler handler = saved;
            handler(e);
        }
    };

    Watch& watch = FWatches[edit];
    watch.Shown = edit->text();
    watch.Destroyed = QObject::connect(edit, &QObject::destroyed, [self, edit] {
        if (const auto alive = self.lock()) {
            (*alive)->Forget(edit);
        }
    });
    Items.push_back(std::move(item));
}

void CvEditConstraint::Detach(Edit* edit) {
    const auto it = std::find_if(Items.begin(), Items.end(),
                                 [edit](const auto& item) { return item->Control == edit; });
    if (it == Items.end()) {
        return;
    }
    const std::unique_ptr<EditConstraint_s> item = std::move(*it);
    Forget(edit);
    // May replace the handler that is running now: nothing of it is used afterwards.
    edit->OnChange = item->SavedOnChange;
    edit->OnExit = item->SavedOnExit;
}

void CvEditConstraint::SaveText(Edit* edit) {
    if (EditConstraint_s* item = Find(edit)) {
        item->LastGood = edit->text();
    }
}

void CvEditConstraint::SetOwner(QWidget* owner) {
    Owner = owner;
}

EditConstraint_s* CvEditConstraint::Find(const Edit* edit) const {
    for (const auto& item : Items) {
        if (item != nullptr && item->Control == edit) {
            return item.get();
        }
    }
    return nullptr;
}

void CvEditConstraint::Forget(const Edit* edit) {
    std::erase_if(Items, [edit](const auto& item) { return !item || item->Control == edit; });
    const auto watch = FWatches.find(edit);
    if (watch != FWatches.end()) {
        QObject::disconnect(watch->second.Destroyed);
        FWatches.erase(watch);
    }
}

// The edit's own handler may free the constraint, the edit or its record:
// the record afterwards, or null when nothing is left to work on.
EditConstraint_s* CvEditConstraint::CallSaved(Edit::Handler handler, Edit& edit) {
    const std::weak_ptr<CvEditConstraint*> alive = FSelf;
    const QPointer<Edit> guard(&edit);
    handler(edit);
    if (alive.expired() || guard.isNull()) {
        return nullptr;
    }
    return Find(&edit);
}

void CvEditConstraint::Changed(Edit& edit) {
    if (&edit == FWritingBack) {
        return;
    }
    EditConstraint_s* item = Find(&edit);
    if (item == nullptr) {
        return;
    }
    // Only the user's own typing is limited in length and moves the focus on.
    const bool typed = edit.isModified();
    QString text = edit.text();
    if (typed) {
        LimitTyping(edit, *item, text);
    }
    FWatches[&edit].Shown = text;

    // A correction written back is a change of its own and is checked from
    // the start again, until nothing is refused.
    bool moveFocus = false;
    bool chain = true;
    for (;;) {
        if (IsReserved(text)) {
            break;
        }
        if (text.isEmpty()) {
            chain = false;
            break;
        }
        if (item->AdvanceChar != 0) {
            const qsizetype at = text.indexOf(QLatin1Char(item->AdvanceChar));
            if (at >= 0) {
                text.remove(at, 1);
                WriteBack(edit, text, at, typed);
                moveFocus = true;
                continue;
            }
        }
        const qsizetype refused = FirstRefused(*item, text);
        if (refused < 0) {
            break;
        }
        text.remove(refused, 1);
        WriteBack(edit, text, refused, typed);
        CvBeep(kBeepHz, kBeepMs);
    }

    if (chain) {
        if (item->SavedOnChange) {
            item = CallSaved(item->SavedOnChange, edit);
            if (item == nullptr) {
                return;
            }
        }
        if (edit.Tag == -1) {
            chain = false;  // vetoed by the edit's own handler
        }
    }
    if (chain && typed && !moveFocus && item->Type != 'n' &&
        (item->Flags & CvFormatSpec::kAdvanceWhenFull) != 0 && item->MaxLength > 0 &&
        edit.text().size() == item->MaxLength) {
        moveFocus = true;
    }
    if (moveFocus && typed) {
        PostFocusNext(edit);
    }
}

bool CvEditConstraint::LimitTyping(Edit& edit, const EditConstraint_s& item, QString& text) {
    // A list's limit counts numbers, not characters: checked on leaving.
    if (item.MaxLength <= 0 || item.Type == 'n' || text.size() <= item.MaxLength) {
        return false;
    }
    const QString& before = FWatches[&edit].Shown;
    if (text.size() <= before.size()) {
        return false;  // shortening a longer text the program wrote
    }
    // What was typed lies between the parts the old and the new text share.
    const qsizetype common = before.size();
    qsizetype prefix = 0;
    while (prefix < common && text[prefix] == before[prefix]) {
        ++prefix;
    }
    qsizetype suffix = 0;
    while (suffix < common - prefix &&
           text[text.size() - 1 - suffix] == before[before.size() - 1 - suffix]) {
        ++suffix;
    }
    const qsizetype typedLength = text.size() - prefix - suffix;
    const qsizetype kept = std::clamp<qsizetype>(item.MaxLength - prefix - suffix, 0, typedLength);
    text = text.left(prefix + kept) + text.right(suffix);
    WriteBack(edit, text, prefix + kept, true);
    return true;
}

void CvEditConstraint::WriteBack(Edit& edit, const QString& text, qsizetype cursor, bool typed) {
    Edit* const outer = FWritingBack;
    FWritingBack = &edit;
    edit.setText(text);
    FWritingBack = outer;
    edit.setCursorPosition(static_cast<int>(cursor));
    edit.setModified(typed);
    FWatches[&edit].Shown = text;
}

void CvEditConstraint::Exited(Edit& edit) {
    EditConstraint_s* item = Find(&edit);
    if (item == nullptr) {
        return;
    }
    const QString text = edit.text();
    if (!IsReserved(text)) {
        const std::string refusal = FormatRefusal(FormatOf(*item), text.toStdString());
        if (!refusal.empty()) {
            Report(edit, refusal);
            return;
        }
        if (text.isEmpty()) {
            return;
        }
    }
    if (item->SavedOnExit) {
        item = CallSaved(item->SavedOnExit, edit);
        if (item == nullptr) {
            return;
        }
    }
    if (edit.Tag == -1) {
        const QString lastGood = item->LastGood;
        edit.setText(lastGood);
    } else if (RememberLastGood) {
        item->LastGood = edit.text();
    }
}

void CvEditConstraint::Report(Edit& edit, const std::string& message) {
    const std::weak_ptr<CvEditConstraint*> alive = FSelf;
    const QPointer<Edit> guard(&edit);
    CvMessageBox::Plain(Owner, QString::fromStdString(message));
    if (alive.expired() || guard.isNull()) {
        return;
    }
    const EditConstraint_s* item = Find(&edit);
    if (item == nullptr) {
        return;
    }
    const QString lastGood = item->LastGood;
    edit.setText(lastGood);
    if (guard.isNull()) {
        return;
    }
    // Posted: the focus is still on its way to the control that takes it.
    QMetaObject::invokeMethod(
        &edit,
        [guard] {
            if (guard) {
                guard->setFocus(Qt::OtherFocusReason);
            }
        },
        Qt::QueuedConnection);
}

void CvEditConstraint::PostFocusNext(Edit& edit) {
    QObject* const context = Owner != nullptr ? static_cast<QObject*>(Owner) : &edit;
    QMetaObject::invokeMethod(
        context,
        [control = QPointer<Edit>(&edit)] {
            if (control) {
                FocusNextControl(*control);
            }
        },
        Qt::QueuedConnection);
}
