// A seeded, reproducible random walk through the instrument: bezel events, sensor values, the
// altitude-sensor box, clock ticks, power cycles and frames, with the instrument's invariants
// checked after every step.
#pragma once
#include <cstdint>
#include <string>

struct WalkResult {
    bool Ok = true;
    uint64_t Steps = 0;  // steps taken, the failing one included
    std::string Failure; // which invariant broke, and where
};

// The driver command for step number `step` of the walk with this seed.
std::string WalkCommand(uint64_t seed, uint64_t step);

// Walks `steps` steps from the state the process is in ("on" first); stops at the first broken
// invariant. The walk is reproducible from a fresh process: the driver script "on" followed by
// WalkCommand(seed, 0 .. Steps - 1) replays it with kdr7-headless.
WalkResult RunWalk(uint64_t seed, uint64_t steps);

// Empty when every invariant holds, else a description of the first that does not. `settled`:
// the last frame handled no event, so every list shows its cursor's entry.
std::string CheckInvariants(bool settled);
