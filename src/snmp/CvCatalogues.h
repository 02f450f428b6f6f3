#pragma once

#include <ctime>
#include <string>

// The seven message catalogues. Each is built in and may be replaced once at
// start-up by a file of the same content below the module folder.
enum class CvCatalogue { Common, Pdu, SnmpV3, Usm, SnmpClass, CvSnmp, Status };
constexpr int kCatalogueCount = 7;

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

// Index of the status templates.
constexpr int kStatusRead = 0;
constexpr int kStatusWrite = 1;

// The file of a catalogue relative to the module folder ("errmsg/common.err").
std::string CatalogueFileName(CvCatalogue catalogue);

// Text `index` of a catalogue. A replaced catalogue with fewer lines falls back
// to the built-in text of that index; an index beyond both gives "".
const std::string& CatalogueText(CvCatalogue catalogue, int index);

// Replaces a catalogue by the non-blank lines of a file. A missing or blank
// file leaves the current texts. Returns true when the catalogue was replaced.
bool LoadCatalogue(const std::string& fileName, CvCatalogue catalogue);
// Loads all seven catalogues from `moduleFolder`/errmsg, in catalogue order.
void LoadCatalogues(const std::string& moduleFolder);
// Back to the built-in texts.
void ResetCatalogues();

// The message of a code of the system's ranges; -528's text for any other code.
const std::string& CodeMessage(int code);

struct CvSnmpResult {
    int Code;
    std::string Message;
};
// Maps an SNMP++-numbered result (PDU error status, USM and v3 message
// processing results, class errors) to the system's code and message.
CvSnmpResult MapSnmpResult(int result);

// The status line of an exchange: `tmpl` with "[ERROR]", "[VARLIST]" and
// "[TIME]" filled ("hh:nn:ss AM"); an empty list name drops the request part.
std::string StatusText(const std::string& tmpl, const std::string& message,
                       const std::string& listName, const std::tm& now);
