// Entry messages of ARX modules and the system registry with its services: the dynamic
// linker ("DynamicLinker") and the registered-commands stack ("ACAD_REGISTERED_COMMANDS").
// Both services record the calls they receive, so tests can check what a module did and
// in which order.
#pragma once

#include <string>
#include <vector>

namespace AcRx {
enum AppMsgCode : int {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5,
    kCfgMsg = 6,
    kEndMsg = 7,
    kQuitMsg = 8,
    kSaveMsg = 9,
};
enum AppRetCode : int { kRetOK = 0, kRetError = 3 };
}  // namespace AcRx

class AcRxObject {
public:
    virtual ~AcRxObject() = default;
};

// One recorded call: the service, the operation and its argument ("" when none).
struct AcRxCallRecord {
    std::string service;
    std::string operation;
    std::string argument;
    bool operator==(const AcRxCallRecord&) const = default;
};

class AcRxDynamicLinker : public AcRxObject {
public:
    bool unlockApplication(void* appId);
    bool lockApplication(void* appId);
    bool registerAppMDIAware(void* appId);
    bool registerAppNotMDIAware(void* appId);
    bool isApplicationLocked(void* appId) const;
    bool isAppMDIAware(void* appId) const;
};

class AcEdCommandStack : public AcRxObject {
public:
    // Removes a command group; eOk-like 0 when it was there, 22 (key not found) otherwise.
    int removeGroup(const wchar_t* groupName);
    int addCommand(const wchar_t* groupName, const wchar_t* globalName);
    bool hasGroup(const wchar_t* groupName) const;
};

class AcRxDictionary : public AcRxObject {
public:
    // "DynamicLinker" and "ACAD_REGISTERED_COMMANDS"; null for anything else.
    AcRxObject* at(const wchar_t* key) const;
    AcRxObject* at(const char* key) const;
};

AcRxDictionary* acrxSysRegistry();
AcRxDynamicLinker* acrxDynamicLinkerService();
AcEdCommandStack* acedRegCmds();

namespace acad {
// Every call the services received, in order; and a reset for tests.
const std::vector<AcRxCallRecord>& ServiceCallLog();
void ClearServiceCallLog();
void ResetServices();  // also forgets locks, MDI flags and command groups
// The argument recorded for an application id (its pointer as hexadecimal text).
std::string AppIdText(const void* appId);
}  // namespace acad
