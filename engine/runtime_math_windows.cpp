#include "engine/runtime_math.h"

// Imported from msvcrt.dll through msvcrt_math.def.
extern "C"
{
    __declspec(dllimport) double msvcrt_sin(double);
    __declspec(dllimport) double msvcrt_cos(double);
    __declspec(dllimport) double msvcrt_tan(double);
    __declspec(dllimport) double msvcrt_asin(double);
    __declspec(dllimport) double msvcrt_acos(double);
    __declspec(dllimport) double msvcrt_atan(double);
    __declspec(dllimport) double msvcrt_sinh(double);
    __declspec(dllimport) double msvcrt_cosh(double);
    __declspec(dllimport) double msvcrt_tanh(double);
    __declspec(dllimport) double msvcrt_exp(double);
    __declspec(dllimport) double msvcrt_log(double);
    __declspec(dllimport) double msvcrt_log10(double);
    __declspec(dllimport) double msvcrt_pow(double, double);
    __declspec(dllimport) double msvcrt_sqrt(double);
    __declspec(dllimport) double msvcrt_floor(double);
    __declspec(dllimport) double msvcrt_frexp(double, int*);
}

double RuntimeSin(double x)
{
    return msvcrt_sin(x);
}

double RuntimeCos(double x)
{
    return msvcrt_cos(x);
}

double RuntimeTan(double x)
{
    return msvcrt_tan(x);
}

double RuntimeAsin(double x)
{
    return msvcrt_asin(x);
}

double RuntimeAcos(double x)
{
    return msvcrt_acos(x);
}

double RuntimeAtan(double x)
{
    return msvcrt_atan(x);
}

double RuntimeSinh(double x)
{
    return msvcrt_sinh(x);
}

double RuntimeCosh(double x)
{
    return msvcrt_cosh(x);
}

double RuntimeTanh(double x)
{
    return msvcrt_tanh(x);
}

double RuntimeExp(double x)
{
    return msvcrt_exp(x);
}

double RuntimeLog(double x)
{
    return msvcrt_log(x);
}

double RuntimeLog10(double x)
{
    return msvcrt_log10(x);
}

double RuntimePow(double x, double y)
{
    return msvcrt_pow(x, y);
}

double RuntimeSqrt(double x)
{
    return msvcrt_sqrt(x);
}

double RuntimeFloor(double x)
{
    return msvcrt_floor(x);
}

double RuntimeFrexp(double x, int* pExponent)
{
    return msvcrt_frexp(x, pExponent);
}
