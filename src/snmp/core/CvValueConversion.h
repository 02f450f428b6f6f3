#pragma once

#include "CvSNMPVar.h"
#include "SnmpVarBind.h"

// Every value lives as display text in an item's Value. These convert between
// that text and the value of a variable binding, by the item's syntax code and
// through its option list. Unknown syntax codes raise -511.

// Received value -> item.Value. A value of another kind than the syntax
// expects (an OCTET STRING for an INTEGER item, say) shows as "(NULL)"; for
// the hexadecimal syntaxes (3, 4, 68, 73, 77) and display strings (76) it
// shows as "". A DateAndTime shorter than 8 bytes raises -518.
void VbToText(CvSNMPVar& item, const SnmpVarBind& vb);

// item.Value -> the value of `vb` (its Oid is left alone). "(NULL)" sends NULL.
// A text the value check refuses raises its refusal (CvValueCheck.h): nothing
// goes out as a value the user did not write.
void TextToVb(const CvSNMPVar& item, SnmpVarBind& vb);

// True when `vb` carries a value of the kind the syntax shows; false for
// NULL, the exception values and every value VbToText shows as "(NULL)" or
// as "" for that reason. An empty string fits the string syntaxes.
bool VbFitsSyntax(std::uint32_t syntax, const SnmpVarBind& vb);

// True for the syntax codes a variable (not a packed field) may have.
bool IsVariableSyntax(std::uint32_t syntax);
