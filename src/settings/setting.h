#pragma once
// One value of the settings file, defined once beside the code that uses
// it: its section, its key, the value it has while the file does not hold
// one, and what a stored value is taken as (a clamp into a range, say, or
// the fallback for a value out of form). Reads go through TIniGT, so a
// value that cannot be read as its type (an integer "12abc", say) gives the
// fallback. Writes go into a SettingsBatch, or, for a value set alone,
// straight to the file.

#include "settings/settings_batch.h"

namespace vantor {

template <class T>
struct Setting {
    using Value = T;
    SjisView section;
    SjisView key;
    T fallback;
    // The value a stored one is taken as; by default itself.
    T (*checked)(T stored, T fallback) = [](T stored, T) { return stored; };
};

inline int readSetting(const TIniGT& ini, const Setting<int>& s) {
    return s.checked(ini.ReadInteger(s.section, s.key, s.fallback), s.fallback);
}
inline void writeSetting(SettingsBatch& batch, const Setting<int>& s, int value) {
    batch.set(s.section, s.key, iniInteger(value));
}

inline bool readSetting(const TIniGT& ini, const Setting<bool>& s) {
    return s.checked(ini.ReadBool(s.section, s.key, s.fallback), s.fallback);
}
inline void writeSetting(SettingsBatch& batch, const Setting<bool>& s, bool value) {
    batch.set(s.section, s.key, iniBool(value));
}

// Texts are Shift-JIS bytes.
inline SjisString readSetting(const TIniGT& ini, const Setting<SjisView>& s) {
    const SjisString stored = ini.ReadString(s.section, s.key, s.fallback);
    return SjisString(s.checked(stored, s.fallback));
}
inline void writeSetting(SettingsBatch& batch, const Setting<SjisView>& s, SjisView value) {
    batch.set(s.section, s.key, value);
}

// A window's place and size on the screen, in pixels.
struct WindowPlacement {
    int left = 0, top = 0, width = 0, height = 0;
};

// A window's place kept as the keys left, top, width and height of one section.
struct PlacementSetting {
    using Value = WindowPlacement;
    SjisView section;
    WindowPlacement fallback;
};

inline WindowPlacement readSetting(const TIniGT& ini, const PlacementSetting& s) {
    return {ini.ReadInteger(s.section, "left", s.fallback.left), ini.ReadInteger(s.section, "top", s.fallback.top),
            ini.ReadInteger(s.section, "width", s.fallback.width),
            ini.ReadInteger(s.section, "height", s.fallback.height)};
}
inline void writeSetting(SettingsBatch& batch, const PlacementSetting& s, const WindowPlacement& p) {
    batch.set(s.section, "top", iniInteger(p.top));
    batch.set(s.section, "left", iniInteger(p.left));
    batch.set(s.section, "width", iniInteger(p.width));
    batch.set(s.section, "height", iniInteger(p.height));
}

// One setting written alone: a batch of one, committed at once; false when
// it could not be saved.
template <class S>
bool writeSetting(TIniGT& ini, const S& setting, const typename S::Value& value) {
    SettingsBatch batch(ini);
    writeSetting(batch, setting, value);
    return batch.commit();
}

}  // namespace vantor
