#include "host/edit_constr_data.h"

Zk_StringArray EditConstrData::moduleNames() const {
    Zk_StringArray names;
    for (const EditModule& m : modules) names.append(m.name);
    return names;
}

EditModule* EditConstrData::module(const Zk_String& name) {
    for (EditModule& m : modules)
        if (m.name == name) return &m;
    return nullptr;
}

const EditModule* EditConstrData::module(const Zk_String& name) const {
    for (const EditModule& m : modules)
        if (m.name == name) return &m;
    return nullptr;
}

EditConstrRow* EditConstrData::constraint(int row) {
    EditModule* m = current();
    return m && m->constraints.isValidIndex(row) ? &m->constraints[row] : nullptr;
}

const EditConstrRow* EditConstrData::constraint(int row) const {
    const EditModule* m = current();
    return m && m->constraints.isValidIndex(row) ? &m->constraints[row] : nullptr;
}

int EditConstrData::constraintCount() const {
    const EditModule* m = current();
    return m ? m->constraints.length() : 0;
}
