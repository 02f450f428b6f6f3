#include "CvExpression.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvRealDateTime.h"
#include "CvSNMPVarList.h"
#include "CvTextUtil.h"
#include "CvTimeTicks.h"

namespace {

constexpr std::string_view kNullText = "(NULL)";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// ---- item references ------------------------------------------------------

std::string ItemRefText(const CvSNMPVar& item, bool quoteStrings) {
    if (item.Value == kNullText) {
        CvRaise(kErrNullInExpression);
    }
    std::string value = item.Options ? item.Options->LabelToValue(item.Value) : item.Value;
    if (value == kNullText) {
        CvRaise(kErrNullInExpression);
    }
    switch (item.Syntax) {
        case CvSyntax::boolean:
        case CvSyntax::bool8:
        case CvSyntax::bool16:
            return value == "true" ? "1" : "0";
        case CvSyntax::integer:
        case CvSyntax::counter:
        case CvSyntax::guage:
        case CvSyntax::counter64:
        case CvSyntax::uinteger:
        case CvSyntax::double_:
        case CvSyntax::int8:
        case CvSyntax::uint8:
        case CvSyntax::int16:
        case CvSyntax::uint16:
            return value;
        case CvSyntax::timeticks:
            return std::to_string(TextToTimeTicks(value));
        case CvSyntax::bcdatetime:
            return RealToText(TextToRealDateTime(value));
        default:
            if (!quoteStrings) {
                CvRaise(kErrBadSyntaxInExpression);
            }
            return "\"" + value + "\"";
    }
}

// ---- numbers ----------------------------------------------------------------

// A parenthesised group is replaced by a token standing for its exact value:
// written back as decimal text, a negative or exponent result ("1e-05") would
// be split again at its own sign. The token is kValueMark, the value's index
// in letters, kValueMark.
constexpr char kValueMark = '\x01';
// Takes the place of kValueMark in the caller's text; both read as no number.
constexpr char kValueMarkStandIn = '\x02';

class NumberEvaluator {
public:
    double Evaluate(std::string_view text);

private:
    std::string ResolveGroups(std::string_view text);
    double EvaluateGroup(std::string_view inner);
    std::string Token(double value);
    double Leaf(std::string_view text) const;

    std::vector<double> Values;
};

std::size_t MatchingClose(std::string_view text, std::size_t open) {
    std::size_t depth = 0;
    for (std::size_t pos = open; pos < text.size(); ++pos) {
        if (text[pos] == '(') {
            ++depth;
        } else if (text[pos] == ')' && --depth == 0) {
            return pos;
        }
    }
    return std::string_view::npos;
}

std::string NumberEvaluator::Token(double value) {
    std::size_t index = Values.size();
    Values.push_back(value);
    std::string token(1, kValueMark);
    do {
        token += static_cast<char>('a' + index % 16);
        index /= 16;
    } while (index != 0);
    token += kValueMark;
    return token;
}

// Groups from the first "(" on, as long as that "(" has its ")".
std::string NumberEvaluator::ResolveGroups(std::string_view text) {
    std::string out;
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = text.find('(', pos);
        const std::size_t close = open == std::string_view::npos ? open : MatchingClose(text, open);
        if (close == std::string_view::npos) {
            out.append(text.substr(pos));
            return out;
        }
        out.append(text.substr(pos, open - pos));
        out += Token(EvaluateGroup(text.substr(open + 1, close - open - 1)));
        pos = close + 1;
    }
}

// `inner` is balanced; innermost groups first, with a stack instead of
// recursion so that deep nesting cannot exhaust the call stack.
double NumberEvaluator::EvaluateGroup(std::string_view inner) {
    std::vector<std::string> open(1);
    for (const char c : inner) {
        if (c == '(') {
            open.emplace_back();
        } else if (c == ')') {
            const double value = Evaluate(open.back());
            open.pop_back();
            open.back() += Token(value);
        } else {
            open.back() += c;
        }
    }
    return Evaluate(open.front());
}

double NumberEvaluator::Leaf(std::string_view text) const {
    const std::string trimmed = Trim(text);
    if (EqualsNoCase(trimmed, "NOW")) {
        return CurrentRealDateTime();
    }
    if (text.find(kValueMark) == std::string_view::npos) {
        return ReadLeadingReal(text);
    }
    std::string written;
    for (std::size_t pos = 0; pos < trimmed.size();) {
        if (trimmed[pos] != kValueMark) {
            written += trimmed[pos++];
            continue;
        }
        const std::size_t end = trimmed.find(kValueMark, pos + 1);
        std::size_t index = 0;
        for (std::size_t i = end; i > pos + 1; --i) {
            index = index * 16 + static_cast<std::size_t>(trimmed[i - 1] - 'a');
        }
        if (pos == 0 && end + 1 == trimmed.size()) {
            return Values[index];
        }
        written += RealToText(Values[index]);
        pos = end + 1;
    }
    // A group glued to other characters reads as its written value would.
    return ReadLeadingReal(written);
}

