#include "forms/web/element_ids.h"

namespace forms::web {

std::string ElementId(const ControlDescription& control) {
  std::string id(control.array);
  if (control.member != kNoMember) {
    id += '_';
    id += std::to_string(control.member);
  }
  return id;
}

std::string RowId(const ControlDescription& list, int row) {
  std::string id = ElementId(list);
  id += "_row";
  id += std::to_string(row);
  return id;
}

}  // namespace forms::web
