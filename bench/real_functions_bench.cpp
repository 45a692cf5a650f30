// The cost of each real function: the engine's own, correctly rounded in double-double, beside the
// platform's libm on the same arguments in the same run ("engine/sin" against "platform/sin").
// One call per iteration, cycling through 256 arguments spread over the range the keypad's users
// type most.

#include "engine/command_codes.h"
#include "engine/double_double.h"
#include "engine/power.h"
#include "engine/real_functions.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace
{

const int ARGUMENT_COUNT = 256;

struct BenchFunction
{
    const char* pszName;
    unsigned nCode; // CMD_POWER: x^y, with exponents from -5 to 5
    double (*pfnPlatform)(double);
    double dblLow; // the arguments' range, spread evenly, or by exponent when bGeometric
    double dblHigh;
    bool bGeometric;
};

double PlatformPower10(double x)
{
    return std::pow(10.0, x);
}

double PlatformPower(double x)
{
    return std::pow(x, 2.5 - x);
}

const BenchFunction g_aFunctions[] = {
    {"sin", CMD_SIN, std::sin, -10, 10, false},
    {"cos", CMD_COS, std::cos, -10, 10, false},
    {"tan", CMD_TAN, std::tan, -10, 10, false},
    {"asin", CMD_ASIN, std::asin, -1, 1, false},
    {"acos", CMD_ACOS, std::acos, -1, 1, false},
    {"atan", CMD_ATAN, std::atan, -10, 10, false},
    {"sinh", CMD_SINH, std::sinh, -5, 5, false},
    {"cosh", CMD_COSH, std::cosh, -5, 5, false},
    {"tanh", CMD_TANH, std::tanh, -5, 5, false},
    {"asinh", CMD_ASINH, std::asinh, -10, 10, false},
    {"acosh", CMD_ACOSH, std::acosh, 1, 10, false},
    {"atanh", CMD_ATANH, std::atanh, -0.99, 0.99, false},
    {"e^x", CMD_EXPE, std::exp, -20, 20, false},
    {"ln", CMD_LN, std::log, 1e-3, 1e3, true},
    {"log", CMD_LOG, std::log10, 1e-3, 1e3, true},
    {"10^x", CMD_POW10, PlatformPower10, -20, 20, false},
    {"x^y", CMD_POWER, PlatformPower, 0.1, 10, true},
};

double Argument(const BenchFunction& f, int i)
{
    double t = (i + 0.5) / ARGUMENT_COUNT;
    return f.bGeometric ? f.dblLow * std::pow(f.dblHigh / f.dblLow, t)
                        : f.dblLow + (f.dblHigh - f.dblLow) * t;
}

void BM_Engine(benchmark::State& state, const BenchFunction* pFunction)
{
    double adblArguments[ARGUMENT_COUNT];
    for (int i = 0; i < ARGUMENT_COUNT; ++i)
        adblArguments[i] = Argument(*pFunction, i);
    int i = 0;
    for (auto _ : state)
    {
        double x = adblArguments[i++ & (ARGUMENT_COUNT - 1)];
        ScaledDoubleDouble v = pFunction->nCode == CMD_POWER
                                   ? Power(x, 2.5 - x)
                                   : EvaluateRealFunction(pFunction->nCode, x);
        benchmark::DoNotOptimize(RoundToDouble(v));
    }
}

void BM_Platform(benchmark::State& state, const BenchFunction* pFunction)
{
    double adblArguments[ARGUMENT_COUNT];
    for (int i = 0; i < ARGUMENT_COUNT; ++i)
        adblArguments[i] = Argument(*pFunction, i);
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pFunction->pfnPlatform(adblArguments[i++ & (ARGUMENT_COUNT - 1)]));
}

// Each function's pair one after the other, so that both see the machine alike.
int RegisterPairs()
{
    for (const BenchFunction& f : g_aFunctions)
    {
        benchmark::RegisterBenchmark((std::string("engine/") + f.pszName).c_str(), BM_Engine, &f);
        benchmark::RegisterBenchmark((std::string("platform/") + f.pszName).c_str(), BM_Platform,
                                     &f);
    }
    return 0;
}

const int g_nRegistered = RegisterPairs();

} // namespace
