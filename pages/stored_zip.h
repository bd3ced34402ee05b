#ifndef TROVANEL_PAGES_STORED_ZIP_H_
#define TROVANEL_PAGES_STORED_ZIP_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace trovanel {

struct ZipEntry {
  std::string_view name;  // a path inside the archive, "/" between folders
  std::string_view bytes;
};

// A zip archive of `entries`, each stored as it is (no compression), dated
// 1980-01-01 so that the same entries always make the same archive. Sizes
// must stay under 4 GiB and the entries under 65,535.
std::string StoredZip(std::span<const ZipEntry> entries);

// The CRC-32 of zip and gzip (reflected polynomial 0xEDB88320).
uint32_t Crc32(std::string_view bytes);

}  // namespace trovanel

#endif  // TROVANEL_PAGES_STORED_ZIP_H_
