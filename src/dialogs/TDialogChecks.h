#pragma once

#include <QString>

#include <optional>
#include <vector>

class QLineEdit;

// Checks and conversions several dedicated dialogs share.

// "" when `text` is a MAC address of twelve hexadecimal digits, else the
// refusal: "Invalid Macaddrss" (empty, or a non-hex digit among the first
// twelve), "Invalid Macaddress" (not twelve digits long).
QString MacTextRefusal(const QString& text);

// "" when `text` is exactly `digits` hexadecimal digits, else `refusal`
// (the same for a wrong digit and a wrong length).
QString HexDigitsRefusal(const QString& text, int digits, const QString& refusal);

// "" when `text` is a dotted IPv4 address, else "Please input a valid ip".
// A group other than the last is 1 to 255 or a lone 0; a zero group written
// with "00" is refused.
QString Ipv4TextRefusal(const QString& text);

// "" when `text` is an IPv6 address written as 32 hexadecimal digits, else
// "Please input a valid IPv6 address".
QString Ipv6TextRefusal(const QString& text);
// "" when `text` is an IPv6 mask of 32 hexadecimal digits whose one bits all
// lead (f digits, at most one of 8, c or e, then zeros), else
// "Please input a valid Mask".
QString Ipv6MaskRefusal(const QString& text);

// A global port number is (unit - 1) * 64 + port.
struct TUnitPort {
    int Unit;
    int Port;
};
TUnitPort SplitGlobalPort(int global);
int GlobalPort(int unit, int port);

// The stack units a dialog offers: one unit of the default model.
struct TUnitEntry {
    int Unit;
    int PortCount;
    QString Model;
};
std::vector<TUnitEntry> DefaultUnitList();
// Whether `port` is a port of `unit` in `units`.
bool ValidUnitPort(const std::vector<TUnitEntry>& units, int unit, int port);

// The text as a whole number, or nothing (empty, letters, out of range).
std::optional<int> IntOfText(const QString& text);
// The same, raising the module's range message when it is none.
int StrictIntOfText(const QString& text);

// An edit that takes digits and backspace only; other keys beep.
void AcceptDigitsOnly(QLineEdit* edit);
