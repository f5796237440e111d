#pragma once
// One value of the settings file, defined once beside the code that uses
// it: its section, its key, and the value it has while the file does not
// hold one. Reads and writes go through TIniGT, so a value that cannot be
// read as its type (an integer "12abc", say) gives the fallback.

#include "settings/ini_gt.h"

namespace vantor {

template <class T>
struct Setting {
    SjisView section;
    SjisView key;
    T fallback;
};

inline int readSetting(const TIniGT& ini, const Setting<int>& s) {
    return ini.ReadInteger(s.section, s.key, s.fallback);
}
inline bool writeSetting(TIniGT& ini, const Setting<int>& s, int value) {
    return ini.WriteInteger(s.section, s.key, value);
}

inline bool readSetting(const TIniGT& ini, const Setting<bool>& s) {
    return ini.ReadBool(s.section, s.key, s.fallback);
}
inline bool writeSetting(TIniGT& ini, const Setting<bool>& s, bool value) {
    return ini.WriteBool(s.section, s.key, value);
}

// Texts are Shift-JIS bytes.
inline SjisString readSetting(const TIniGT& ini, const Setting<SjisView>& s) {
    return ini.ReadString(s.section, s.key, s.fallback);
}
inline bool writeSetting(TIniGT& ini, const Setting<SjisView>& s, SjisView value) {
    return ini.WriteString(s.section, s.key, value);
}

// A window's place and size on the screen, in pixels.
struct WindowPlacement {
    int left = 0, top = 0, width = 0, height = 0;
};

// A window's place kept as the keys left, top, width and height of one section.
struct PlacementSetting {
    SjisView section;
    WindowPlacement fallback;
};

inline WindowPlacement readSetting(const TIniGT& ini, const PlacementSetting& s) {
    return {ini.ReadInteger(s.section, "left", s.fallback.left), ini.ReadInteger(s.section, "top", s.fallback.top),
            ini.ReadInteger(s.section, "width", s.fallback.width),
            ini.ReadInteger(s.section, "height", s.fallback.height)};
}
inline bool writeSetting(TIniGT& ini, const PlacementSetting& s, const WindowPlacement& p) {
    return ini.WriteInteger(s.section, "top", p.top) && ini.WriteInteger(s.section, "left", p.left) &&
           ini.WriteInteger(s.section, "width", p.width) && ini.WriteInteger(s.section, "height", p.height);
}

}  // namespace vantor
