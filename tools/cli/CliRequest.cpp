#include "CliRequest.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cstdio>

#include "CvCatalogues.h"
#include "CvMibCatalogue.h"
#include "CvValueConversion.h"

namespace {

struct Completion {
    bool Done = false;
    CvSNMPError Error;
};

void Completed(void* context, CvSNMPError& error, CvSNMPVarList& /*vars*/) {
    auto* completion = static_cast<Completion*>(context);
    completion->Error = error;
    completion->Done = true;
}

bool IsException(std::uint8_t tag) {
    return tag == AsnTag::NoSuchObject || tag == AsnTag::NoSuchInstance ||
           tag == AsnTag::EndOfMibView;
}

std::string TagName(std::uint8_t tag) {
    switch (tag) {
        case AsnTag::Integer:
            return "INTEGER";
        case AsnTag::OctetString:
            return "OCTET STRING";
        case AsnTag::Null:
            return "NULL";
        case AsnTag::ObjectId:
            return "OBJECT IDENTIFIER";
        case AsnTag::IpAddress:
            return "IpAddress";
        case AsnTag::Counter32:
            return "Counter32";
        case AsnTag::Gauge32:
            return "Gauge32";
        case AsnTag::TimeTicks:
            return "TimeTicks";
        case AsnTag::Opaque:
            return "Opaque";
        case AsnTag::NsapAddress:
            return "NsapAddress";
        case AsnTag::Counter64:
            return "Counter64";
        case AsnTag::UInteger32:
            return "UInteger32";
        case AsnTag::NoSuchObject:
            return "noSuchObject";
        case AsnTag::NoSuchInstance:
            return "noSuchInstance";
        case AsnTag::EndOfMibView:
            return "endOfMibView";
        default:
            return "tag " + std::to_string(tag);
    }
}

std::string Plural(std::int32_t n, const std::string& word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

std::string AgentText(const std::string& address, std::uint16_t port) {
    const bool ipv6 = address.find(':') != std::string::npos;
    return (ipv6 ? "[" + address + "]" : address) + ":" + std::to_string(port);
}

}  // namespace

bool CliRequest::ReadRow(bool first) {
    if (first) {
        FFilled.assign(static_cast<std::size_t>(Vars.GetCount()), false);
    }
    const CvSNMPError error = Await(false, first, "", nullptr);
    if (error.Code != kOk) {
        Raise(error);
    }
    if (StrictValues) {
        // The first refused value decides the message; every one is named.
        std::vector<std::string> details;
        int code = kOk;
        for (const Received& r : FReceived) {
            const bool absent = IsException(r.Tag);
            if (r.Fits || (absent && Vars.IsTable())) {
                continue;
            }
            const CvSNMPVar& item = Vars.Item(r.Item);
            const char* syntax = SyntaxName(item.Syntax);
            code = code != kOk ? code : absent ? kErrNoSuchName : kErrBadSyntax;
            details.push_back("Failed object: " + ObjectName(r.Item, r.Oid) + " (" +
                              (absent ? TagName(r.Tag)
                                      : TagName(r.Tag) + " value for the syntax " +
                                            (syntax != nullptr ? syntax : "asked for")) +
                              ")");
        }
        if (code != kOk) {
            throw CliFailure(CodeMessage(code), code, details);
        }
    }
    return !error.Done;
}

void CliRequest::WriteItems(const std::string& selection, const std::vector<std::string>* values) {
    const CvSNMPError error = Await(true, false, selection, values);
    if (error.Code != kOk) {
        Raise(error);
    }
    for (const Sent& sent : FSent) {
        if (Echo != nullptr) {
            *Echo << sent.Oid << " = " << sent.Value << '\n';
        }
    }
}

void CliRequest::CheckUnfilledColumnsExist() {
    std::vector<CvSNMPVarDesc> records;
    for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
        const CvSNMPVar& item = Vars.Item(i);
        if (Vars.IsReadable(i) && static_cast<std::size_t>(i) < FFilled.size() &&
            !FFilled[static_cast<std::size_t>(i)]) {
            records.push_back(
                {item.Oid.c_str(), item.Label.c_str(), item.Syntax, CvAccess::readonly, nullptr});
        }
    }
    if (records.empty()) {
        return;
    }
    records.push_back({});
    // The column itself, without a row: noSuchInstance for a column the
    // agent knows (an empty table), noSuchObject for one it does not.
    CliRequest probe;
    probe.Timeout = Timeout;
    probe.Retries = Retries;
    probe.Vars.Assign(CvSNMPVarList(records.data(), MVT_SV, 0));
    probe.ReadRow(true);
    std::vector<std::string> details;
    for (const Received& r : probe.FReceived) {
        if (r.Tag == AsnTag::NoSuchObject) {
            details.push_back("Failed object: " + probe.ObjectName(r.Item, r.Oid) +
                              " (noSuchObject: no such column on the agent)");
        }
    }
    if (!details.empty()) {
        throw CliFailure(CodeMessage(kErrNoSuchName), kErrNoSuchName, details);
    }
}

