#include "base/PagineGrandi.h"

#include <sys/mman.h>

#include <cstdint>

namespace vilmor {

void PagineGrandi(const void* inizio, size_t byte) {
#if defined(MADV_HUGEPAGE)
    constexpr uintptr_t Grande = uintptr_t{2} << 20;
    const uintptr_t a = reinterpret_cast<uintptr_t>(inizio);
    const uintptr_t da = (a + Grande - 1) & ~(Grande - 1), a_fine = (a + byte) & ~(Grande - 1);
    if (byte < Grande || a_fine <= da) return;
    madvise(reinterpret_cast<void*>(da), a_fine - da, MADV_HUGEPAGE);
#else
    (void)inizio, (void)byte;
#endif
}

}  // namespace vilmor
