// MyDataStream: the byte stream that forms store their fields into and load
// them from. Little-endian throughout. A stored stream is one self-checking
// frame:
//
//   "TRS1"  u32 version  u32 payload-length  payload  u32 CRC-32(payload)
//
// so a truncated or damaged frame is refused before a single field is read.
// Reads past the end, impossible lengths and wrong tags put the stream into
// a failed state with a message; later reads then yield zeros. The layout of
// the payload is documented in docs/file-format.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Stream version written by this build. Forms compare the version of the data
// they load with fixed versions to read older data.
constexpr unsigned TRUSTELLA_STREAM_VERSION = 0x10200;

class MyDataStream {
public:
    static constexpr size_t kFrameHeaderSize = 12;  // magic, version, length
    static constexpr size_t kFrameOverhead = 16;    // header + CRC

    // A stream to store into.
    static MyDataStream forStoring(unsigned version = TRUSTELLA_STREAM_VERSION);
    // The same, building its frame after the bytes already in `file`, which
    // takeFinished gives back with the frame appended: a file of many frames
    // is written without copying each one.
    static MyDataStream forStoringAfter(std::string&& file, unsigned version = TRUSTELLA_STREAM_VERSION);
    // A stream over a copy of one stored frame; check ok() before reading.
    static MyDataStream forLoading(std::string_view frame);
    // The same without the copy: `frame` must outlive the stream.
    static MyDataStream forLoadingInPlace(std::string_view frame);
    // Size of the frame that starts at `data`, or 0 when `size` bytes do not
    // hold a complete frame header.
    static size_t frameSizeAt(const char* data, size_t size);

    bool IsLoading() const { return m_loading; }
    bool IsStoring() const { return !m_loading; }
    unsigned version() const { return m_version; }

    // Storing: the finished frame (header, payload, checksum).
    std::string finish() const;
    // Storing: the bytes given to forStoringAfter followed by the finished frame.
    std::string takeFinished() &&;
    std::string_view payload() const;

    void putU8(uint8_t v) { m_buf.push_back(char(v)); }
    void putU16(uint16_t v);
    void putU32(uint32_t v);
    void putI32(int32_t v) { putU32(uint32_t(v)); }
    void putI64(int64_t v);
    void putF64(double v);
    void putBytes(const void* data, size_t size) { m_buf.append(static_cast<const char*>(data), size); }
    void putText(std::string_view utf8);  // u32 length, then the bytes

    uint8_t getU8() { return need(1) ? uint8_t(m_data[m_pos++]) : 0; }
    uint16_t getU16();
    uint32_t getU32()
    {
        if (!need(4))
            return 0;
        const uint32_t v = loadLE32(m_data + m_pos);
        m_pos += 4;
        return v;
    }
    int32_t getI32() { return int32_t(getU32()); }
    int64_t getI64()
    {
        if (!need(8))
            return 0;
        const uint64_t v = uint64_t(loadLE32(m_data + m_pos)) | uint64_t(loadLE32(m_data + m_pos + 4)) << 32;
        m_pos += 8;
        return int64_t(v);
    }
    double getF64();
    std::string getText(size_t maxBytes = 1u << 28);
    std::string getBytes(size_t size);
    // The same without a copy: views into the stream, valid while it lives.
    std::string_view viewText(size_t maxBytes = 1u << 28);
    std::string_view viewBytes(size_t size)
    {
        if (!need(size))
            return {};
        const std::string_view out(m_data + m_pos, size);
        m_pos += size;
        return out;
    }
    void skip(size_t size)
    {
        if (need(size))
            m_pos += size;
    }

    bool ok() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    void fail(const std::string& message);  // keeps the first failure
    // Loading: bytes of the payload read so far; storing: written so far.
    size_t position() const { return m_loading ? m_pos : m_buf.size() - m_payloadStart; }
    size_t remaining() const { return m_size - m_pos; }  // loading
    bool atEnd() const { return m_pos >= m_size; }

private:
    MyDataStream(bool loading, unsigned version) : m_loading(loading), m_version(version) {}
    static uint32_t loadLE32(const char* p)
    {
        const auto* b = reinterpret_cast<const unsigned char*>(p);
        return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    }
    bool need(size_t size) { return (size <= m_size - m_pos && ok()) || refuseShortRead(); }
    bool refuseShortRead();  // records the failure (unless one is recorded); false

    bool m_loading;
    unsigned m_version;
    // Storing: m_buf holds any bytes before the frame, then the frame's
    // header (its length filled in when finished) and the payload.
    std::string m_buf;
    size_t m_frameStart = 0;
    size_t m_payloadStart = 0;
    // Loading: the payload, in m_owned or in the caller's bytes.
    std::unique_ptr<char[]> m_owned;
    const char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_pos = 0;
    std::string m_error;
};
