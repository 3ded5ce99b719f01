// The dialog data of placed macros.
#include "host/macro_data.h"

#include "host/macro_host_calls.h"

Zk_String MacroData::selectedGroupName() const {
    return groupInternalNames.isValidIndex(groupIndex) ? groupInternalNames[groupIndex] : Zk_String();
}

long long MacroData::singleProfileId() const {
    return selectedProfileIds.length() == 1 ? selectedProfileIds[0] : 0;
}

int MacroData::findTab(const Zk_String& name) const {
    const Zk_String& wanted = name.isEmpty() ? openTabName : name;
    if (wanted.isEmpty()) return tabs.isEmpty() ? -1 : 0;
    for (int i = 0; i < tabs.length(); ++i)
        if (tabs[i].name.equal(wanted)) return i;
    return -1;
}

MacroTabData* MacroData::tab(const Zk_String& name) {
    if (name.isEmpty()) return nullptr;
    const int i = findTab(name);
    return i < 0 ? nullptr : &tabs[i];
}

bool MacroData::changeView(const Zk_String& tabName, int view) {
    macroHost().record(Zk_String(L"changeView"), tabName, Zk_StringArray{Zk_String(view)});
    return view >= 0 && view <= 3 && findTab(tabName) >= 0;
}

bool MacroData::reApply() {
    macroHost().record(Zk_String(L"reApply"));
    return macroHost().reApplyResult;
}

bool MacroData::loadFromStandards() {
    macroHost().record(Zk_String(L"loadFromStandards"));
    if (macroHost().onLoadFromStandards) macroHost().onLoadFromStandards(*this);
    return true;
}
