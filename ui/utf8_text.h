#pragma once

#include <QString>
#include <string_view>

namespace zarvane {

// The game's texts are UTF-8 views; Qt wants its own strings.
inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zarvane
