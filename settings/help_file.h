#pragma once

#include <string>
#include <string_view>

namespace zarvane {

// Where an installed program keeps its help documents, relative to its own folder
// ("../share/zarvane" for a program in bin/). The build sets it from the install layout.
inline constexpr std::string_view kHelpFolderFromProgram = ZARVANE_HELP_FROM_PROGRAM;

// The help document `name`: beside the program when it is there (a build folder, or a copy
// the player put there), else in the installed data folder. When neither holds it, the path
// beside the program, so a message names the place a player would look first.
std::string FindHelpFile(std::string_view program_folder, std::string_view name);

}  // namespace zarvane
