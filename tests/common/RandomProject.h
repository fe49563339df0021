#pragma once
// Random projects for property tests: whole ones, as the editors make them, and damaged ones, as a
// damaged file or a hostile panel could give them.
#include <random>

#include "core/ProjectWhole.h"

namespace RandomProject {

// A whole project of random devices of every kind (single, two-address and four-zone devices),
// links and groups, on addresses 1..last; every record also encodes.
void FillWhole(std::mt19937& rng, ProjectWhole::DeviceTable& devices, ProjectWhole::GroupTable& groups,
               int last = MaxAddress);
// The same into the shared project (DeviceDataArray, OutGrpArray), with its counts.
void FillWholeProject(std::mt19937& rng, int last = MaxAddress);

// Changes `changes` random fields that tie records together (existence, kind, position, direction,
// links, group outputs, counts, triggers) to random values, in range or not.
void Damage(std::mt19937& rng, ProjectWhole::DeviceTable& devices, ProjectWhole::GroupTable& groups, int changes);

// A value 0..n-1.
int Pick(std::mt19937& rng, int n);

}  // namespace RandomProject
