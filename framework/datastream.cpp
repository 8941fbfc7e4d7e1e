#include "framework/datastream.h"

#include "framework/crc32.h"

#include <cstring>

namespace {
constexpr char kMagic[4] = {'T', 'R', 'S', '1'};

uint32_t readU32At(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void appendU32(std::string& out, uint32_t v)
{
    const char b[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
    out.append(b, 4);
}
}  // namespace

MyDataStream MyDataStream::forStoring(unsigned version)
{
    return MyDataStream(false, version);
}

size_t MyDataStream::frameSizeAt(const char* data, size_t size)
{
    if (size < kFrameHeaderSize)
        return 0;
    return kFrameOverhead + size_t(readU32At(data + 8));
}

MyDataStream MyDataStream::forLoading(std::string_view frame)
{
    MyDataStream s(true, 0);
    if (frame.size() < kFrameOverhead) {
        s.fail("truncated form data (" + std::to_string(frame.size()) + " bytes)");
        return s;
    }
    if (std::memcmp(frame.data(), kMagic, 4) != 0) {
        s.fail("not form data (bad frame marker)");
        return s;
    }
    s.m_version = readU32At(frame.data() + 4);
    const size_t length = readU32At(frame.data() + 8);
    if (frame.size() - kFrameOverhead < length) {
        s.fail("truncated form data (frame announces " + std::to_string(length) + " bytes, " +
               std::to_string(frame.size() - kFrameOverhead) + " present)");
        return s;
    }
    if (frame.size() - kFrameOverhead > length) {
        s.fail("unexpected bytes after form data");
        return s;
    }
    const char* payload = frame.data() + kFrameHeaderSize;
    if (crc32(payload, length) != readU32At(payload + length)) {
        s.fail("form data is corrupt (checksum mismatch)");
        return s;
    }
    s.m_buf.assign(payload, length);
    return s;
}

std::string MyDataStream::finish() const
{
    std::string out;
    out.reserve(m_buf.size() + kFrameOverhead);
    out.append(kMagic, 4);
    appendU32(out, m_version);
    appendU32(out, uint32_t(m_buf.size()));
    out += m_buf;
    appendU32(out, crc32(m_buf.data(), m_buf.size()));
    return out;
}

void MyDataStream::fail(const std::string& message)
{
    if (m_error.empty())
        m_error = message.empty() ? std::string("stream error") : message;
    m_pos = m_buf.size();
}

bool MyDataStream::need(size_t size)
{
    if (!ok())
        return false;
    if (remaining() < size) {
        fail("unexpected end of form data at byte " + std::to_string(m_pos));
        return false;
    }
    return true;
}

void MyDataStream::putU8(uint8_t v) { m_buf.push_back(char(v)); }
void MyDataStream::putU16(uint16_t v)
{
    const char b[2] = {char(v & 0xFF), char(v >> 8)};
    m_buf.append(b, 2);
}
void MyDataStream::putU32(uint32_t v) { appendU32(m_buf, v); }
void MyDataStream::putI64(int64_t v)
{
    appendU32(m_buf, uint32_t(uint64_t(v) & 0xFFFFFFFFu));
    appendU32(m_buf, uint32_t(uint64_t(v) >> 32));
}
void MyDataStream::putF64(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    putI64(int64_t(bits));
}
void MyDataStream::putBytes(const void* data, size_t size) { m_buf.append(static_cast<const char*>(data), size); }
void MyDataStream::putText(std::string_view utf8)
{
    putU32(uint32_t(utf8.size()));
    m_buf.append(utf8.data(), utf8.size());
}

uint8_t MyDataStream::getU8()
{
    if (!need(1))
        return 0;
    return uint8_t(m_buf[m_pos++]);
}
uint16_t MyDataStream::getU16()
{
    if (!need(2))
        return 0;
    const auto* b = reinterpret_cast<const unsigned char*>(m_buf.data() + m_pos);
    m_pos += 2;
    return uint16_t(b[0] | b[1] << 8);
}
uint32_t MyDataStream::getU32()
{
    if (!need(4))
        return 0;
    const uint32_t v = readU32At(m_buf.data() + m_pos);
    m_pos += 4;
    return v;
}
int64_t MyDataStream::getI64()
{
    if (!need(8))
        return 0;
    const uint64_t lo = readU32At(m_buf.data() + m_pos);
    const uint64_t hi = readU32At(m_buf.data() + m_pos + 4);
    m_pos += 8;
    return int64_t(lo | hi << 32);
}
double MyDataStream::getF64()
{
    const uint64_t bits = uint64_t(getI64());
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
std::string MyDataStream::getText(size_t maxBytes)
{
    return std::string(viewText(maxBytes));
}
std::string MyDataStream::getBytes(size_t size)
{
    return std::string(viewBytes(size));
}
std::string_view MyDataStream::viewText(size_t maxBytes)
{
    const size_t size = getU32();
    if (!ok())
        return {};
    if (size > maxBytes) {
        fail("text of " + std::to_string(size) + " bytes is longer than allowed");
        return {};
    }
    return viewBytes(size);
}
std::string_view MyDataStream::viewBytes(size_t size)
{
    if (!need(size))
        return {};
    const std::string_view out(m_buf.data() + m_pos, size);
    m_pos += size;
    return out;
}
void MyDataStream::skip(size_t size)
{
    if (need(size))
        m_pos += size;
}
