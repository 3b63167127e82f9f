#pragma once
// ZT_VECTOR_CLONES before a function compiles it twice, for the baseline
// x86-64 and for AVX2, and picks the one the processor runs once, at
// start-up. AVX2 alone brings no fused multiply-add, so both versions round
// every operation alike and give the same bits; the wider one is only
// faster. Elsewhere, and under the sanitizers (whose start-up the choosing
// would run before), the macro is empty.

#if defined(__has_feature)
#define ZT_CLONES_HAS_FEATURE(feature) __has_feature(feature)
#else
#define ZT_CLONES_HAS_FEATURE(feature) 0
#endif

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__) && \
    !ZT_CLONES_HAS_FEATURE(address_sanitizer) && !ZT_CLONES_HAS_FEATURE(undefined_behavior_sanitizer)
#define ZT_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
// Kernels written with AVX2 intrinsics, picked at run time beside a
// portable version, under the same rules.
#define ZT_AVX2_KERNELS 1
#else
#define ZT_VECTOR_CLONES
#define ZT_AVX2_KERNELS 0
#endif
