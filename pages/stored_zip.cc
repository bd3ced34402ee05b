#include "pages/stored_zip.h"

#include <array>

namespace trovanel {
namespace {

constexpr uint16_t kVersion = 10;  // 1.0: stored entries
constexpr uint16_t kUtf8Names = 0x0800;
constexpr uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;  // 1980-01-01

void Put16(uint16_t value, std::string& out) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

void Put32(uint32_t value, std::string& out) {
  Put16(static_cast<uint16_t>(value & 0xFFFF), out);
  Put16(static_cast<uint16_t>(value >> 16), out);
}

// What the local header and the central directory's entry share, from the
// version needed to the name's length.
void PutCommon(const ZipEntry& entry, uint32_t crc, std::string& out) {
  Put16(kVersion, out);
  Put16(kUtf8Names, out);
  Put16(0, out);  // stored
  Put16(0, out);  // time 00:00
  Put16(kDosDate, out);
  Put32(crc, out);
  Put32(static_cast<uint32_t>(entry.bytes.size()), out);  // compressed
  Put32(static_cast<uint32_t>(entry.bytes.size()), out);
  Put16(static_cast<uint16_t>(entry.name.size()), out);
  Put16(0, out);  // no extra field
}

}  // namespace

uint32_t Crc32(std::string_view bytes) {
  static const std::array<uint32_t, 256> kTable = [] {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int bit = 0; bit < 8; ++bit) {
        c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
      }
      table[n] = c;
    }
    return table;
  }();
  uint32_t crc = 0xFFFFFFFFU;
  for (const char byte : bytes) {
    crc = kTable[(crc ^ static_cast<uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
  }
  return crc ^ 0xFFFFFFFFU;
}

std::string StoredZip(std::span<const ZipEntry> entries) {
  std::string zip;
  std::string directory;
  for (const ZipEntry& entry : entries) {
    const uint32_t crc = Crc32(entry.bytes);
    const auto offset = static_cast<uint32_t>(zip.size());
    Put32(0x04034B50, zip);
    PutCommon(entry, crc, zip);
    zip += entry.name;
    zip += entry.bytes;

    Put32(0x02014B50, directory);
    Put16(kVersion, directory);  // made by: MS-DOS attributes, 1.0
    PutCommon(entry, crc, directory);
    Put16(0, directory);  // no comment
    Put16(0, directory);  // disk 0
    Put16(0, directory);  // internal attributes
    Put32(0, directory);  // external attributes
    Put32(offset, directory);
    directory += entry.name;
  }
  const auto directory_offset = static_cast<uint32_t>(zip.size());
  const auto count = static_cast<uint16_t>(entries.size());
  zip += directory;
  Put32(0x06054B50, zip);
  Put16(0, zip);  // this disk
  Put16(0, zip);  // the directory's disk
  Put16(count, zip);
  Put16(count, zip);
  Put32(static_cast<uint32_t>(directory.size()), zip);
  Put32(directory_offset, zip);
  Put16(0, zip);  // no comment
  return zip;
}

}  // namespace trovanel
