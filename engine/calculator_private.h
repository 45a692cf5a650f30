#pragma once
// Helpers shared by the engine's own files. The keypad uses calculator.h only.

#include "engine/calculator.h"

inline EvalLevel& CurrentLevel()
{
    return g_Calculator.m_aLevel[g_Calculator.m_nLevel];
}

inline WideChar* CurrentText()
{
    return CurrentLevel().m_szInpBuf;
}

// The current text's value: a function's result that the text shows rounded, while it is kept;
// otherwise the text read.
double CurrentTextValue();

// The current text changes: it no longer stands for a kept result.
inline void ForgetTextValue()
{
    CurrentLevel().m_bTextValue = 0;
}

// The current text emptied, and with it any result it kept.
inline void ClearCurrentText()
{
    CurrentText()[0] = 0;
    ForgetTextValue();
}

// The keys of evaluation, dispatched by ExecuteCommand.
int PressOperator(unsigned nCode);
int PressEquals();
int OpenParenthesis();
int CloseParenthesis();
int PressPower();

// x^y and 10^x: the runtime's pow, or in MODE_INTEGER the exact power modulo 2^32.
double RaisePower(double dblBase, double dblExponent);
