#pragma once
// AppDir, the program folder: base of the store folders and home of the
// settings file.
//
// It is the executable's folder when the program may write there (a portable
// install), otherwise the user's data folder (~/.local/share/vantor). The
// command line may name any folder instead.

#include <filesystem>

namespace vantor {

// The running executable, or an empty path when it cannot be found.
std::filesystem::path executablePath();

// exeFolder when it is a folder the program may create files in; otherwise
// dataFolder, created (with its parents) when missing. A failed creation
// shows later, when the store folders are made.
std::filesystem::path chooseAppDir(const std::filesystem::path& exeFolder, const std::filesystem::path& dataFolder);

// The program folder: the one given to setAppDir, or else chooseAppDir for
// the executable's folder and userDataFolder(), decided once per run.
// Absolute, without a trailing separator.
std::filesystem::path appDir();

// Makes folder (taken relative to the current directory) the program folder;
// an empty path returns to the automatic choice.
void setAppDir(const std::filesystem::path& folder);

}  // namespace vantor
