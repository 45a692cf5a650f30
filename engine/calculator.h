#pragma once
// The calculator engine: one global Calculator and the operations that work on it. Everything
// runs on the host's window thread, one key at a time. Operations return 1 for success and 0 for
// failure unless said otherwise.

#include "engine/command_codes.h"
#include "engine/text.h"

#include <cstdint>

enum NumberMode
{
    MODE_DECIMAL = 0, // IEEE doubles shown in decimal: the scientific pad
    MODE_INTEGER = 1, // unsigned 32-bit integers shown in the radix: the programmer pad
};

enum RadixIndex
{
    RADIX_DEC = 0,
    RADIX_HEX = 1,
    RADIX_OCT = 2,
    RADIX_BIN = 3,
};

enum LevelStatus
{
    LEVEL_INITIAL = 0,  // fresh: value +0.0, empty text, no operator
    LEVEL_ENTERING = 1, // the text is being typed, or holds a value written as text
    LEVEL_OPERATOR = 2, // an operator was just pressed: m_dblData is its left operand
    LEVEL_RESULT = 3,   // "=" has finished (level 0 only): m_dblData is the result
    LEVEL_CLOSED = 4,   // a parenthesis was just closed: its value stands as the text
    LEVEL_POWER = 5,    // x^y was pressed: the base is m_dblPowBase
};

enum SubStatus
{
    SUB_NONE = 0,
    SUB_FUNCTION = 1,  // a unary function was applied on this level
    SUB_POW_TEXT = 2,  // pending power took its base from the text, no operator pending
    SUB_POW_VALUE = 3, // pending power took its base from the result
    SUB_POW_SAVED = 4, // pending power saved the operator that was pending in m_nPowSavedOp
};

const int MAX_LEVELS = 20;
const int INPUT_TEXT_SIZE = 64;   // characters of m_szInpBuf, terminator included
const int DISPLAY_TEXT_SIZE = 64; // characters GetDisplayText may write, terminator included
const int STATUS_TEXT_SIZE = 128;

struct EvalLevel
{
    uint16_t m_nStatus;
    uint16_t m_nSubStatus;
    double m_dblData;
    uint16_t m_nOp;
    WideChar m_szInpBuf[INPUT_TEXT_SIZE];
    // A function's result written as the text: while the text is not edited, the result with
    // all its digits stands for it.
    int32_t m_bTextValue;
    double m_dblTextValue;
};

struct Calculator
{
    int32_t m_bError;
    int32_t m_nMode;
    int32_t m_nRadix;
    int32_t m_nLevel;
    EvalLevel m_aLevel[MAX_LEVELS + 1]; // the last one is never used
    int32_t m_bExpInput;
    uint16_t m_nPowSavedOp;
    double m_dblPowBase;
    WideChar m_szStatus[STATUS_TEXT_SIZE];
};

extern Calculator g_Calculator;

// State and number text.
void Reset(int nMode, int nRadix); // -1 keeps the current value
void AllClear();
void ClearLevels();
void ClearLevel(int nLevel);
void SetLevelStatus(unsigned nStatus, int nLevel, int bClearSubStatus); // nLevel -1: current
void SetError(int bError);
int ChangeRadix(int nRadix);
double ParseNumber(const WideChar* pszText);
int FormatNumber(double dblValue, WideChar* pszOut); // pszOut holds INPUT_TEXT_SIZE characters
int CheckRange(double dblValue);
int StoreValueText(double dblValue);
void GetDisplayText(WideChar* pszOut); // pszOut holds DISPLAY_TEXT_SIZE characters
void GetStatusText(WideChar* pszOut);  // pszOut holds STATUS_TEXT_SIZE characters

// Keys.
int EnterChar(WideChar ch);
int ExecuteCommand(unsigned nCode);

// Evaluation and functions, reached through ExecuteCommand.
int EvaluateLevel();
int ApplyFunction(unsigned nCode);
