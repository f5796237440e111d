#pragma once
// How well a horse suits a race: its age, the surface and the distance.
// Entry choices and race outcomes both use it, so horses run where they
// run well.

#include "demo/world.h"

namespace vantor::demo {

// Racing age in the year of the race (the JRA counts from 1 January).
inline int racingAge(const Horse& h, int year) { return year - h.birthYear(); }

// Expected performance in the race, on the scale of Horse::ability.
double strengthFor(const Horse& h, Surface surface, int distance, int year, int month);

// Up to about 1: how much the surface and distance agree with a horse of
// that turf liking and preferred distance (Horse::turf, Horse::distance).
double suitability(float turf, float preferredDistance, Surface surface, int distance);

}  // namespace vantor::demo
