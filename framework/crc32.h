// CRC-32 (IEEE 802.3 polynomial, as used by zip and PNG).
#pragma once

#include <cstddef>
#include <cstdint>

uint32_t crc32(const void* data, size_t size, uint32_t crc = 0);
