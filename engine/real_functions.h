#pragma once
// The scientific pad's functions by command code, before their one rounding: the engine's own
// code, the same in every build. Codes that name no such function give x itself.

#include "engine/double_double.h"

ScaledDoubleDouble EvaluateRealFunction(unsigned nCode, double x);
