#pragma once
// Where the program's JV-Link comes from: the feed folder replacement, or
// JV-Link itself under Wine through vantor-jvbridge.exe; with the settings
// of each, so that switching back and forth keeps both.

#include "jvlink/feed_jvlink.h"
#include "jvlink/wine_prefix.h"

namespace vantor {

enum class JVLinkSource { folder, wine };

struct JVLinkChoice {
    JVLinkSource source = JVLinkSource::folder;
    FeedSettings feed;
    WineSettings wine;
};

}  // namespace vantor