double Apply(char op, double left, double right) {
    switch (op) {
        case '+':
            return left + right;
        case '-':
            return left - right;
        case '*':
            return left * right;
        default:
            return left / right;
    }
}

// Splits at the first operator of the highest level present; the right side
// is the rest of the chain, folded back once its end is reached.
double NumberEvaluator::Evaluate(std::string_view start) {
    std::vector<std::pair<char, double>> pending;
    std::string text(start);
    double value = 0;
    while (true) {
        text = ResolveGroups(text);
        std::size_t at = std::string::npos;
        char op = 0;
        for (const char candidate : {'+', '-', '*', '/'}) {
            at = text.find(candidate);
            if (at != std::string::npos) {
                op = candidate;
                break;
            }
        }
        if (op == 0) {
            value = Leaf(text);
            break;
        }
        const std::string_view left = std::string_view(text).substr(0, at);
        const bool leftIsChain = op == '+' || op == '-';
        pending.emplace_back(op, leftIsChain ? Evaluate(left) : Leaf(left));
        text.erase(0, at + 1);
    }
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
        value = Apply(it->first, it->second, value);
    }
    return value;
}

// ---- conditions ---------------------------------------------------------------

// The first double-quoted stretch, quotes included; an unclosed one runs to
// the end of the text.
struct QuotedStretch {
    std::size_t Begin = std::string_view::npos;
    std::size_t End = std::string_view::npos;

    explicit QuotedStretch(std::string_view text) : Begin(text.find('"')) {
        if (Begin != std::string_view::npos) {
            End = text.find('"', Begin + 1);
            if (End == std::string_view::npos) {
                End = text.size();
            }
        }
    }
    bool Covers(std::size_t pos) const {
        return Begin != std::string_view::npos && pos >= Begin && pos <= End;
    }
};

std::size_t FindOutside(std::string_view text, std::string_view op, const QuotedStretch& quoted) {
    std::size_t pos = text.find(op);
    while (pos != std::string_view::npos && quoted.Covers(pos)) {
        pos = text.find(op, quoted.End + 1);
    }
    return pos;
}

std::size_t MatchingCloseOutside(std::string_view text, std::size_t open,
                                 const QuotedStretch& quoted) {
    std::size_t depth = 0;
    for (std::size_t pos = open; pos < text.size(); ++pos) {
        if (quoted.Covers(pos)) {
            continue;
        }
        if (text[pos] == '(') {
            ++depth;
        } else if (text[pos] == ')' && --depth == 0) {
            return pos;
        }
    }
    return std::string_view::npos;
}

std::string ComparisonSide(std::string_view side) {
    std::string text = Unquote(Trim(side));
    if (EqualsNoCase(text, "NOW")) {
        text = RealToText(CurrentRealDateTime());
    }
    return text;
}

bool Compare(std::string_view op, const std::string& left, const std::string& right) {
    if (op == "<>") {
        return left != right;
    }
    if (op == ">=") {
        return left >= right;
    }
    if (op == "<=") {
        return left <= right;
    }
    if (op == ">") {
        return left > right;
    }
    if (op == "<") {
        return left < right;
    }
    return left == right;
}

bool ConditionLeaf(std::string_view text, const QuotedStretch& quoted) {
    for (const std::string_view op : {"<>", ">=", "<=", ">", "<", "="}) {
        const std::size_t at = FindOutside(text, op, quoted);
        if (at != std::string_view::npos) {
            return Compare(op, ComparisonSide(text.substr(0, at)),
                           ComparisonSide(text.substr(at + op.size())));
        }
    }
    const std::string word = Trim(text);
    if (EqualsNoCase(word, "true")) {
        return true;
    }
    if (EqualsNoCase(word, "false")) {
        return false;
    }
    CvRaise(kErrBadLogicOperand);
}

