#include "framework/crc32.h"

#include <array>

namespace {
// Slicing by eight: table k gives the CRC of a byte followed by k zero bytes,
// so eight bytes are folded in per step instead of one. Saving and loading a
// return checksums every byte twice (its form's frame and the whole file).
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
}  // namespace

uint32_t crc32(const void* data, size_t size, uint32_t crc)
{
    static const Tables t = makeTables();
    const auto* p = static_cast<const unsigned char*>(data);
    crc = ~crc;
    for (; size >= 8; size -= 8, p += 8) {
        const uint32_t lo = loadLE32(p) ^ crc;
        const uint32_t hi = loadLE32(p + 4);
        crc = t[7][lo & 0xFFu] ^ t[6][(lo >> 8) & 0xFFu] ^ t[5][(lo >> 16) & 0xFFu] ^ t[4][lo >> 24] ^
              t[3][hi & 0xFFu] ^ t[2][(hi >> 8) & 0xFFu] ^ t[1][(hi >> 16) & 0xFFu] ^ t[0][hi >> 24];
    }
    for (; size > 0; --size, ++p)
        crc = t[0][(crc ^ *p) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}
