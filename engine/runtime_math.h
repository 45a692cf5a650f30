#pragma once
// The math functions of the C runtime the engine runs on: the system's libm natively, msvcrt.dll
// on Windows, where the toolchain's statically linked replacements (x87 code that loses sin and
// cos from 1e5 on) must not stand in for them. Every library math call of the engine goes
// through here, so that both builds compute alike.

#ifdef _WIN32
// Imported from msvcrt.dll under these names (msvcrt_math.def): each call goes straight through
// the import table, with no function of our own and its unwind entry in between.
#define RUNTIME_MATH extern "C" __declspec(dllimport)
#else
#define RUNTIME_MATH
#endif

RUNTIME_MATH double RuntimeSin(double x);
RUNTIME_MATH double RuntimeCos(double x);
RUNTIME_MATH double RuntimeTan(double x);
RUNTIME_MATH double RuntimeAsin(double x);
RUNTIME_MATH double RuntimeAcos(double x);
RUNTIME_MATH double RuntimeAtan(double x);
RUNTIME_MATH double RuntimeSinh(double x);
RUNTIME_MATH double RuntimeCosh(double x);
RUNTIME_MATH double RuntimeTanh(double x);
RUNTIME_MATH double RuntimeExp(double x);
RUNTIME_MATH double RuntimeLog(double x);
RUNTIME_MATH double RuntimeLog10(double x);
RUNTIME_MATH double RuntimePow(double x, double y);
RUNTIME_MATH double RuntimeSqrt(double x);
RUNTIME_MATH double RuntimeFloor(double x);
RUNTIME_MATH double RuntimeFrexp(double x, int* pExponent);
