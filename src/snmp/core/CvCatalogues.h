#pragma once

#include <ctime>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "CvErrorCodes.h"

// The seven message catalogues. Each is built in and may be replaced once at
// start-up by a file of the same content below the module folder.
enum class CvCatalogue { Common, Pdu, SnmpV3, Usm, SnmpClass, CvSnmp, Status };
constexpr int kCatalogueCount = 7;

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

// Common message `index` with its placeholders ("[MIN]", "[LEN]", ...)
// filled, every occurrence.
std::string CommonMessage(int index,
                          std::initializer_list<std::pair<std::string_view, std::string>> fills);

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
