#pragma once
// Double-double arithmetic: a value held as the unevaluated sum of two doubles, good to about
// 106 bits. Only IEEE double operations in round-to-nearest are used (no fused multiply-add, which
// neither runtime is sure to have in hardware), so every build computes the same bits.

#include <cfloat>

// Each operation must round to double on its own: x87 extended precision would round twice.
#if FLT_EVAL_METHOD != 0
#error "double-double arithmetic needs double evaluation (on i686: -msse2 -mfpmath=sse)"
#endif

struct DoubleDouble
{
    double m_dblHi;
    double m_dblLo; // |m_dblLo| is at most half an ulp of m_dblHi
};

// a + b exactly, when |a| >= |b| or a is 0.
inline DoubleDouble QuickTwoSum(double a, double b)
{
    double s = a + b;
    return {s, b - (s - a)};
}

// a + b exactly.
inline DoubleDouble TwoSum(double a, double b)
{
    double s = a + b;
    double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a * b exactly, by Dekker's splitting; |a| and |b| stay below 2^996.
inline DoubleDouble TwoProduct(double a, double b)
{
    const double SPLITTER = 134217729.0; // 2^27 + 1
    double p = a * b;
    double c = SPLITTER * a;
    double aHi = c - (c - a);
    double aLo = a - aHi;
    c = SPLITTER * b;
    double bHi = c - (c - b);
    double bLo = b - bHi;
    return {p, ((aHi * bHi - p) + aHi * bLo + aLo * bHi) + aLo * bLo};
}

inline DoubleDouble Add(DoubleDouble a, DoubleDouble b)
{
    DoubleDouble s = TwoSum(a.m_dblHi, b.m_dblHi);
    DoubleDouble t = TwoSum(a.m_dblLo, b.m_dblLo);
    s = QuickTwoSum(s.m_dblHi, s.m_dblLo + t.m_dblHi);
    return QuickTwoSum(s.m_dblHi, s.m_dblLo + t.m_dblLo);
}

inline DoubleDouble Add(DoubleDouble a, double b)
{
    DoubleDouble s = TwoSum(a.m_dblHi, b);
    return QuickTwoSum(s.m_dblHi, s.m_dblLo + a.m_dblLo);
}

inline DoubleDouble Multiply(DoubleDouble a, double b)
{
    DoubleDouble p = TwoProduct(a.m_dblHi, b);
    return QuickTwoSum(p.m_dblHi, p.m_dblLo + a.m_dblLo * b);
}

inline DoubleDouble Divide(DoubleDouble a, DoubleDouble b)
{
    double q1 = a.m_dblHi / b.m_dblHi;
    DoubleDouble r = Add(a, Multiply(b, -q1));
    double q2 = r.m_dblHi / b.m_dblHi;
    r = Add(r, Multiply(b, -q2));
    double q3 = r.m_dblHi / b.m_dblHi;
    return Add(QuickTwoSum(q1, q2), q3);
}

// The square root of a non-negative a, from the runtime's root of its high part and one Newton
// step; pfnSqrt is that root, so that this header needs no library.
inline DoubleDouble SquareRoot(DoubleDouble a, double (*pfnSqrt)(double))
{
    if (a.m_dblHi == 0)
        return {0, 0};
    double s = pfnSqrt(a.m_dblHi);
    DoubleDouble p = TwoProduct(s, s);
    double r = ((a.m_dblHi - p.m_dblHi) - p.m_dblLo + a.m_dblLo) / (2 * s);
    return QuickTwoSum(s, r);
}
