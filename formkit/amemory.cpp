#include "amemory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

void AMemory::giveBack()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
