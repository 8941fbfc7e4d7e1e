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

void writeU32At(char* p, uint32_t v)
{
    p[0] = char(v & 0xFF);
    p[1] = char((v >> 8) & 0xFF);
    p[2] = char((v >> 16) & 0xFF);
    p[3] = char((v >> 24) & 0xFF);
}

void appendU32(std::string& out, uint32_t v)
{
    char b[4];
    writeU32At(b, v);
    out.append(b, 4);
}
}  // namespace

MyDataStream MyDataStream::forStoring(unsigned version)
{
    return forStoringAfter(std::string(), version);
}

MyDataStream MyDataStream::forStoringAfter(std::string&& file, unsigned version)
{
    MyDataStream s(false, version);
    s.m_buf = std::move(file);
    s.m_frameStart = s.m_buf.size();
    s.m_buf.append(kMagic, 4);
    appendU32(s.m_buf, version);
    appendU32(s.m_buf, 0);  // the payload's length, once finished
    s.m_payloadStart = s.m_buf.size();
    return s;
}

size_t MyDataStream::frameSizeAt(const char* data, size_t size)
{
    if (size < kFrameHeaderSize)
        return 0;
    return kFrameOverhead + size_t(readU32At(data + 8));
}

MyDataStream MyDataStream::forLoading(std::string_view frame)
{
    MyDataStream s = forLoadingInPlace(frame);
    if (s.ok() && s.m_size > 0) {
        s.m_owned.reset(new char[s.m_size]);
        std::memcpy(s.m_owned.get(), s.m_data, s.m_size);
    }
    s.m_data = s.m_owned.get();
    return s;
}

MyDataStream MyDataStream::forLoadingInPlace(std::string_view frame)
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
    s.m_data = payload;
    s.m_size = length;
    return s;
}

std::string_view MyDataStream::payload() const
{
    return std::string_view(m_buf).substr(m_payloadStart);
}

std::string MyDataStream::finish() const
{
    std::string out(m_buf, m_frameStart);
    const std::string_view body = payload();
    writeU32At(&out[8], uint32_t(body.size()));
    appendU32(out, crc32(body.data(), body.size()));
    return out;
}

std::string MyDataStream::takeFinished() &&
{
    const std::string_view body = payload();
    const uint32_t crc = crc32(body.data(), body.size());
    writeU32At(&m_buf[m_frameStart + 8], uint32_t(body.size()));
    appendU32(m_buf, crc);
    return std::move(m_buf);
}

void MyDataStream::fail(const std::string& message)
{
    if (m_error.empty())
        m_error = message.empty() ? std::string("stream error") : message;
    m_pos = m_size;
}

bool MyDataStream::refuseShortRead()
{
    if (ok())
        fail("unexpected end of form data at byte " + std::to_string(m_pos));
    return false;
}

void MyDataStream::putU16(uint16_t v)
{
    const char b[2] = {char(v & 0xFF), char(v >> 8)};
    m_buf.append(b, 2);
}
void MyDataStream::putU32(uint32_t v) { appendU32(m_buf, v); }
void MyDataStream::putI64(int64_t v)
{
    char b[8];
    writeU32At(b, uint32_t(uint64_t(v) & 0xFFFFFFFFu));
    writeU32At(b + 4, uint32_t(uint64_t(v) >> 32));
    m_buf.append(b, 8);
}
void MyDataStream::putF64(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    putI64(int64_t(bits));
}
void MyDataStream::putText(std::string_view utf8)
{
    putU32(uint32_t(utf8.size()));
    m_buf.append(utf8.data(), utf8.size());
}

uint16_t MyDataStream::getU16()
{
    if (!need(2))
        return 0;
    const auto* b = reinterpret_cast<const unsigned char*>(m_data + m_pos);
    m_pos += 2;
    return uint16_t(b[0] | b[1] << 8);
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
