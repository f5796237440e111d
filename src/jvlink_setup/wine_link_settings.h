#pragma once
// The program's JV-Link choice as the settings file keeps it:
// [JVLinkFeed] Source=folder (the default) or wine, Folder=, Pace=,
// Version= for the feed folder, and [JVLinkWine] Command=, Prefix=,
// Bridge= for JV-Link under Wine.

#include <filesystem>

#include "jvlink/jvlink_choice.h"

namespace vantor {

class TIniGT;

// The choice with the defaults of what is not set: the feed folder
// <appDir>/jvfeed (a relative folder is taken from appDir); "wine",
// $WINEPREFIX else ~/.wine, and the bridge installed with the program,
// else the one built beside it.
JVLinkChoice readJVLinkChoice(const std::filesystem::path& appDir, const TIniGT& ini);

// Keeps the whole choice in one write of the settings file; false, the
// old choice kept whole, when it could not be saved.
bool saveJVLinkChoice(TIniGT& ini, const JVLinkChoice& choice);

// The feed folder used while the settings name none.
std::filesystem::path defaultFeedFolder(const std::filesystem::path& appDir);

// The bridge that came with this program.
std::filesystem::path defaultBridge();

}  // namespace vantor
