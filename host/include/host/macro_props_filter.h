// The macro drawings a library offers for placing, by module, and the filter the
// selection dialog narrows them with.
//
// The drawings of a module are the ".dwg" files of libDir "Macros\<module>\". A
// drawing's properties are the lines of the text file "<drawing>.props" beside it (one
// property name per line; none when there is no such file). A drawing is offered when
// its module is switched on and none of its properties is switched off.
#pragma once

#include "acad/ac_array.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class Zk_MacroPropsFilter {
public:
    // modules: the module names; enabled: one flag per module (a missing flag: on);
    // soleModule: -1 keeps the flags, an index switches every other module off;
    // maxDrawings: the most drawings getFilteredMacros lists (0: no limit).
    void initialize(const Zk_StringArray& modules, const AcArray<bool>& enabled, int soleModule, int maxDrawings);

    // Every drawing of every module (full Windows paths), module by module, sorted.
    void getAllDwgFiles(Zk_StringArray& files) const;
    // The drawings offered with the current switches, in the same order.
    void getFilteredMacros(Zk_StringArray& files) const;
    // Per module the names [module, property 1, ...] (properties sorted, each once) and
    // the switches [module on, property 1 on, ...] as 0/1.
    void getMergedProperties(Zk_Array<Zk_StringArray>& names, Zk_Array<Zk_Array<int>>& flags) const;
    // False for an index outside the modules (or its properties, counted from 1).
    bool setModuleStatus(int module, bool on);
    bool setModulePropStatus(int module, int property, bool on);

    int moduleCount() const { return m_modules.length(); }
    static Zk_String moduleFolder(const Zk_String& module);

private:
    struct Drawing {
        Zk_String file;
        Zk_StringArray properties;
    };
    struct Module {
        Zk_String name;
        bool on = true;
        Zk_Array<Drawing> drawings;
        Zk_StringArray properties;
        Zk_Array<int> propertyOn;
    };
    bool offered(const Module& module, const Drawing& drawing) const;

    Zk_Array<Module> m_modules;
    int m_maxDrawings = 0;
};

// Makes a preview picture of each drawing: the drawing's file with the given extension
// ("abm"), a 24-bit bitmap file. Returns how many were written.
int CreatePreviewBMPs(const Zk_StringArray& dwgFiles, const Zk_String& extension);
