#pragma once
// The surface a JV-Data track code names: 10-22 turf (10 straight, 11-16
// left-handed, 17-22 right-handed), 23-29 dirt, 51-59 jump. Every view,
// the statistics and the demo take a code's surface from here.

#include <cstdint>
#include <optional>

#include "text/sjis.h"

namespace vantor {

enum class Surface : std::uint8_t { turf, dirt, jump };

struct TrackCodes {
    int first, last;
    constexpr bool holds(int code) const { return code >= first && code <= last; }
};
inline constexpr TrackCodes kTurfTracks{10, 22}, kDirtTracks{23, 29}, kJumpTracks{51, 59};

// None for a code of no surface (blank, 0-9, 30-50, 60 and above).
constexpr std::optional<Surface> surfaceOfTrack(int trackCode) {
    if (kTurfTracks.holds(trackCode)) return Surface::turf;
    if (kDirtTracks.holds(trackCode)) return Surface::dirt;
    if (kJumpTracks.holds(trackCode)) return Surface::jump;
    return std::nullopt;
}
// A code as the record holds it, read as a number (blank reads as 0).
constexpr std::optional<Surface> surfaceOfTrack(SjisView trackCode) { return surfaceOfTrack(lenientInt(trackCode)); }

}  // namespace vantor
