#include "ViewerReader.h"

#include <QObject>
#include <QTimer>

#include <limits>

#include "CvCatalogues.h"
#include "CvErrorCodes.h"
#include "CvException.h"
#include "CvOidText.h"
#include "CvSNMPRequest.h"

namespace {

const CvSNMPVarDesc kSysUpTime[] = {
    {"1.3.6.1.2.1.1.3", "Up Time", CvSyntax::timeticks, CvAccess::readonly},
    {},
};

// An error status in the agent's answer, as opposed to no answer at all.
bool AgentAnswered(int code) {
    return code <= -101 && code >= -118;
}

bool IsException(std::uint8_t tag) {
    return tag == AsnTag::NoSuchObject || tag == AsnTag::NoSuchInstance ||
           tag == AsnTag::EndOfMibView;
}

// A request that also keeps what the display texts lose: which answers were
// exception values, the raw value of each, and where a walk's first answer
// led.
class ViewerRequest : public CvSNMPRequest {
public:
    struct Answer {
        bool Given = false;
        std::uint8_t Tag = AsnTag::Null;
        bool Numeric = false;
        std::uint64_t Number = 0;  // negative numbers as 0
    };
    std::vector<Answer> Answers;  // per item, of the last exchange
    std::string FirstAnswerOid;   // a walk's first answer to its first column
    std::string FirstAskedOid;

    void Launch(CvSNMPCompletion callback, void* context, bool first) {
        Answers.assign(static_cast<std::size_t>(Vars.GetCount()), Answer{});
        if (first) {
            FirstAnswerOid.clear();
            FirstAskedOid.clear();
        }
        ReadAsync(callback, context, first);
    }

    bool Lacking(std::int32_t i) const {
        const Answer& a = Answers[static_cast<std::size_t>(i)];
        return !a.Given || IsException(a.Tag);
    }

    void VbToText(std::int32_t itemIndex, const SnmpVarBind& vb) override {
        Answer& a = Answers.at(static_cast<std::size_t>(itemIndex));
        a.Given = true;
        a.Tag = vb.Tag;
        a.Numeric = vb.IsSigned() || vb.IsUnsigned();
        if (vb.IsSigned()) {
            a.Number = vb.Integer < 0 ? 0 : static_cast<std::uint64_t>(vb.Integer);
        } else {
            a.Number = vb.Unsigned;
        }
        CvSNMPRequest::VbToText(itemIndex, vb);
    }

    bool ColumnEnded(const std::string& expected, const std::string& previous,
                     const std::string& received) override {
        if (previous.empty() && FirstAskedOid.empty()) {
            FirstAskedOid = expected;
            FirstAnswerOid = received;
        }
        return CvSNMPRequest::ColumnEnded(expected, previous, received);
    }

    // The walk's first answer lies inside `group`: an answer that repeats
    // the OID asked (endOfMibView) lies nowhere.
    bool FirstAnswerInside(const char* group) const {
        return FirstAnswerOid != FirstAskedOid && OidTextExtends(FirstAnswerOid, group);
    }
};

}  // namespace

struct ViewerReader::Run {
    enum class Phase : std::uint8_t { UpTime, Section, Probe };

