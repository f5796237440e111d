#pragma once
// The one settings file the windows and the command-line tool share:
// vantor.ini in the program folder.

#include <string_view>

#include "settings/ini_gt.h"

namespace vantor {

// The settings file's name in the program folder.
inline constexpr std::string_view kProgramSettingsName = "vantor.ini";

inline TIniGT programSettings() {
    TIniGT ini;
    ini.setDefaultDir(TIniGTDefaultDir::ddApplication);
    ini.setFileName(std::string(kProgramSettingsName));
    return ini;
}

}  // namespace vantor
