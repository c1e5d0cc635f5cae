#include "table/controls.h"

#include <iterator>

namespace zarvane {

namespace {

constexpr std::string_view kNames[] = {
#define ZARVANE_CONTROL_NAME(name) #name,
    ZARVANE_CONTROLS(ZARVANE_CONTROL_NAME)
#undef ZARVANE_CONTROL_NAME
};
static_assert(std::size(kNames) == std::size(kAllControls));

}  // namespace

std::string_view ControlName(Control control) {
  return kNames[static_cast<int>(control)];
}

std::optional<Control> ControlFromName(std::string_view name) {
  for (Control control : kAllControls) {
    if (ControlName(control) == name)
      return control;
  }
  return std::nullopt;
}

}  // namespace zarvane
