#include "DialogTestSupport.h"

#include <QLabel>
#include <QLineEdit>

#include "CheckBox.h"
#include "ComboBox.h"
#include "ListView.h"
#include "TStackingPortUitForm.h"

namespace gui_test {

void DialogTest::SetUp() {
    GuiTest::SetUp();
    UseSimulator();
    // What earlier tests sent is theirs.
    FSets = std::make_unique<agents::SetLogCursor>(SharedSim().SetLogPath());
}

std::vector<std::string> ColumnsOf(const std::vector<std::string>& sent, const std::string& entry) {
    std::vector<std::string> columns;
    for (const std::string& varbind : sent) {
        if (varbind.rfind(entry, 0) == 0) {
            const std::string rest = varbind.substr(entry.size());
            columns.push_back(rest.substr(0, rest.find('.')) + rest.substr(rest.find('=')));
        }
    }
    return columns;
}

std::vector<std::string> DialogTest::Sent() {
    std::vector<std::string> sent;
    for (const std::vector<std::string>& request : SentRequests()) {
        sent.insert(sent.end(), request.begin(), request.end());
    }
    return sent;
}

std::vector<std::vector<std::string>> DialogTest::SentRequests() {
    std::vector<std::vector<std::string>> requests;
    std::string id;
    for (const agents::SetLogLine& line : FSets->Since()) {
        if (requests.empty() || line.RequestId != id) {
            requests.emplace_back();
            id = line.RequestId;
        }
        requests.back().push_back(line.Oid + "=" + line.Value);
    }
    return requests;
}

bool DialogTest::Idle(const TTableDialog& form) {
    for (std::size_t k = 0; k < form.Requests.size(); ++k) {
        if (form.Request(k)->Busy) {
            return false;
        }
    }
    return true;
}

void DialogTest::WaitIdle(const TTableDialog& form) {
    EXPECT_TRUE(PumpUntil([&] { return Idle(form); }));
}

int DialogTest::LineOf(const ListView& list, const QString& caption) {
    for (int line = 0; line < list.LineCount(); ++line) {
        if (list.Caption(line) == caption) {
            return line;
        }
    }
    return -1;
}

void DialogTest::Tick(TStackingPortUitForm* grid, std::initializer_list<int> ports, bool on) {
    for (const int port : ports) {
        grid->PortCheckBoxes[static_cast<std::size_t>(port - 1)]->setChecked(on);
    }
}

void DialogTest::SetText(const TTableDialog& form, const char* name, const QString& text) {
    auto* edit = form.findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    edit->setText(text);
}

QString DialogTest::Text(const TTableDialog& form, const char* name) {
    QWidget* control = form.findChild<QWidget*>(name);
    EXPECT_NE(control, nullptr) << name;
    if (auto* combo = dynamic_cast<ComboBox*>(control)) {
        return combo->currentText();
    }
    return control != nullptr ? control->property("text").toString() : QString();
}

void DialogTest::Choose(const TTableDialog& form, const char* name, const QString& entry) {
    auto* combo = form.findChild<ComboBox*>(name);
    ASSERT_NE(combo, nullptr) << name;
    const int index = combo->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace gui_test
