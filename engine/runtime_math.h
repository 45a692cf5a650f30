#pragma once
// The math functions of the C runtime the engine runs on: the system's libm natively, msvcrt.dll
// on Windows, where the toolchain's statically linked replacements (x87 code that loses sin and
// cos from 1e5 on) must not stand in for them. Every library math call of the engine goes
// through here, so that both builds compute alike.

double RuntimeSin(double x);
double RuntimeCos(double x);
double RuntimeTan(double x);
double RuntimeAsin(double x);
double RuntimeAcos(double x);
double RuntimeAtan(double x);
double RuntimeSinh(double x);
double RuntimeCosh(double x);
double RuntimeTanh(double x);
double RuntimeExp(double x);
double RuntimeLog(double x);
double RuntimeLog10(double x);
double RuntimePow(double x, double y);
double RuntimeSqrt(double x);
double RuntimeFloor(double x);
double RuntimeFrexp(double x, int* pExponent);
