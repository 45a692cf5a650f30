// How long the number texts take: writing the display's two notations and reading texts back.
// Each iteration works through a fixed sample of doubles of every kind.

#include "engine/number_text.h"
#include "tests/engine/number_text_samples.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace
{

std::vector<double> MakeSample()
{
    std::vector<double> values;
    SampleRandom random = {11};
    while (values.size() < 4096)
    {
        const double dblValue = SampleDouble(&random);
        if (std::isfinite(dblValue))
            values.push_back(dblValue);
    }
    return values;
}

const std::vector<double>& Sample()
{
    static const std::vector<double> s_values = MakeSample();
    return s_values;
}

void BM_FormatGeneral(benchmark::State& state)
{
    const std::vector<double>& values = Sample();
    char sz[64];
    size_t i = 0;
    for (auto _ : state)
    {
        FormatGeneral(values[i++ % values.size()], 16, sz, sizeof sz);
        benchmark::DoNotOptimize(sz);
    }
}
BENCHMARK(BM_FormatGeneral);

void BM_FormatExponential(benchmark::State& state)
{
    const std::vector<double>& values = Sample();
    char sz[64];
    size_t i = 0;
    for (auto _ : state)
    {
        FormatExponential(values[i++ % values.size()], 14, sz, sizeof sz);
        benchmark::DoNotOptimize(sz);
    }
}
BENCHMARK(BM_FormatExponential);

// Texts as the display shows them, with 16 digits or the 14 decimals of the exponential notation.
void BM_ParseDecimal(benchmark::State& state)
{
    std::vector<WideString> texts;
    for (double dblValue : Sample())
    {
        char sz[64];
        if (texts.size() % 2 == 0)
            FormatGeneral(dblValue, 16, sz, sizeof sz);
        else
            FormatExponential(dblValue, 14, sz, sizeof sz);
        texts.push_back(Widen(sz));
    }
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseDecimal(texts[i++ % texts.size()].c_str()));
}
BENCHMARK(BM_ParseDecimal);

} // namespace
