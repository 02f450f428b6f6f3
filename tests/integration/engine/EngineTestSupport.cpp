#include "EngineTestSupport.h"

#include <net/if.h>
#include <sys/utsname.h>

#include <algorithm>
#include <map>

#include "CvException.h"
#include "CvSNMPSession.h"
#include "CvSNMPSettings.h"

namespace engine_test {

namespace {

std::unique_ptr<agents::SnmpdAgent>& SnmpdSlot() {
    static std::unique_ptr<agents::SnmpdAgent> agent;
    return agent;
}

std::unique_ptr<agents::SnmpsimAgent>& SnmpsimSlot() {
    static std::unique_ptr<agents::SnmpsimAgent> agent;
    return agent;
}

}  // namespace

CvSNMPVarList MakeList(std::initializer_list<ItemSpec> items, std::uint8_t itemType,
                       std::int32_t keyCount) {
    std::vector<CvSNMPVarDesc> records;
    for (const ItemSpec& item : items) {
        records.push_back({item.Oid, item.Oid, item.Syntax, item.Access});
    }
    records.push_back({});
    return CvSNMPVarList(records.data(), itemType, keyCount);
}

void ApplySettings(const Credentials& c, std::uint16_t port, const std::string& address) {
    GlobalDevice().Address = address;
    GlobalDevice().Port = port;
    CvSNMPSecurity& s = GlobalSecurity();
    s.Version = c.Version;
    s.ReadCommunity = c.ReadCommunity;
    s.WriteCommunity = c.WriteCommunity;
    s.SecurityLevel = c.SecurityLevel;
    s.SecurityName = c.SecurityName;
    s.AuthProtocol = c.AuthProtocol;
    s.AuthPassword = c.AuthPassword;
    s.PrivProtocol = c.PrivProtocol;
    s.PrivPassword = c.PrivPassword;
}

Credentials V1(const std::string& community) {
    Credentials c;
    c.Name = "V1";
    c.Version = 0;
    c.ReadCommunity = community;
    return c;
}

Credentials V2c(const std::string& community) {
    Credentials c = V1(community);
    c.Name = "V2c";
    c.Version = 1;
    return c;
}

Credentials V3(const agents::SnmpdAgent::User& user) {
    const std::string auth = user.Auth;
    const std::string priv = user.Priv;
    Credentials c;
    c.Name = std::string("V3_") + user.Name;
    c.Version = 3;
    c.SecurityName = user.Name;
    c.SecurityLevel = auth.empty() ? 1 : priv.empty() ? 2 : 3;
    static const std::map<std::string, std::int32_t> kAuth = {
        {"MD5", 2}, {"SHA", 3}, {"SHA-256", 5}, {"SHA-512", 7}};
    static const std::map<std::string, std::int32_t> kPriv = {
        {"DES", 2}, {"AES", 4}, {"AES192", 20}, {"AES256", 21}};
    c.AuthProtocol = auth.empty() ? 1 : kAuth.at(auth);
    c.AuthPassword = user.AuthPass;
    c.PrivProtocol = priv.empty() ? 1 : kPriv.at(priv);
    c.PrivPassword = user.PrivPass;
    return c;
}

void EngineTest::SetUp() {
    FStateDir = std::make_unique<agents::TempDir>("vanta-engine-state");
    CreateGlobalSession(FStateDir->Path());
}

void EngineTest::TearDown() {
    DestroyGlobalSession();
    FStateDir.reset();
}

agents::SnmpdAgent& SharedSnmpd() {
    if (!SnmpdSlot()) {
        SnmpdSlot() = std::make_unique<agents::SnmpdAgent>();
    }
    return *SnmpdSlot();
}

agents::SnmpsimAgent& SharedSnmpsim() {
    if (!SnmpsimSlot()) {
        const std::string dir = VANTA_SNMPREC_DIR;
        SnmpsimSlot() = std::make_unique<agents::SnmpsimAgent>(
            std::vector<std::string>{dir + "/vanta-engine.snmprec", dir + "/vanta-slow.snmprec"});
    }
    return *SnmpsimSlot();
}

void ReleaseSharedAgents() {
    SnmpdSlot().reset();
    SnmpsimSlot().reset();
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    // The wake-up timer bounds every wait for events.
    QTimer wakeUp;
    wakeUp.start(10);
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return done();
}

void PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

std::vector<std::string> Values(const CvSNMPVarList& vars) {
    std::vector<std::string> values;
    for (std::int32_t i = 0; i < vars.GetCount(); ++i) {
        values.push_back(vars.Item(i).Value);
    }
    return values;
}

std::vector<std::vector<std::string>> Walk(CvSNMPRequest& request, int maxRows) {
    std::vector<std::vector<std::string>> rows;
    for (bool row = request.Read(true); row && static_cast<int>(rows.size()) < maxRows;
         row = request.Read(false)) {
        rows.push_back(Values(request.Vars));
    }
    return rows;
}

std::vector<std::vector<std::string>> AsyncWalk(CvSNMPRequest& request, int ms) {
    CompletionLog log;
    log.Request = &request;
    log.ContinueWalk = true;
    request.ReadAsync(&CompletionLog::Callback, &log, true);
    if (!PumpUntil([&] { return log.Finished(); }, ms)) {
        ADD_FAILURE() << "the walk did not end";
        return log.Rows;
    }
    EXPECT_EQ(log.Errors.back().Code, 0) << log.Errors.back().Message;
    return log.Rows;
}

void CompletionLog::Callback(void* context, CvSNMPError& error, CvSNMPVarList& vars) {
    auto* log = static_cast<CompletionLog*>(context);
    if (log->RequestDestroyed != nullptr && *log->RequestDestroyed) {
        ++log->LateCalls;
        return;
    }
    log->Errors.push_back(error);
    if (error.Code == 0 && !error.Done) {
        log->Rows.push_back(Values(vars));
        if (log->ContinueWalk && log->Rows.size() < 1000) {
            try {
                log->Request->ReadAsync(&CompletionLog::Callback, log, false);
            } catch (const CvException& e) {
                CvSNMPError failed;
                failed.Code = e.Code();
                failed.Message = e.Message();
                failed.Done = true;
                log->Errors.push_back(failed);
            }
        }
    }
}

std::vector<std::pair<unsigned, std::string>> HostInterfaces() {
    std::vector<std::pair<unsigned, std::string>> interfaces;
    if (struct if_nameindex* list = ::if_nameindex()) {
        for (const struct if_nameindex* i = list; i->if_index != 0; ++i) {
            interfaces.emplace_back(i->if_index, i->if_name);
        }
        if_freenameindex(list);
    }
    std::sort(interfaces.begin(), interfaces.end());
    return interfaces;
}

std::string HostName() {
    utsname u{};
    uname(&u);
    return u.nodename;
}

std::string HostSystemDescription() {
    utsname u{};
    uname(&u);
    return std::string(u.sysname) + " " + u.nodename + " " + u.release + " " + u.version + " " +
           u.machine;
}

std::string ImpliedSuffix(const std::string& text) {
    std::string suffix;
    for (const unsigned char c : text) {
        suffix += (suffix.empty() ? "" : ".") + std::to_string(c);
    }
    return suffix;
}

}  // namespace engine_test
