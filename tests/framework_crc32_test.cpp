// The checksum of stored frames and return files: the standard CRC-32 of zip,
// whatever the length, alignment and split of the data.
#include "framework/crc32.h"

#include <gtest/gtest.h>
#include <string>

namespace {
TEST(Crc32, StandardCheckValues)
{
    struct Case {
        std::string data;
        uint32_t crc;
    };
    const Case cases[] = {
        {"", 0x00000000u},
        {"a", 0xE8B7BE43u},
        {"123456789", 0xCBF43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
        {std::string(32, '\0'), 0x190A55ADu},
        {std::string(32, '\xFF'), 0xFF6CAB0Bu},
    };
    for (const Case& c : cases)
        EXPECT_EQ(crc32(c.data.data(), c.data.size()), c.crc) << '"' << c.data << '"';
}

// One bit at a time, the definition the tables stand for.
uint32_t bitwiseCrc32(const std::string& data)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : data) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

TEST(Crc32, EveryLengthOffsetAndSplitAgreesWithTheBitwiseDefinition)
{
    std::string data;
    for (int i = 0; i < 400; ++i)  // past several 64-byte folding steps
        data.push_back(char((i * 131 + 7) & 0xFF));
    for (size_t offset = 0; offset < 16; ++offset) {
        for (size_t length = 0; offset + length <= data.size(); ++length) {
            const std::string piece = data.substr(offset, length);
            const uint32_t expected = bitwiseCrc32(piece);
            ASSERT_EQ(crc32(data.data() + offset, length), expected) << "offset " << offset << " length " << length;
            const size_t split = length / 3;
            const uint32_t first = crc32(piece.data(), split);
            ASSERT_EQ(crc32(piece.data() + split, length - split, first), expected)
                << "offset " << offset << " length " << length << " split " << split;
        }
    }
}
}  // namespace
