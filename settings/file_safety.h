#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zarvane {

// Replaces the file whole or not at all: the bytes go to a temporary file beside it, flushed
// to the disk, which then takes the file's name; the folder is flushed too, so that after a
// power cut the name points at the old bytes or the new ones, never at a cut-off file.
bool ReplaceFileWhole(const std::string& path, std::string_view bytes);

enum class ReadStatus { Ok, Missing, Unreadable, Damaged };
struct FileBytes {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
};
// The whole file when it holds at most `limit` bytes; a longer one is Damaged. A folder or a
// device under the name is Unreadable.
FileBytes ReadSmallFile(const std::string& path, std::size_t limit);

// Renames a damaged file to the first free name of "<path>.damaged", "<path>.damaged.2",
// "<path>.damaged.3"..., so that its bytes stay for the player; never replaces a file. The new
// path, or nothing when the file could not be moved.
std::optional<std::string> MoveDamagedFileAside(const std::string& path);

}  // namespace zarvane
