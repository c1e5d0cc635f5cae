#include "settings/help_file.h"

#include <filesystem>

namespace zarvane {

std::string FindHelpFile(std::string_view program_folder, std::string_view name) {
  namespace fs = std::filesystem;
  const fs::path folder(program_folder);
  const fs::path beside = folder / name;
  const fs::path installed = (folder / kHelpFolderFromProgram / name).lexically_normal();
  std::error_code error;
  if (!fs::is_regular_file(beside, error) && fs::is_regular_file(installed, error))
    return installed.string();
  return beside.string();
}

}  // namespace zarvane
