// Mutated data almost never carries a matching CRC-32, so a fuzzer that only
// fed it as it is would stop at the checksums. These helpers recompute the
// checksums wherever the structure can still be followed, so that the data
// behind them reaches the readers too.
#pragma once

#include "framework/crc32.h"
#include "framework/datastream.h"

#include <cstdint>
#include <string>

namespace fuzz_repair {
inline uint32_t u32At(const std::string& s, size_t pos)
{
    const auto* b = reinterpret_cast<const unsigned char*>(s.data() + pos);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

inline void putU32At(std::string& s, size_t pos, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[pos + size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

// Fixes the checksum of the frame at `pos`; answers the frame's size, or 0
// when no whole frame starts there.
inline size_t repairFrameAt(std::string& s, size_t pos)
{
    const size_t size = MyDataStream::frameSizeAt(s.data() + pos, s.size() - pos);
    if (size == 0 || size > s.size() - pos)
        return 0;
    const size_t payload = size - MyDataStream::kFrameOverhead;
    const size_t payloadStart = pos + MyDataStream::kFrameHeaderSize;
    putU32At(s, payloadStart + payload, crc32(s.data() + payloadStart, payload));
    return size;
}
}  // namespace fuzz_repair

// One stored frame with its checksum made to match.
inline std::string withRepairedFrame(std::string frame)
{
    fuzz_repair::repairFrameAt(frame, 0);
    return frame;
}

// A return file (.t3r, docs/file-format.md) with the checksums of its frames
// and of its trailer made to match, as far as its structure can be followed.
inline std::string withRepairedChecksums(std::string file)
{
    using namespace fuzz_repair;
    constexpr size_t kHeaderSize = 16;
    if (file.size() < kHeaderSize)
        return file;
    const uint32_t count = u32At(file, 12);
    size_t pos = kHeaderSize;
    for (uint32_t i = 0; i < count; ++i) {
        if (pos >= file.size())
            return file;
        pos += 1 + uint8_t(file[pos]);  // class name
        if (pos + 5 > file.size())
            return file;
        pos += 5 + (file[pos + 4] == 1 ? 8 : 0);  // type id, slip flag, slip type and origin
        if (pos > file.size())
            return file;
        const size_t frame = repairFrameAt(file, pos);
        if (frame == 0)
            return file;
        pos += frame;
    }
    if (file.size() - pos >= 12)
        putU32At(file, pos + 8, crc32(file.data(), pos));
    return file;
}
