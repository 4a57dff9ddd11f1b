#pragma once
// Where the program keeps its files. The home folder holds the settings, club and history files;
// the folder above it (the shared folder) holds the files shared with sibling games and packs.

#include <filesystem>
#include <string_view>

namespace vantor {

// The folder of the running program file.
std::filesystem::path executableFolder();

// $VANTOR_HOME when set; else the program's folder when it already holds "Vantor4.ini" or
// "Vantor4.clb" (a portable install); else $XDG_DATA_HOME/zov/vantor4, by default
// ~/.local/share/zov/vantor4. Nothing is created here.
std::filesystem::path homeFolder();

// The folder above the home folder.
std::filesystem::path sharedFolder();

// A file name as the program writes it: a leading "..\" (or "../") means the shared folder,
// anything else lies in the home folder. Backslashes become slashes.
std::filesystem::path resolveProgramPath(std::string_view name);

} // namespace vantor
