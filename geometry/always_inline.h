// SPDX-License-Identifier: MIT
// Asks the compiler to inline a small function into every caller, where the
// set-up of a call would cost more than the work. Each compiler spells it in
// its own way; one that has no spelling gets a plain `inline`.
#pragma once

#if defined(_MSC_VER)
#define TORSIVA_ALWAYS_INLINE __forceinline
#elif defined(__has_attribute)
#if __has_attribute(always_inline)
#define TORSIVA_ALWAYS_INLINE inline __attribute__((always_inline))
#endif
#endif

#ifndef TORSIVA_ALWAYS_INLINE
#define TORSIVA_ALWAYS_INLINE inline
#endif
