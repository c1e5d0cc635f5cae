#include "settings/file_safety.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace zarvane {

namespace {

// The rename is only on the disk once the folder that holds the name is.
bool FlushFolderOf(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty())
    folder = ".";
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0)
    return false;
  const bool flushed = ::fsync(descriptor) == 0;
  ::close(descriptor);
  return flushed;
}

}  // namespace

bool ReplaceFileWhole(const std::string& path, std::string_view bytes) {
  // Beside the file, so that the rename stays within one file system and is atomic.
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr)
    return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                 std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
  written = std::fclose(file) == 0 && written;
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0)
    return FlushFolderOf(path);
  std::remove(temporary.c_str());
  return false;
}

FileBytes ReadSmallFile(const std::string& path, std::size_t limit) {
  std::error_code error;
  const std::filesystem::file_type type = std::filesystem::status(path, error).type();
  if (type == std::filesystem::file_type::not_found)
    return {ReadStatus::Missing, {}};
  if (type != std::filesystem::file_type::regular)
    return {ReadStatus::Unreadable, {}};
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr)
    return {ReadStatus::Unreadable, {}};
  std::string bytes;
  char buffer[4096];
  bool failed = false;
  while (!failed && bytes.size() <= limit) {
    const std::size_t count = std::fread(buffer, 1, sizeof buffer, file);
    bytes.append(buffer, count);
    failed = std::ferror(file) != 0;
    if (count < sizeof buffer)
      break;
  }
  std::fclose(file);
  if (failed)
    return {ReadStatus::Unreadable, {}};
  if (bytes.size() > limit)
    return {ReadStatus::Damaged, {}};
  return {ReadStatus::Ok, std::move(bytes)};
}

std::optional<std::string> MoveDamagedFileAside(const std::string& path) {
  for (int copy = 1;; ++copy) {
    std::string aside = path + ".damaged";
    if (copy > 1) {
      aside += '.';
      aside += std::to_string(copy);
    }
    // Not a look first and a rename after: a file that takes the name in between would be
    // replaced.
    if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
      return aside;
    if (errno != EEXIST)
      return std::nullopt;
  }
}

}  // namespace zarvane
