#pragma once
// The one settings file the windows and the command-line tool share:
// vantor.ini in the program folder.

#include "settings/ini_gt.h"

namespace vantor {

inline TIniGT programSettings() {
    TIniGT ini;
    ini.setDefaultDir(TIniGTDefaultDir::ddApplication);
    ini.setFileName("vantor.ini");
    return ini;
}

}  // namespace vantor
