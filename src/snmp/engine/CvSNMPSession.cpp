#include "CvSNMPSession.h"

#include <memory>

#include "CvBootCounter.h"
#include "CvCatalogueTexts.h"
#include "CvCatalogues.h"
#include "CvException.h"
#include "CvSNMPSettings.h"
#include "CvSNMPTarget.h"
#include "SnmpEventProcessor.h"
#include "SnmpTransport.h"

namespace {

// One holder, so that at the program's end the pump goes before the session
// it refers to, whichever was asked for first.
struct GlobalSlots {
    std::unique_ptr<SnmpSession> Session;
    std::unique_ptr<SnmpEventProcessor> Processor;
    ~GlobalSlots() {
        Processor.reset();
        Session.reset();
    }
};

GlobalSlots& Slots() {
    static GlobalSlots holder;
    return holder;
}

std::unique_ptr<SnmpSession>& SessionSlot() {
    return Slots().Session;
}

std::unique_ptr<SnmpEventProcessor>& ProcessorSlot() {
    return Slots().Processor;
}

// Session errors come before the catalogue files are read, so they always
// carry the built-in texts.
[[noreturn]] void RaiseBuiltin(int code) {
    const auto index = static_cast<std::size_t>(-code - 500);
    throw CvException(kBuiltinCvSnmpTexts[index], code);
}

}  // namespace

std::string BootCounterPath(const std::string& directory) {
    if (directory.empty()) {
        return kBootCounterFile;
    }
    const char last = directory.back();
    return last == '/' || last == '\\' ? directory + kBootCounterFile
                                       : directory + "/" + kBootCounterFile;
}

void CreateGlobalSession(const std::string& directory) {
    DestroyGlobalSession();
    try {
        SessionSlot() = std::make_unique<SnmpSession>();
    } catch (const std::exception&) {
        RaiseBuiltin(kErrCreateSession);
    }
    const std::string path = BootCounterPath(directory);
    std::uint32_t boots = 0;
    if (!LoadBootCounter(path, kLocalEngineId, boots)) {
        RaiseBuiltin(kErrLoadBoots);
    }
    ++boots;
    if (!SaveBootCounter(path, kLocalEngineId, boots)) {
        RaiseBuiltin(kErrSaveBoots);
    }
    SetLocalEngineBoots(boots);

    ResetSettings();
    ProcessorSlot() = std::make_unique<SnmpEventProcessor>(*SessionSlot());
    ProcessorSlot()->Start();
}

SnmpSession* GlobalSession() {
    return SessionSlot().get();
}

SnmpEventProcessor* GlobalEventProcessor() {
    return ProcessorSlot().get();
}

void DestroyGlobalSession() {
    ProcessorSlot().reset();
    SessionSlot().reset();
    ForgetResolvedAddresses();
}
