#pragma once
// Parts of the player that are shared libraries of their own, loaded when
// first needed rather than at start: GStreamer when the first medium opens,
// TagLib when a cover is first looked for inside a music file, Qt's printing
// when the selector first prints. The window comes up without mapping,
// relocating and initialising any of them.
#include <QString>

namespace velto {

// The address of `symbol` in the module `name` (the file libvelto-<name>.so),
// which is loaded on the first call and stays loaded. nullptr when it cannot
// be loaded or lacks the symbol; *problem then says why. Modules are looked
// for in $VELTO_MODULE_DIR, then beside the program, then in the folder they
// are installed to. Safe to call from any thread.
void* ModuleSymbol(const char* name, const char* symbol, QString* problem = nullptr);

} // namespace velto
