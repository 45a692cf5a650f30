#pragma once
// The one way the engine computes: with floating-point traps masked, whatever the host has set,
// so that every arithmetic fault reaches the range check as an infinite or NaN value and ends in
// the error state. The host's settings come back afterwards.

int RunWithoutTraps(int (*pfnCompute)(unsigned), unsigned nArgument);
