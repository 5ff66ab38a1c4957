// SPDX-License-Identifier: MIT
// Hot loops over many vertices are compiled once for each vector unit, and
// the widest unit the processor offers is chosen when the program starts.
// Vector IEEE arithmetic rounds exactly as scalar arithmetic does, and
// contraction into fused multiply-adds is off for the whole build, so every
// clone gives the same bits as the portable loop.
//
// Only GCC on x86-64 ELF systems builds the clones: the loader picks among
// target_clones there, and there alone can the stack be aligned for 32-byte
// vectors (MinGW's GCC cannot). Every other compiler (Clang, MSVC, MinGW)
// builds the portable loop alone, and the macros below expand to nothing.
#pragma once

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__) &&         \
    defined(__has_attribute)
#if __has_attribute(target) && __has_attribute(target_clones)
#define TORSIVA_HAS_VECTOR_CLONES 1
#endif
#endif

#ifdef TORSIVA_HAS_VECTOR_CLONES
// The function, compiled for AVX-512 and AVX2 besides the portable build,
// the loader choosing one.
#define TORSIVA_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
// The function compiled for one vector unit only; call it only when
// __builtin_cpu_supports says that the processor offers the unit.
#define TORSIVA_VECTOR_UNIT(unit) __attribute__((target(unit)))
#else
#define TORSIVA_VECTOR_CLONES
#endif
