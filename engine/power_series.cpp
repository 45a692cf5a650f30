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
    // Each step's factor z c_j is made apart from the running sum, so that the sum's chain of
    // dependent operations holds one multiplication and one addition a step, and no division.
    double dblNumerator;
    double dblTail = 1;
    int j = nTerms;
    for (; j > nPrecise; --j)
    {
        double dblDenominator = Denominator(kind, j, &dblNumerator);
        dblTail = z.m_dblHi * (dblNumerator / dblDenominator) * dblTail + 1;
    }
    DoubleDouble sum = {dblTail, 0};
    for (; j > 0; --j)
    {
        double dblDenominator = Denominator(kind, j, &dblNumerator);
        DoubleDouble factor =
            Divide(dblNumerator != 1 ? Multiply(z, dblNumerator) : z, dblDenominator);
        // 1 + factor * sum, where the product's magnitude is below 1.
        DoubleDouble product = Multiply(factor, sum);
        double dblSum = 1 + product.m_dblHi;
        sum = QuickTwoSum(dblSum, (product.m_dblHi - (dblSum - 1)) + product.m_dblLo);
    }
    return sum;
}
