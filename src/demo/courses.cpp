#include "demo/courses.h"

#include <array>

#include "demo/rng.h"

namespace vantor::demo {
namespace {

// Track codes: 10 turf straight, 11-16 turf left (outer, inner to outer,
// two laps ...), 17-22 turf right, 23 dirt left, 24 dirt right, 25 dirt
// left inner, 26 dirt right outer, 27/28 sand, 29 dirt straight, 51-59
// jump courses.
constexpr TrackOption kSapporoTurf[] = {{1200, 17, 5}, {1500, 17, 3}, {1800, 17, 4}, {2000, 17, 3}, {2600, 22, 1}};
constexpr TrackOption kSapporoDirt[] = {{1000, 24, 3}, {1700, 24, 6}, {2400, 24, 1}};
constexpr TrackOption kHakodateTurf[] = {{1000, 17, 1}, {1200, 17, 5}, {1800, 17, 4}, {2000, 17, 3}, {2600, 21, 1}};
constexpr TrackOption kHakodateDirt[] = {{1000, 24, 3}, {1700, 24, 6}, {2400, 24, 1}};
constexpr TrackOption kFukushimaTurf[] = {{1200, 17, 5}, {1800, 17, 4}, {2000, 17, 3}, {2600, 17, 1}};
constexpr TrackOption kFukushimaDirt[] = {{1150, 24, 5}, {1700, 24, 5}, {2400, 28, 1}};
constexpr TrackOption kFukushimaJump[] = {{2750, 54, 3}, {3380, 58, 1}};
constexpr TrackOption kNiigataTurf[] = {{1000, 10, 2}, {1200, 11, 3}, {1400, 11, 3}, {1600, 12, 3},
                                        {1800, 12, 3}, {2000, 14, 2}, {2200, 11, 1}, {2400, 15, 1}};
constexpr TrackOption kNiigataDirt[] = {{1000, 29, 1}, {1200, 23, 5}, {1800, 23, 5}, {2500, 25, 1}};
constexpr TrackOption kNiigataJump[] = {{2850, 53, 3}, {3250, 53, 1}};
constexpr TrackOption kTokyoTurf[] = {{1400, 11, 4}, {1600, 11, 5}, {1800, 11, 4}, {2000, 11, 4},
                                      {2300, 11, 1}, {2400, 11, 3}, {2500, 11, 1}, {3400, 16, 1}};
constexpr TrackOption kTokyoDirt[] = {{1300, 23, 2}, {1400, 23, 5}, {1600, 23, 5}, {2100, 27, 2}};
constexpr TrackOption kTokyoJump[] = {{3000, 53, 2}, {3110, 53, 2}, {3300, 52, 1}};
constexpr TrackOption kNakayamaTurf[] = {{1200, 18, 4}, {1600, 18, 4}, {1800, 17, 3}, {2000, 17, 4},
                                         {2200, 18, 2}, {2500, 19, 2}, {3600, 21, 1}};
constexpr TrackOption kNakayamaDirt[] = {{1200, 24, 6}, {1800, 24, 6}, {2400, 26, 1}, {2500, 24, 1}};
constexpr TrackOption kNakayamaJump[] = {{2880, 52, 3}, {3200, 55, 2}, {3350, 56, 1}, {4100, 57, 1}, {4250, 51, 1}};
constexpr TrackOption kChukyoTurf[] = {{1200, 11, 4}, {1400, 11, 3}, {1600, 11, 4},
                                       {2000, 11, 4}, {2200, 11, 2}, {3000, 13, 1}};
constexpr TrackOption kChukyoDirt[] = {{1200, 23, 4}, {1400, 23, 5}, {1800, 23, 5}, {1900, 23, 2}};
constexpr TrackOption kChukyoJump[] = {{3000, 53, 2}, {3300, 52, 2}};
constexpr TrackOption kKyotoTurf[] = {{1200, 17, 3}, {1400, 18, 4}, {1600, 18, 4}, {1800, 18, 4}, {2000, 17, 3},
                                      {2200, 18, 2}, {2400, 18, 2}, {3000, 18, 1}, {3200, 18, 1}};
constexpr TrackOption kKyotoDirt[] = {{1200, 24, 5}, {1400, 24, 4}, {1800, 24, 5}, {1900, 24, 2}};
constexpr TrackOption kKyotoJump[] = {{2910, 54, 3}, {3170, 55, 2}, {3930, 59, 1}};
constexpr TrackOption kHanshinTurf[] = {{1200, 17, 3}, {1400, 17, 4}, {1600, 18, 4}, {1800, 18, 4}, {2000, 17, 3},
                                        {2200, 17, 2}, {2400, 18, 2}, {3000, 17, 1}, {3200, 20, 1}};
constexpr TrackOption kHanshinDirt[] = {{1200, 24, 5}, {1400, 24, 5}, {1800, 24, 5}, {2000, 24, 2}};
constexpr TrackOption kHanshinJump[] = {{2970, 54, 3}, {3140, 58, 2}, {3900, 59, 1}};
constexpr TrackOption kKokuraTurf[] = {{1200, 17, 5}, {1700, 17, 1}, {1800, 17, 4}, {2000, 17, 4}, {2600, 22, 1}};
constexpr TrackOption kKokuraDirt[] = {{1000, 24, 4}, {1700, 24, 6}, {2400, 24, 1}};
constexpr TrackOption kKokuraJump[] = {{2860, 54, 3}, {3390, 58, 1}};

constexpr std::array<JraCourse, 10> kCourses = {{
    {"01", false, kSapporoTurf, kSapporoDirt, {}},
    {"02", false, kHakodateTurf, kHakodateDirt, {}},
    {"03", true, kFukushimaTurf, kFukushimaDirt, kFukushimaJump},
    {"04", true, kNiigataTurf, kNiigataDirt, kNiigataJump},
    {"05", true, kTokyoTurf, kTokyoDirt, kTokyoJump},
    {"06", true, kNakayamaTurf, kNakayamaDirt, kNakayamaJump},
    {"07", false, kChukyoTurf, kChukyoDirt, kChukyoJump},
    {"08", false, kKyotoTurf, kKyotoDirt, kKyotoJump},
    {"09", false, kHanshinTurf, kHanshinDirt, kHanshinJump},
    {"10", false, kKokuraTurf, kKokuraDirt, kKokuraJump},
}};

std::span<const TrackOption> tracksOf(const JraCourse& course, Surface surface) {
    switch (surface) {
        case Surface::turf:
            return course.turf;
        case Surface::dirt:
            return course.dirt;
        case Surface::jump:
            return course.jump;
    }
    return course.turf;
}

}  // namespace

const JraCourse& jraCourse(int course) { return kCourses[static_cast<std::size_t>(course - 1)]; }

int trackGroup(int trackCD) {
    const std::optional<Surface> surface = surfaceOfTrack(trackCD);
    if (surface == Surface::turf) return trackCD == 10 ? 0 : trackCD <= 16 ? 2 : 1;
    if (surface == Surface::dirt)
        return trackCD == 29 ? 3 : trackCD % 2 == 0 ? 4 : 5;  // 24, 26, 28 right; 23, 25, 27 left
    return 6;
}

const TrackOption& drawTrack(const JraCourse& course, Surface surface, int minDistance, int maxDistance, Rng& rng) {
    const std::span<const TrackOption> all = tracksOf(course, surface);
    std::array<int, 16> weights{};
    int total = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool fits = all[i].distance >= minDistance && all[i].distance <= maxDistance;
        weights[i] = fits ? all[i].weight : 0;
        total += weights[i];
    }
    if (total == 0)
        for (std::size_t i = 0; i < all.size(); ++i) weights[i] = all[i].weight;
    return all[rng.weighted(std::span<const int>(weights.data(), all.size()))];
}

const TrackOption* findTrack(const JraCourse& course, Surface surface, int distance) {
    for (const TrackOption& t : tracksOf(course, surface))
        if (t.distance == distance) return &t;
    return nullptr;
}

}  // namespace vantor::demo
