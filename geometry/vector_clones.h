// Hot loops over many vertices are compiled for the widest vector unit the
// processor offers, chosen when the program starts. Vector IEEE arithmetic
// rounds exactly as scalar arithmetic does, and contraction into fused
// multiply-adds is off for the whole build, so every result stays identical.
#pragma once

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define TORSIVA_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define TORSIVA_VECTOR_CLONES
#endif
