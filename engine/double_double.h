#pragma once
// Double-double arithmetic: a value held as the unevaluated sum of two doubles, good to about
// 106 bits. Only IEEE double operations in round-to-nearest are used (no fused multiply-add, which
// neither runtime is sure to have in hardware, and which the engine is built never to contract
// into), so every build computes the same bits.

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

// A result before its one rounding: m_ddValue * 2^m_nExponent. The power of two lets a result
// beyond the double range, or in its subnormal part, keep all its bits until then.
struct ScaledDoubleDouble
{
    DoubleDouble m_ddValue;
    int m_nExponent;
};

// A value that needs no scale: one that is already a double, or within the double range.
inline ScaledDoubleDouble Plain(DoubleDouble x)
{
    return {x, 0};
}

inline ScaledDoubleDouble Plain(double x)
{
    return {{x, 0}, 0};
}

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

inline DoubleDouble Negate(DoubleDouble a)
{
    return {-a.m_dblHi, -a.m_dblLo};
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

inline DoubleDouble Multiply(DoubleDouble a, DoubleDouble b)
{
    DoubleDouble p = TwoProduct(a.m_dblHi, b.m_dblHi);
    return QuickTwoSum(p.m_dblHi, p.m_dblLo + (a.m_dblHi * b.m_dblLo + a.m_dblLo * b.m_dblHi));
}

// a * 2^n, exact while both parts stay normal; n from -1022 to 1023.
DoubleDouble Scale(DoubleDouble a, int n);

// a / b for a nonzero b.
DoubleDouble Divide(DoubleDouble a, double b);
DoubleDouble Divide(DoubleDouble a, DoubleDouble b);

// The square root of a non-negative a, from the IEEE root of its high part and one Newton step.
DoubleDouble SquareRoot(DoubleDouble a);

// The double nearest the value (ties to even), subnormal, zero or infinite where it lies there.
double RoundToDouble(ScaledDoubleDouble v);

// The value truncated toward zero, as a double; judged on the unrounded value, so a result just
// below a whole number truncates below it even where it rounds to it. Values of 2^53 and more,
// infinities and NaN come back as they are.
double TruncateToWhole(ScaledDoubleDouble v);
