#pragma once

#include <QString>

#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "SetLog.h"
#include "TTableDialog.h"

class TStackingPortUitForm;

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Driving the dedicated dialogs: their lists, grids and the SETs they sent.
namespace gui_test {

// The varbinds under `entry` as "COLUMN=VALUE", in the order sent; octets are
// logged in hexadecimal.
std::vector<std::string> ColumnsOf(const std::vector<std::string>& sent, const std::string& entry);

class DialogTest : public GuiTest {
protected:
    void SetUp() override;

    // The SETs the shared simulator received since the last call, as
    // "OID=VALUE" of each varbind.
    std::vector<std::string> Sent();
    // The same, one list a SET request.
    std::vector<std::vector<std::string>> SentRequests();

    static bool Idle(const TTableDialog& form);
    static void WaitIdle(const TTableDialog& form);
    // The line of list `list` whose caption is `caption`; -1 when none.
    static int LineOf(const ListView& list, const QString& caption);
    static void Tick(TStackingPortUitForm* grid, std::initializer_list<int> ports, bool on = true);
    static void SetText(const TTableDialog& form, const char* name, const QString& text);
    static QString Text(const TTableDialog& form, const char* name);
    // Chooses an entry of a combo box by its text, as the user does.
    static void Choose(const TTableDialog& form, const char* name, const QString& entry);
    QString LastBox() const { return Boxes.empty() ? QString() : Boxes.back().Text; }

private:
    std::unique_ptr<agents::SetLogCursor> FSets;
};

}  // namespace gui_test