    Run(const ViewerPage& page, std::function<void(const ViewerSnapshot&)> done)
        : Page(page), Done(std::move(done)) {
        Snapshot.Sections.resize(page.Sections.size());
    }
    ~Run() {
        // Completions that arrive while the request winds down find the run
        // cancelled and start nothing.
        Cancelled = true;
        Request.reset();
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    const ViewerPage& Page;
    std::function<void(const ViewerSnapshot&)> Done;
    ViewerSnapshot Snapshot;
    std::unique_ptr<ViewerRequest> Request = std::make_unique<ViewerRequest>();
    QObject Guard;  // failures posted from Start die with the run
    Phase Now = Phase::UpTime;
    std::size_t Section = 0;
    bool Running = true;
    bool Cancelled = false;

    static void Completed(void* context, CvSNMPError& error, CvSNMPVarList& vars);
    void Begin();
    void Launch(bool first);
    void Advance(const CvSNMPError& error);
    bool Handle(const CvSNMPError& error);
    bool StartSection(std::size_t index);
    bool ScalarsAnswered(const CvSNMPError& error);
    bool TableAnswered(const CvSNMPError& error);
    bool WalkEnded();
    bool ProbeAnswered(const CvSNMPError& error);
    bool Ended(ViewerSectionData::State state, const std::string& failure = {});
    bool FailRest(const std::string& message);
    std::vector<std::string> RowTexts() const;
    void Finish();

    ViewerSectionData& Data() { return Snapshot.Sections[Section]; }
    const ViewerSection& Part() const { return Page.Sections[Section]; }
};

ViewerReader::ViewerReader(const ViewerPage& page) : FPage(page) {}

ViewerReader::~ViewerReader() = default;

bool ViewerReader::Busy() const {
    return FRun && FRun->Running;
}

bool ViewerReader::Start(std::function<void(const ViewerSnapshot&)> done) {
    if (Busy()) {
        return false;
    }
    // A fresh request for every read: it copies the session settings now.
    FRun = std::make_unique<Run>(FPage, std::move(done));
    FRun->Begin();
    return true;
}

void ViewerReader::Run::Begin() {
    Now = Phase::UpTime;
    Request->Vars.Assign(CvSNMPVarList(kSysUpTime, SVT_SV, 0));
    Launch(true);
}

void ViewerReader::Run::Launch(bool first) {
    try {
        Request->Launch(&Completed, this, first);
    } catch (const CvException& e) {
        // Nothing was sent; the outcome still arrives from the event loop,
        // never inside Start.
        CvSNMPError error;
        error.Code = e.Code();
        error.Message = e.Message();
        error.Done = true;
        QTimer::singleShot(0, &Guard, [this, error] { Advance(error); });
    }
}

void ViewerReader::Run::Completed(void* context, CvSNMPError& error, CvSNMPVarList& /*vars*/) {
    static_cast<Run*>(context)->Advance(error);
}

void ViewerReader::Run::Advance(const CvSNMPError& error) {
    if (Cancelled || !Running) {
        return;
    }
    bool ended = false;
    try {
        ended = Handle(error);
    } catch (const CvException& e) {
        ended = FailRest(e.Message());
    } catch (...) {
        ended = FailRest(CodeMessage(kErrUnknown));
    }
    if (ended) {
        Finish();  // may destroy the run: nothing after it
    }
}

bool ViewerReader::Run::Handle(const CvSNMPError& error) {
    switch (Now) {
        case Phase::UpTime:
            if (error.Code == kOk && !Request->Lacking(0) && Request->Answers[0].Numeric) {
                constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
                const std::uint64_t ticks = Request->Answers[0].Number;
                Snapshot.UpTimeKnown = true;
                Snapshot.UpTime = static_cast<std::uint32_t>(ticks > kMax ? kMax : ticks);
            } else if (error.Code != kOk && !AgentAnswered(error.Code)) {
                return FailRest(error.Message);
            }
            return StartSection(0);
        case Phase::Section:
            return Part().ItemType == SVT_SV ? ScalarsAnswered(error) : TableAnswered(error);
        case Phase::Probe:
            return ProbeAnswered(error);
    }
    return FailRest(CodeMessage(kErrUnknown));
}

bool ViewerReader::Run::StartSection(std::size_t index) {
    if (index >= Page.Sections.size()) {
        return true;
    }
    Section = index;
    Now = Phase::Section;
    const ViewerSection& part = Part();
    Request->Vars.Assign(CvSNMPVarList(part.Records, part.ItemType, part.KeyCount));
    Launch(true);
    return false;
}

std::vector<std::string> ViewerReader::Run::RowTexts() const {
    const CvSNMPVarList& vars = Request->Vars;
    std::vector<std::string> texts;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        const bool key = vars.IsTable() && i < vars.PKeyCount;
        texts.push_back(key || !Request->Lacking(i) ? vars.Item(i).Value : std::string());
    }
    return texts;
}

