#include "framework/crc32.h"

#include <array>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TRUSTELLA_CRC32_CLMUL 1
#include <immintrin.h>
#endif

namespace {
// Slicing by eight: table k gives the CRC of a byte followed by k zero bytes,
// so eight bytes are folded in per step instead of one. Used for short data,
// the ends of long data, and processors without carry-less multiplication.
using Tables = std::array<std::array<uint32_t, 256>, 8>;

Tables makeTables()
{
    Tables t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][i] = c;
    }
    for (uint32_t i = 0; i < 256; ++i)
        for (size_t k = 1; k < 8; ++k)
            t[k][i] = t[0][t[k - 1][i] & 0xFFu] ^ (t[k - 1][i] >> 8);
    return t;
}

uint32_t loadLE32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// `state` is the CRC register (the inverted CRC).
uint32_t sliceBy8(uint32_t state, const unsigned char* p, size_t size)
{
    static const Tables t = makeTables();
    for (; size >= 8; size -= 8, p += 8) {
        const uint32_t lo = loadLE32(p) ^ state;
        const uint32_t hi = loadLE32(p + 4);
        state = t[7][lo & 0xFFu] ^ t[6][(lo >> 8) & 0xFFu] ^ t[5][(lo >> 16) & 0xFFu] ^ t[4][lo >> 24] ^
                t[3][hi & 0xFFu] ^ t[2][(hi >> 8) & 0xFFu] ^ t[1][(hi >> 16) & 0xFFu] ^ t[0][hi >> 24];
    }
    for (; size > 0; --size, ++p)
        state = t[0][(state ^ *p) & 0xFFu] ^ (state >> 8);
    return state;
}

#ifdef TRUSTELLA_CRC32_CLMUL
// Folding with carry-less multiplication (Intel, "Fast CRC Computation for
// Generic Polynomials Using PCLMULQDQ", 2009), about ten times the tables'
// speed: four 128-bit lanes are folded 64 bytes ahead, then into one lane,
// which a Barrett reduction turns into the CRC. The constants are powers of x
// modulo the bit-reflected polynomial. Takes a multiple of 16 bytes, at least 64.
constexpr size_t kClmulMinSize = 64;
#define TRUSTELLA_CLMUL_TARGET __attribute__((target("pclmul,sse4.1")))

TRUSTELLA_CLMUL_TARGET inline __m128i load(const unsigned char* at)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// x times x^n (the two halves of k) folded onto the next 128 bits.
TRUSTELLA_CLMUL_TARGET inline __m128i fold(__m128i x, __m128i k, __m128i next)
{
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)), next);
}

TRUSTELLA_CLMUL_TARGET uint32_t foldClmul(uint32_t state, const unsigned char* p, size_t size)
{
    __m128i x1 = _mm_xor_si128(load(p), _mm_cvtsi32_si128(int(state)));
    __m128i x2 = load(p + 16), x3 = load(p + 32), x4 = load(p + 48);
    p += 64;
    size -= 64;
    const __m128i k1k2 = _mm_set_epi64x(0x1c6e41596, 0x154442bd4);
    for (; size >= 64; size -= 64, p += 64) {
        x1 = fold(x1, k1k2, load(p));
        x2 = fold(x2, k1k2, load(p + 16));
        x3 = fold(x3, k1k2, load(p + 32));
        x4 = fold(x4, k1k2, load(p + 48));
    }
    const __m128i k3k4 = _mm_set_epi64x(0x0ccaa009e, 0x1751997d0);
    x1 = fold(x1, k3k4, x2);
    x1 = fold(x1, k3k4, x3);
    x1 = fold(x1, k3k4, x4);
    for (; size >= 16; size -= 16, p += 16)
        x1 = fold(x1, k3k4, load(p));

    // 128 bits to 64 (appending the 32 zero bits of the CRC), then to 32.
    const __m128i mask32 = _mm_set_epi32(0, 0, 0, -1);
    x1 = _mm_xor_si128(_mm_clmulepi64_si128(k3k4, x1, 0x01), _mm_srli_si128(x1, 8));
    const __m128i k5 = _mm_set_epi64x(0, 0x163cd6124);
    x1 = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, mask32), k5, 0x00), _mm_srli_si128(x1, 4));
    // Barrett reduction: the polynomial (low) and its quotient mu (high).
    const __m128i polyMu = _mm_set_epi64x(0x1F7011641, 0x1DB710641);
    __m128i t = _mm_clmulepi64_si128(_mm_and_si128(x1, mask32), polyMu, 0x10);
    t = _mm_clmulepi64_si128(_mm_and_si128(t, mask32), polyMu, 0x00);
    return uint32_t(_mm_extract_epi32(_mm_xor_si128(t, x1), 1));
}

bool hasClmul()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
}
#endif
}  // namespace

uint32_t crc32(const void* data, size_t size, uint32_t crc)
{
    const auto* p = static_cast<const unsigned char*>(data);
    uint32_t state = ~crc;
#ifdef TRUSTELLA_CRC32_CLMUL
    static const bool clmul = hasClmul();
    if (clmul && size >= kClmulMinSize) {
        const size_t folded = size & ~size_t(15);
        state = foldClmul(state, p, folded);
        p += folded;
        size -= folded;
    }
#endif
    return ~sliceBy8(state, p, size);
}
