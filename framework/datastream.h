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
    // A stream over one stored frame; check ok() before reading.
    static MyDataStream forLoading(std::string_view frame);
    // Size of the frame that starts at `data`, or 0 when `size` bytes do not
    // hold a complete frame header.
    static size_t frameSizeAt(const char* data, size_t size);

    bool IsLoading() const { return m_loading; }
    bool IsStoring() const { return !m_loading; }
    unsigned version() const { return m_version; }

    // Storing: the finished frame (header, payload, checksum).
    std::string finish() const;
    const std::string& payload() const { return m_buf; }

    void putU8(uint8_t v);
    void putU16(uint16_t v);
    void putU32(uint32_t v);
    void putI32(int32_t v) { putU32(uint32_t(v)); }
    void putI64(int64_t v);
    void putF64(double v);
    void putBytes(const void* data, size_t size);
    void putText(std::string_view utf8);  // u32 length, then the bytes

    uint8_t getU8();
    uint16_t getU16();
    uint32_t getU32();
    int32_t getI32() { return int32_t(getU32()); }
    int64_t getI64();
    double getF64();
    std::string getText(size_t maxBytes = 1u << 28);
    std::string getBytes(size_t size);
    // The same without a copy: views into the stream, valid while it lives.
    std::string_view viewText(size_t maxBytes = 1u << 28);
    std::string_view viewBytes(size_t size);
    void skip(size_t size);

    bool ok() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    void fail(const std::string& message);  // keeps the first failure
    size_t position() const { return m_pos; }
    size_t remaining() const { return m_buf.size() - m_pos; }
    bool atEnd() const { return m_pos >= m_buf.size(); }

private:
    MyDataStream(bool loading, unsigned version) : m_loading(loading), m_version(version) {}
    bool need(size_t size);

    bool m_loading;
    unsigned m_version;
    std::string m_buf;  // payload
    size_t m_pos = 0;
    std::string m_error;
};
