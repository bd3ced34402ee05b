#include "pages/exercise_address.h"

#include <algorithm>

namespace trovanel {

bool IsBesideThePage(std::string_view name) {
  constexpr std::string_view kExtension = ".trovanel";
  constexpr std::string_view kRefused = "/\\:?#%";
  return name.size() > kExtension.size() && name.ends_with(kExtension) &&
         name.front() != '.' &&
         std::none_of(name.begin(), name.end(), [&](char c) {
           const auto byte = static_cast<unsigned char>(c);
           return byte < 0x20 || byte == 0x7F ||
                  kRefused.find(c) != std::string_view::npos;
         });
}

}  // namespace trovanel
