#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CvSNMPVarList;

// The expression language of ReadExpr / WriteExpr items and row filters.

// Replaces every `marker` followed by decimal digits n ("$3") by the value of
// item n (counted from 0), mapped back through its option list. Booleans
// become "1"/"0", time ticks their tick count, bcdatetime a real number; any
// other non-numeric syntax is quoted when `quoteStrings` (conditions) and
// raises -513 otherwise. A "(NULL)" value raises -512, an item beyond the
// list -12. Inserted values are not scanned again.
std::string ExpandItemRefs(const CvSNMPVarList& list, std::string_view expr, char marker,
                           bool quoteStrings);

// + - * / over reals, split at the first operator, so chains associate to the
// right ("10-2-3" is 11). Parenthesised groups are evaluated first; "NOW" is
// the current date-time; any other operand is the real formed by its leading
// characters (0 when none).
double EvaluateNumber(std::string_view expr);

// | & ! with parentheses over comparisons "<>", ">=", "<=", ">", "<", "="
// of byte strings ("10" < "9"), or the words true/false. Operators inside the
// first double-quoted stretch do not count. A blank condition is true; any
// other operand raises -1.
bool EvaluateCondition(std::string_view expr);

// Sets the item's Value from its ReadExpr (afterRead) or WriteExpr, written in
// the item's syntax and shown through its option list. Without an expression
// the item is left alone. Whole-number results beyond the syntax's range
// saturate; a result that is not a finite number, or a date-time outside
// years 1 to 9999, raises -518.
void ComputeItemExpr(CvSNMPVarList& list, std::int32_t itemIndex, bool afterRead);
