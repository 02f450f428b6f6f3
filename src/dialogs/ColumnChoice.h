#pragma once

#include <QString>

#include <set>
#include <vector>

class QWidget;

// Which columns of a row a write leaves out, decided from the dialog's
// controls by rules taken in order: a rule whose conditions all hold
// excludes its columns and may take others back in.

enum class TControlTest {
    Empty,      // an edit or combo box shows no text
    Reads,      // the text shown is Text
    At,         // a combo box is at Position
    Unchecked,  // a check box
};

struct TControlIs {
    const char* Control;
    TControlTest Test;
    const char* Text = nullptr;
    int Position = -1;
};

constexpr TControlIs IsEmpty(const char* control) {
    return {control, TControlTest::Empty};
}
constexpr TControlIs Reads(const char* control, const char* text) {
    return {control, TControlTest::Reads, text};
}
constexpr TControlIs At(const char* control, int position) {
    return {control, TControlTest::At, nullptr, position};
}
constexpr TControlIs Unchecked(const char* control) {
    return {control, TControlTest::Unchecked};
}

struct TColumnRule {
    std::vector<TControlIs> When;
    std::vector<int> Exclude;
    std::vector<int> Include{};
};

using TColumnChoice = std::vector<TColumnRule>;

// The text an edit or a combo box shows; "" for other controls.
QString ShownText(const QWidget& control);

bool ControlIs(const QWidget& form, const TControlIs& condition);

// The columns `choice` excludes, starting from `excluded`.
std::set<int> ExcludedColumns(const QWidget& form, const TColumnChoice& choice,
                              std::set<int> excluded = {});
