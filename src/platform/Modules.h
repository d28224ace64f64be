#pragma once
// The program's own modules, loaded when first needed rather than at start-up (the web view,
// the network): found beside the program, one folder up for the test and bench programs of a
// build tree, or in the installed library folder. Once loaded a module stays.

namespace platform {

// The entry point named symbol of the module fileName, or null (with a warning naming what
// it is for) when the module is missing or does not load.
void* ModuleEntry(const char* fileName, const char* symbol);

}  // namespace platform
