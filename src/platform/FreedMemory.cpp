#include "platform/FreedMemory.h"

#include <malloc.h>

namespace velto {

void ReturnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace velto
