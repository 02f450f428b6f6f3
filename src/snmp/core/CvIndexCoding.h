#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CvSNMPVarList.h"

// Table index values inside object identifiers. A row's instance suffix is
// the encodings of the list's PKeyCount key items, in key order.
// Variable-length keys carry a length sub-identifier, except the last key
// when it is IMPLIED.

// Decodes key `keyIndex` from the front of `suffix` (dotted decimal) into the
// key item's Value and returns the rest of the suffix. A suffix that runs out,
// is not dotted decimal, or holds a byte above 255 where bytes are expected
// raises -514; an unknown syntax -511.
std::string DecodeIndex(CvSNMPVarList& list, std::int32_t keyIndex, std::string_view suffix);

// The sub-identifiers (dotted) that encode key `keyIndex`'s Value; empty when
// nothing is appended (a NULL key, or an address shorter than its width).
std::string EncodeIndex(const CvSNMPVarList& list, std::int32_t keyIndex);

// The encoded keys 0 to PKeyCount - 1 joined by ".", keys that encode to
// nothing left out.
std::string EncodeRowIndex(const CvSNMPVarList& list);
