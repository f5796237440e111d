#include "demo/form.h"

#include <cmath>

namespace vantor::demo {
namespace {

// Two-year-olds and early three-year-olds are still growing; horses past
// five slowly decline.
double ageForm(int age, int month) {
    if (age <= 2) return -0.55 + 0.05 * (month - 6);
    if (age == 3) return -0.25 + 0.02 * month;
    if (age <= 5) return 0;
    return -0.12 * (age - 5);
}

// Over jumps only the horse and its age count.
double fit(const Horse& h, Surface surface, int distance) {
    if (surface == Surface::jump) return 0;
    return (surface == Surface::turf ? h.turf - 0.5 : 0.5 - h.turf) * 1.2 - std::abs(distance - h.distance) / 900.0;
}

}  // namespace

double strengthFor(const Horse& h, Surface surface, int distance, int year, int month) {
    return h.ability + ageForm(racingAge(h, year), month) + fit(h, surface, distance);
}

double suitability(float turf, float preferredDistance, Surface surface, int distance) {
    if (surface == Surface::jump) return 1.0;
    const double ground = surface == Surface::turf ? 0.08 + turf : 1.08 - turf;
    return ground * std::exp(-std::abs(distance - preferredDistance) / 450.0);
}

}  // namespace vantor::demo
