// Keys per second through the engine for a realistic mix: numbers typed digit by digit, the four
// operators, parentheses, powers, functions and equals, with the display read after every key
// as the keypad reads it.

#include "engine/calculator.h"
#include "engine/command_codes.h"

#include <benchmark/benchmark.h>

namespace
{

// A key of the mix: a character, or a command when ch is 0.
struct MixKey
{
    char ch;
    unsigned nCode;
};

const MixKey g_aMix[] = {
    {'1', 0},     {'2', 0},        {'.', 0},        {'5', 0},       {0, CMD_ADD}, {'3', 0},
    {0, CMD_MUL}, {'4', 0},        {0, CMD_SQRT},   {0, CMD_EQUAL}, {'3', 0},     {'5', 0},
    {'5', 0},     {0, CMD_DIV},    {'1', 0},        {'1', 0},       {'3', 0},     {0, CMD_EQUAL},
    {0, CMD_SIN}, {0, CMD_SQUARE}, {0, CMD_LPAREN}, {'2', 0},       {0, CMD_ADD}, {'0', 0},
    {'.', 0},     {'7', 0},        {0, CMD_RPAREN}, {0, CMD_POWER}, {'3', 0},     {0, CMD_SUB},
    {'9', 0},     {'9', 0},        {0, CMD_EQUAL},  {0, CMD_LN},    {0, CMD_AC},
};

void BM_CalculatorKeys(benchmark::State& state)
{
    const size_t nKeys = sizeof(g_aMix) / sizeof(g_aMix[0]);
    WideChar szDisplay[DISPLAY_TEXT_SIZE];
    Reset(MODE_DECIMAL, RADIX_DEC);
    for (auto _ : state)
    {
        for (const MixKey& key : g_aMix)
        {
            if (key.ch != 0)
                EnterChar(static_cast<WideChar>(key.ch));
            else
                ExecuteCommand(key.nCode);
            GetDisplayText(szDisplay);
        }
        benchmark::DoNotOptimize(szDisplay);
    }
    state.counters["keys/s"] = benchmark::Counter(static_cast<double>(state.iterations() * nKeys),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CalculatorKeys);

} // namespace