bool ViewerReader::Run::ScalarsAnswered(const CvSNMPError& error) {
    CvSNMPVarList& vars = Request->Vars;
    if (error.Code == kErrNoSuchName) {
        // An SNMPv1 agent refuses the whole get for one object it lacks:
        // ask again without that object.
        std::int32_t position = 0;
        std::int32_t left = 0;
        for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
            if (!vars.IsReadable(i)) {
                continue;
            }
            if (++position == error.ErrorIndex) {
                vars.Item(i).Access |= CvAccess::invalid;
            } else {
                ++left;
            }
        }
        if (error.ErrorIndex < 1 || error.ErrorIndex > position) {
            return Ended(ViewerSectionData::State::Failed, error.Message);
        }
        if (left == 0) {
            return Ended(ViewerSectionData::State::Unsupported);
        }
        Launch(true);
        return false;
    }
    if (error.Code != kOk) {
        return AgentAnswered(error.Code) ? Ended(ViewerSectionData::State::Failed, error.Message)
                                         : FailRest(error.Message);
    }
    bool any = false;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        any = any || !Request->Lacking(i);
    }
    if (!any) {
        return Ended(ViewerSectionData::State::Unsupported);
    }
    Data().Rows.push_back(RowTexts());
    return Ended(ViewerSectionData::State::Rows);
}

bool ViewerReader::Run::TableAnswered(const CvSNMPError& error) {
    if (error.Code == kOk && !error.Done) {
        Data().Rows.push_back(RowTexts());
        Launch(false);
        return false;
    }
    // noSuchName: an SNMPv1 agent's walk ran past its last object.
    if (error.Code == kOk || error.Code == kErrNoSuchName) {
        return WalkEnded();
    }
    return AgentAnswered(error.Code) ? Ended(ViewerSectionData::State::Failed, error.Message)
                                     : FailRest(error.Message);
}

bool ViewerReader::Run::WalkEnded() {
    const ViewerSection& part = Part();
    if (!Data().Rows.empty()) {
        return Ended(ViewerSectionData::State::Rows);
    }
    if (part.SupportProbeOid != nullptr) {
        const CvSNMPVarDesc probe[] = {
            {part.SupportProbeOid, "", CvSyntax::integer, CvAccess::readonly},
            {},
        };
        Now = Phase::Probe;
        Request->Vars.Assign(CvSNMPVarList(probe, MVT_SV, 0));
        Launch(true);
        return false;
    }
    if (part.GroupOid != nullptr && !Request->FirstAnswerInside(part.GroupOid)) {
        return Ended(ViewerSectionData::State::Unsupported);
    }
    return Ended(ViewerSectionData::State::Empty);
}

bool ViewerReader::Run::ProbeAnswered(const CvSNMPError& error) {
    if (error.Code == kErrNoSuchName || (error.Code == kOk && Request->Lacking(0))) {
        return Ended(ViewerSectionData::State::Unsupported);
    }
    if (error.Code != kOk && !AgentAnswered(error.Code)) {
        return FailRest(error.Message);
    }
    // The group answers, or the probe failed otherwise: the walk found no
    // rows either way.
    return Ended(ViewerSectionData::State::Empty);
}

bool ViewerReader::Run::Ended(ViewerSectionData::State state, const std::string& failure) {
    Data().Status = state;
    Data().Failure = failure;
    return StartSection(Section + 1);
}

// Without an answer from the device the sections left would only wait for
// the same time-out one after the other.
bool ViewerReader::Run::FailRest(const std::string& message) {
    const std::size_t from = Now == Phase::UpTime ? 0 : Section;
    for (std::size_t i = from; i < Snapshot.Sections.size(); ++i) {
        Snapshot.Sections[i].Status = ViewerSectionData::State::Failed;
        Snapshot.Sections[i].Failure = message;
    }
    return true;
}

void ViewerReader::Run::Finish() {
    Running = false;
    // `done` may destroy the reader and with it this run.
    const auto done = std::move(Done);
    const ViewerSnapshot snapshot = std::move(Snapshot);
    if (done) {
        done(snapshot);
    }
}
