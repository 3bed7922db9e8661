#pragma once

namespace velto {

// Hands the free pages inside the heap back to the system. Start-up frees
// much of what it built on the way (the skin file's text, decoded pictures
// converted to the window's format, the settings file); the allocator keeps
// those pages otherwise.
void ReturnFreedMemory();

} // namespace velto
