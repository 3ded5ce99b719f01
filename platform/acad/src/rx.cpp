#include "acad/rx.h"

#include <cstdio>
#include <set>
#include <string>

#include "win/encoding.h"

namespace {
struct Services {
    std::vector<AcRxCallRecord> log;
    std::set<const void*> unlocked, mdiAware;
    std::set<std::wstring> groups;
};
Services& S() {
    static Services s;
    return s;
}
void Note(const char* service, const char* op, std::string arg) { S().log.push_back({service, op, std::move(arg)}); }
}  // namespace

namespace acad {
std::string AppIdText(const void* appId) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%p", appId);
    return buf;
}
const std::vector<AcRxCallRecord>& ServiceCallLog() { return S().log; }
void ClearServiceCallLog() { S().log.clear(); }
void ResetServices() { S() = Services{}; }
}  // namespace acad

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    Note("DynamicLinker", "unlockApplication", acad::AppIdText(appId));
    S().unlocked.insert(appId);
    return true;
}
bool AcRxDynamicLinker::lockApplication(void* appId) {
    Note("DynamicLinker", "lockApplication", acad::AppIdText(appId));
    S().unlocked.erase(appId);
    return true;
}
bool AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    Note("DynamicLinker", "registerAppMDIAware", acad::AppIdText(appId));
    S().mdiAware.insert(appId);
    return true;
}
bool AcRxDynamicLinker::registerAppNotMDIAware(void* appId) {
    Note("DynamicLinker", "registerAppNotMDIAware", acad::AppIdText(appId));
    S().mdiAware.erase(appId);
    return true;
}
bool AcRxDynamicLinker::isApplicationLocked(void* appId) const { return !S().unlocked.count(appId); }
bool AcRxDynamicLinker::isAppMDIAware(void* appId) const { return S().mdiAware.count(appId) != 0; }

int AcEdCommandStack::removeGroup(const wchar_t* groupName) {
    std::wstring g = groupName ? groupName : L"";
    Note("ACAD_REGISTERED_COMMANDS", "removeGroup", Utf8FromWide(g));
    return S().groups.erase(g) ? 0 : 22;
}
int AcEdCommandStack::addCommand(const wchar_t* groupName, const wchar_t* globalName) {
    std::wstring g = groupName ? groupName : L"";
    Note("ACAD_REGISTERED_COMMANDS", "addCommand", Utf8FromWide(g + L"." + (globalName ? globalName : L"")));
    S().groups.insert(g);
    return 0;
}
bool AcEdCommandStack::hasGroup(const wchar_t* groupName) const {
    return S().groups.count(groupName ? groupName : L"") != 0;
}

AcRxObject* AcRxDictionary::at(const wchar_t* key) const { return at(Utf8FromWide(key ? key : L"").c_str()); }
AcRxObject* AcRxDictionary::at(const char* key) const {
    std::string k = key ? key : "";
    if (k == "DynamicLinker") return acrxDynamicLinkerService();
    if (k == "ACAD_REGISTERED_COMMANDS") return acedRegCmds();
    return nullptr;
}

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary d;
    return &d;
}
AcRxDynamicLinker* acrxDynamicLinkerService() {
    static AcRxDynamicLinker l;
    return &l;
}
AcEdCommandStack* acedRegCmds() {
    static AcEdCommandStack s;
    return &s;
}
