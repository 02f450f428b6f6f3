#include "TDialogChecks.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>

#include <limits>

#include "CvBeep.h"
#include "CvValueCheck.h"
#include "TStackingPortUitForm.h"

namespace {

constexpr int kMacDigits = 12;
constexpr int kMaxIpv4Text = 15;
constexpr int kIpv6Digits = 32;
constexpr int kBeepHz = 1000;
constexpr int kBeepMs = 200;

bool IsHexDigit(QChar c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

class DigitsOnlyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (key->key() == Qt::Key_Backspace || text.isEmpty() || text[0].isDigit() ||
            !text[0].isPrint()) {
            return QObject::eventFilter(watched, event);
        }
        CvBeep(kBeepHz, kBeepMs);
        return true;
    }
};

}  // namespace

QString MacTextRefusal(const QString& text) {
    if (text.isEmpty()) {
        return "Invalid Macaddrss";
    }
    for (int i = 0; i < text.size() && i < kMacDigits; ++i) {
        if (!IsHexDigit(text[i])) {
            return "Invalid Macaddrss";
        }
    }
    return text.size() == kMacDigits ? QString() : QString("Invalid Macaddress");
}

QString HexDigitsRefusal(const QString& text, int digits, const QString& refusal) {
    if (text.size() != digits) {
        return refusal;
    }
    for (const QChar c : text) {
        if (!IsHexDigit(c)) {
            return refusal;
        }
    }
    return {};
}

QString Ipv4TextRefusal(const QString& text) {
    const QString refusal = "Please input a valid ip";
    if (text.isEmpty() || text.size() > kMaxIpv4Text || text.startsWith('.')) {
        return refusal;
    }
    for (const QChar c : text) {
        if (!c.isDigit() && c != '.') {
            return refusal;
        }
    }
    const QStringList groups = text.split('.');
    if (groups.size() != 4) {
        return refusal;
    }
    for (int g = 0; g < groups.size(); ++g) {
        const QString& group = groups[g];
        const bool last = g == groups.size() - 1;
        if (group.isEmpty() || (!last && group.size() > 3)) {
            return refusal;  // a dot not followed by a digit, or a long group
        }
        const int value = group.toInt();
        const bool zero = value == 0;
        if (value > 255 || (zero && group.contains("00")) || (!last && zero && group.size() > 1)) {
            return refusal;
        }
    }
    return {};
}

QString Ipv6TextRefusal(const QString& text) {
    return HexDigitsRefusal(text, kIpv6Digits, "Please input a valid IPv6 address");
}

QString Ipv6MaskRefusal(const QString& text) {
    const QString refusal = "Please input a valid Mask";
    if (text.size() != kIpv6Digits) {
        return refusal;
    }
    int i = 0;
    while (i < text.size() && text[i].toLower() == 'f') {
        ++i;
    }
    // The nibble where the ones end, then only zeros.
    if (i < text.size() && !QString("08ceCE").contains(text[i++])) {
        return refusal;
    }
    for (; i < text.size(); ++i) {
        if (text[i] != '0') {
            return refusal;
        }
    }
    return {};
}

TUnitPort SplitGlobalPort(int global) {
    const int unit = global / TStackingPortUitForm::kPortsPerUnit;
    const int port = global % TStackingPortUitForm::kPortsPerUnit;
    if (port != 0) {
        return {unit + 1, port};
    }
    return {unit, global != 0 ? TStackingPortUitForm::kPortsPerUnit : 0};
}

int GlobalPort(int unit, int port) {
    return (unit - 1) * TStackingPortUitForm::kPortsPerUnit + port;
}

std::vector<TUnitEntry> DefaultUnitList() {
    return {{1, PortCountOfModel("Vanta-A"), "Vanta-A"}};
}

bool ValidUnitPort(const std::vector<TUnitEntry>& units, int unit, int port) {
    for (const TUnitEntry& entry : units) {
        if (entry.Unit == unit) {
            return port > 0 && port <= entry.PortCount;
        }
    }
    return false;
}

std::optional<int> IntOfText(const QString& text) {
    try {
        return StrictIntOfText(text);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

int StrictIntOfText(const QString& text) {
    return static_cast<int>(IntegerOfText(text.toStdString(), std::numeric_limits<int>::min(),
                                          std::numeric_limits<int>::max()));
}

void AcceptDigitsOnly(QLineEdit* edit) {
    edit->installEventFilter(new DigitsOnlyFilter(edit));
}