void CliRequest::VbToText(std::int32_t itemIndex, const SnmpVarBind& vb) {
    const auto i = static_cast<std::size_t>(itemIndex);
    if (i < FFilled.size()) {
        FFilled[i] = true;
    }
    FReceived.push_back({itemIndex, vb.Oid, vb.Tag, VbFitsSyntax(Vars.Item(itemIndex).Syntax, vb)});
    CvSNMPRequest::VbToText(itemIndex, vb);
}

void CliRequest::TextToVb(std::int32_t itemIndex, SnmpVarBind& vb) {
    CvSNMPRequest::TextToVb(itemIndex, vb);
    FSent.push_back({itemIndex, vb.Oid, Vars.Item(itemIndex).Value});
}

CvSNMPError CliRequest::Await(bool write, bool first, const std::string& selection,
                              const std::vector<std::string>* values) {
    FSent.clear();
    FReceived.clear();
    if (!write) {
        // What a get or get-next asks for, to name the object of an error index.
        for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
            if (!Vars.IsReadable(i)) {
                continue;
            }
            const CvSNMPVar& item = Vars.Item(i);
            std::string oid = Vars.Instance.empty() ? item.Oid : item.Oid + "." + Vars.Instance;
            if (Vars.IsTable() && !first) {
                oid = item.InstanceOid;
            } else if (Vars.ItemType == SVT_SV) {
                oid += ".0";
            }
            FSent.push_back({i, oid, ""});
        }
    }
    Completion completion;
    try {
        if (write) {
            WriteAsync(&Completed, &completion, false, selection, values);
        } else {
            ReadAsync(&Completed, &completion, first);
        }
    } catch (const CvException& e) {
        if (e.Code() != kErrBadKeyCount) {
            throw;
        }
        throw CliFailure(e.Message(), e.Code(), {KeyCountHint()});
    }
    while (!completion.Done) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return completion.Error;
}

void CliRequest::Raise(const CvSNMPError& error) const {
    std::vector<std::string> details;
    if (error.Code == kErrTimeout) {
        char wait[32];
        std::snprintf(wait, sizeof wait, "%.2f s", Timeout / 100.0);
        const std::string tries = Retries == 0 ? "1 try" : std::to_string(Retries + 1) + " tries";
        details.push_back("No response from " + AgentText(Address, Port) + " after " + tries +
                          " of " + wait);
    } else if (error.Code == kErrBadKeyCount) {
        details.push_back(KeyCountHint());
    } else if (error.ErrorIndex > 0 && static_cast<std::size_t>(error.ErrorIndex) <= FSent.size()) {
        const Sent& sent = FSent[static_cast<std::size_t>(error.ErrorIndex) - 1];
        details.push_back("Failed object: " + ObjectName(sent.Item, sent.Oid));
    }
    throw CliFailure(error.Message, error.Code, details);
}

std::string CliRequest::ObjectName(std::int32_t item, const std::string& oid) const {
    const std::string& label = Vars.Item(item).Label;
    return label.empty() || label == Vars.Item(item).Oid ? oid : label + " (" + oid + ")";
}

std::string CliRequest::KeyCountHint() const {
    std::int32_t readable = 0;
    for (std::int32_t i = 0; i < Vars.GetCount(); ++i) {
        readable += Vars.IsReadable(i) ? 1 : 0;
    }
    if (Vars.IsTable() && readable == 0) {
        return "the list has " + Plural(Vars.PKeyCount, "key column") +
               " but no readable column: give a column the ACCESS ro or rw";
    }
    if (Vars.PKeyCount > Vars.GetCount()) {
        return "KEYS is " + std::to_string(Vars.PKeyCount) + " but the list has only " +
               Plural(Vars.GetCount(), "variable") + ": KEYS counts the index columns among them";
    }
    return "a row's index ran out before its " + Plural(Vars.PKeyCount, "key column") +
           " were read: lower KEYS, or give the key columns the SYNTAX of their index";
}
