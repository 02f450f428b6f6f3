#pragma once

// Codes raised by the access layer and the checks.
constexpr int kOk = 0;
constexpr int kErrBadLogicOperand = -1;
constexpr int kErrBadFormatSpec = -2;
constexpr int kErrIndexOutOfRange = -12;
constexpr int kErrNoSuchName = -102;
constexpr int kErrTimeout = -405;
constexpr int kErrInvalidOid = -417;
constexpr int kErrInvalidAddress = -418;
constexpr int kErrCreateSession = -506;
constexpr int kErrLoadBoots = -507;
constexpr int kErrSaveBoots = -508;
constexpr int kErrBadAddress = -509;
constexpr int kErrGetNextSingle = -510;
constexpr int kErrBadSyntax = -511;
constexpr int kErrNullInExpression = -512;
constexpr int kErrBadSyntaxInExpression = -513;
constexpr int kErrBadKeyCount = -514;
constexpr int kErrBadItemType = -515;
constexpr int kErrBadPartialSyntax = -517;
constexpr int kErrBadPartialValue = -518;
constexpr int kErrPartialOutOfRange = -519;
constexpr int kErrNoOptionList = -520;
constexpr int kErrBadControlType = -521;
constexpr int kErrTooFewControls = -522;
constexpr int kErrUnknown = -528;

// Common messages of the input checks (their code is minus the index).
constexpr int kMsgEmpty = 3;
constexpr int kMsgTextTooLong = 4;
constexpr int kMsgTextLength = 5;
constexpr int kMsgHexTooLong = 6;
constexpr int kMsgHexLength = 7;
constexpr int kMsgRange = 8;
constexpr int kMsgTooManyNumbers = 9;
constexpr int kMsgNumberCount = 10;
constexpr int kMsgListRange = 11;
