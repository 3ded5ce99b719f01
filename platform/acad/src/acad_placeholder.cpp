// Placeholder so the target has a source until the first real one lands; delete it then.
namespace tq_placeholder_acad { int unused = 0; }
