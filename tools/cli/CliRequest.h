#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "CvException.h"
#include "CvSNMPRequest.h"

// A failure as vanta-cli reports it: the system's message and code, then
// lines that name what failed.
class CliFailure : public CvException {
public:
    CliFailure(const std::string& message, int code, std::vector<std::string> details)
        : CvException(message, code), Details(std::move(details)) {}

    std::vector<std::string> Details;
};

// The request engine as vanta-cli drives it: each exchange runs through the
// event pump to its completion, and a failure names the object the agent
// refused or the agent that did not answer. Failures raise CliFailure (or
// CvException for those that name nothing more).
class CliRequest : public CvSNMPRequest {
public:
    // A get's noSuchObject, noSuchInstance and endOfMibView, and values of
    // another kind than their syntax shows, are failures; the windows show
    // them as "(NULL)" or "".
    bool StrictValues = false;
    // Each write prints "OID = VALUE" here for what it wrote.
    std::ostream* Echo = nullptr;

    // One read exchange; true when a table row arrived, false at the end of
    // a walk and after the get of a scalar list or row.
    bool ReadRow(bool first);
    // One set of the writable items (or of `selection` with `values`).
    void WriteItems(const std::string& selection = "",
                    const std::vector<std::string>* values = nullptr);
    // After a walk: a readable column that gave no value in any row is asked
    // for with a get; one the agent does not know (noSuchObject) fails.
    void CheckUnfilledColumnsExist();

    void VbToText(std::int32_t itemIndex, const SnmpVarBind& vb) override;
    void TextToVb(std::int32_t itemIndex, SnmpVarBind& vb) override;

private:
    struct Sent {
        std::int32_t Item;
        std::string Oid;
        std::string Value;
    };
    struct Received {
        std::int32_t Item;
        std::string Oid;
        std::uint8_t Tag;
        bool Fits;
    };

    CvSNMPError Await(bool write, bool first, const std::string& selection,
                      const std::vector<std::string>* values);
    [[noreturn]] void Raise(const CvSNMPError& error) const;
    std::string ObjectName(std::int32_t item, const std::string& oid) const;
    std::string KeyCountHint() const;

    std::vector<Sent> FSent;          // the bindings of the latest request, in order
    std::vector<Received> FReceived;  // the values of the latest response
    std::vector<bool> FFilled;        // per item: a value arrived in some row of the walk
};
