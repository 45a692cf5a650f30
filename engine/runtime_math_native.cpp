#include "engine/runtime_math.h"

#include <cmath>

double RuntimeSin(double x)
{
    return std::sin(x);
}

double RuntimeCos(double x)
{
    return std::cos(x);
}

double RuntimeTan(double x)
{
    return std::tan(x);
}

double RuntimeAsin(double x)
{
    return std::asin(x);
}

double RuntimeAcos(double x)
{
    return std::acos(x);
}

double RuntimeAtan(double x)
{
    return std::atan(x);
}

double RuntimeSinh(double x)
{
    return std::sinh(x);
}

double RuntimeCosh(double x)
{
    return std::cosh(x);
}

double RuntimeTanh(double x)
{
    return std::tanh(x);
}

double RuntimeExp(double x)
{
    return std::exp(x);
}

double RuntimeLog(double x)
{
    return std::log(x);
}

double RuntimeLog10(double x)
{
    return std::log10(x);
}

double RuntimePow(double x, double y)
{
    return std::pow(x, y);
}

double RuntimeSqrt(double x)
{
    return std::sqrt(x);
}

double RuntimeFloor(double x)
{
    return std::floor(x);
}

double RuntimeFrexp(double x, int* pExponent)
{
    return std::frexp(x, pExponent);
}
