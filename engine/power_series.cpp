#include "engine/power_series.h"

namespace
{

// c_j as numerator / denominator.
double Denominator(SeriesKind kind, int j, double* pNumerator)
{
    *pNumerator = kind == SERIES_ARCTANH ? 2 * j - 1 : 1;
    switch (kind)
    {
    case SERIES_EXPM1: return j + 1;
    case SERIES_SINE: return 2 * j * (2 * j + 1);
    case SERIES_COSINE: return (2 * j - 1) * 2 * j;
    default: return 2 * j + 1;
    }
}

} // namespace

DoubleDouble SumSeries(SeriesKind kind, DoubleDouble z, int nTerms, int nPrecise)
{
    double dblNumerator;
    double dblTail = 1;
    int j = nTerms;
    for (; j > nPrecise; --j)
    {
        double dblDenominator = Denominator(kind, j, &dblNumerator);
        dblTail = 1 + z.m_dblHi * dblTail * dblNumerator / dblDenominator;
    }
    DoubleDouble sum = {dblTail, 0};
    for (; j > 0; --j)
    {
        double dblDenominator = Denominator(kind, j, &dblNumerator);
        DoubleDouble term = Multiply(z, sum);
        if (dblNumerator != 1)
            term = Multiply(term, dblNumerator);
        sum = Add(Divide(term, dblDenominator), 1.0);
    }
    return sum;
}
