#pragma once
// Where the program's JV-Link comes from, as the settings file keeps it:
// [JVLinkFeed] Source=folder (the feed folder replacement, the default) or
// wine (JV-Link under Wine through vantor-jvbridge.exe), and for Wine
// [JVLinkWine] Command=, Prefix=, Bridge=.

#include <filesystem>

#include "jvlink/wine_prefix.h"

namespace vantor {

class TIniGT;

enum class JVLinkSource { folder, wine };

JVLinkSource readJVLinkSource(const TIniGT& ini);

// The Wine settings with their defaults: "wine"; $WINEPREFIX, else
// ~/.wine; the bridge installed with the program, else the one built
// beside it.
WineSettings readWineSettings(const TIniGT& ini);

// Keeps the source and the Wine settings; false when they could not be saved.
bool saveJVLinkSource(TIniGT& ini, JVLinkSource source, const WineSettings& wine);

// The bridge that came with this program.
std::filesystem::path defaultBridge();

}  // namespace vantor
