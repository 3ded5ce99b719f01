// The shared library tq.arx is made of the subsystem libraries linked whole;
// this file only gives the target a source of its own.
