#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "SummerTimeRules.h"
#include "TConfigForm.h"

class QWidget;

// The controls of one composite date row: its container panel first, then
// the part controls left to right.
using TCtrlsList = std::vector<QWidget*>;

// The switch's daylight-saving rule: off, a repeating rule or an annual one,
// on the scalar editor panel with the four date rows made of small controls,
// each bound to its octets of the row's value. Only the date rows of the
// chosen kind are shown, read and written. Blocking; messages in the memo.
// The window reads once on screen and waits for a running exchange when it
// closes, as every configuration window does.
class TSummerTimeForm : public TConfigForm {
public:
    // Rows of the summer-time group.
    static constexpr std::int32_t kStatusRow = 0;
    static constexpr std::int32_t kOffsetRow = 1;
    static constexpr std::int32_t kRepeatStartRow = 2;
    static constexpr std::int32_t kRepeatEndRow = 3;
    static constexpr std::int32_t kAnnualStartRow = 4;
    static constexpr std::int32_t kAnnualEndRow = 5;
    static constexpr std::int32_t kRowCount = 6;

    explicit TSummerTimeForm(QWidget* owner);

    // Get: the status first, then the offset and the date rows of its kind.
    void Refresh() override;
    // Set: after the checks, the status alone, then the offset and the date
    // rows of the status's kind; each row only when its box is ticked.
    void SetClick();
    // The date rows of the status's kind shown; the others hidden and unticked.
    void StatusChange();

    // Null once the window has closed.
    CvSNMPRequest2Edits* Binding() const;
    // Of rows 2 to 5, in row order.
    std::array<TCtrlsList, 4> CtrlsLists;

private:
    void BuildDateRow(std::int32_t row);
    TSummerTimeInput Input() const;
    TSummerTimeDate DateOf(std::int32_t row) const;
    // The container's text: "-" when every part holds something, else "".
    void MarkFilled();
    // Writes the rows in `written` that are ticked; nothing when none is.
    bool WriteRows(const std::vector<std::int32_t>& written);
    // Date rows of the kind the status combo shows.
    std::vector<std::int32_t> DateRowsOfStatus() const;
    // Whether a read or write may start now.
    bool Idle() const;
};
