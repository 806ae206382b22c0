#pragma once

/// Marks the upper halves of the vector registers clean again. On machines with AVX-512, Qt's
/// painting (and the dynamic linker's first call of a function) can leave them marked in use;
/// until the next `vzeroupper`, the SSE arithmetic of the scan and `std::pow` run several times
/// slower (some 7x here). The program's Draw never meets that state, since the event loop
/// between a repaint and the next click passes through code that clears it; a floor that
/// paints and then computes in a tight loop would, so it clears it as the event loop would.
inline void cleanVectorState()
{
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx"))
        asm volatile("vzeroupper");
#endif
}