// The right side of "|", "&" and "!" is the rest of the text, so it is taken
// up by the loop; only left sides and groups recurse.
bool Condition(std::string text) {
    bool negated = false;
    while (true) {
        if (Trim(text).empty()) {
            return !negated;
        }
        const QuotedStretch quoted(text);
        const std::size_t open = FindOutside(text, "(", quoted);
        if (open != std::string::npos) {
            const std::size_t close = MatchingCloseOutside(text, open, quoted);
            if (close != std::string::npos) {
                const bool inner = Condition(text.substr(open + 1, close - open - 1));
                text.replace(open, close - open + 1, inner ? "true" : "false");
                continue;
            }
        }
        std::size_t at = FindOutside(text, "|", quoted);
        if (at != std::string::npos) {
            if (Condition(text.substr(0, at))) {
                return !negated;
            }
            text.erase(0, at + 1);
            continue;
        }
        at = FindOutside(text, "&", quoted);
        if (at != std::string::npos) {
            if (!Condition(text.substr(0, at))) {
                return negated;
            }
            text.erase(0, at + 1);
            continue;
        }
        at = FindOutside(text, "!", quoted);
        if (at != std::string::npos) {
            negated = !negated;
            text.erase(0, at + 1);
            continue;
        }
        return ConditionLeaf(text, quoted) != negated;
    }
}

// ---- item expressions -----------------------------------------------------------

// The value truncated toward zero and held to the range of T, as integer
// texts are read elsewhere; only a result that is no number at all raises -518.
template <typename T>
T Saturated(double value) {
    if (!std::isfinite(value)) {
        CvRaise(kErrBadPartialValue);
    }
    const double truncated = std::trunc(value);
    // 2^digits is the first whole number above T's range, exact as a double.
    const double above = std::ldexp(1.0, std::numeric_limits<T>::digits);
    if (truncated >= above) {
        return std::numeric_limits<T>::max();
    }
    if (truncated <= static_cast<double>(std::numeric_limits<T>::lowest())) {
        return std::numeric_limits<T>::lowest();
    }
    return static_cast<T>(truncated);
}

double Finite(double value) {
    if (!std::isfinite(value)) {
        CvRaise(kErrBadPartialValue);
    }
    return value;
}

std::string NumberInSyntax(double value, std::uint32_t syntax) {
    switch (syntax) {
        case CvSyntax::boolean:
            return Finite(value) != 0 ? "true" : "false";
        case CvSyntax::integer:
            return std::to_string(Saturated<std::int32_t>(value));
        case CvSyntax::counter:
        case CvSyntax::guage:
        case CvSyntax::uinteger:
            return std::to_string(Saturated<std::uint32_t>(value));
        case CvSyntax::timeticks:
            return TimeTicksToText(Saturated<std::uint32_t>(value));
        case CvSyntax::counter64:
            return std::to_string(Saturated<std::uint64_t>(value));
        case CvSyntax::double_:
            return RealToText(Finite(value));
        case CvSyntax::bcdatetime:
            return RealDateTimeToText(Finite(value));
        default:
            CvRaise(kErrBadSyntaxInExpression);
    }
}

}  // namespace

std::string ExpandItemRefs(const CvSNMPVarList& list, std::string_view expr, char marker,
                           bool quoteStrings) {
    std::string out;
    std::size_t pos = 0;
    while (pos < expr.size()) {
        std::size_t end = pos + 1;
        if (expr[pos] == marker) {
            while (end < expr.size() && IsDigit(expr[end])) {
                ++end;
            }
        }
        if (end == pos + 1) {
            out += expr[pos++];
            continue;
        }
        const std::uint32_t index = ReadLeadingUInt32(expr.substr(pos + 1, end - pos - 1));
        if (index >= static_cast<std::uint32_t>(list.GetCount())) {
            CvRaise(kErrIndexOutOfRange);
        }
        out += ItemRefText(list.Item(static_cast<std::int32_t>(index)), quoteStrings);
        pos = end;
    }
    return out;
}

double EvaluateNumber(std::string_view expr) {
    std::string text(expr);
    for (char& c : text) {
        if (c == kValueMark) {
            c = kValueMarkStandIn;
        }
    }
    NumberEvaluator evaluator;
    return evaluator.Evaluate(text);
}

bool EvaluateCondition(std::string_view expr) {
    return Condition(std::string(expr));
}

void ComputeItemExpr(CvSNMPVarList& list, std::int32_t itemIndex, bool afterRead) {
    const CvSNMPVar& item = list.Item(itemIndex);
    const std::string& expr = afterRead ? item.ReadExpr : item.WriteExpr;
    if (expr.empty()) {
        return;
    }
    const double value = EvaluateNumber(ExpandItemRefs(list, expr, '$', false));
    std::string text = NumberInSyntax(value, item.Syntax);
    if (item.Options != nullptr) {
        text = item.Options->ValueToLabel(text);
    }
    list.Item(itemIndex).Value = std::move(text);
}
