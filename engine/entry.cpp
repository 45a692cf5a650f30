// Typing and editing the input text, and the dispatch of command keys.

#include "engine/arithmetic_traps.h"
#include "engine/beep.h"
#include "engine/calculator_private.h"
#include "engine/number_text.h"

namespace
{

const int MANTISSA_DIGITS = 16;     // characters besides the point; a minus sign counts
const int EXPONENT_PART_LIMIT = 5;  // the mark and three digits fill the exponent
const int EXPONENT_MARK_LENGTH = 2; // "e+" or "e-"

bool IsDecimalDigit(WideChar ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsAccepted(WideChar ch)
{
    if (g_Calculator.m_nMode != MODE_INTEGER)
        return IsDecimalDigit(ch) || ch == '.';
    switch (g_Calculator.m_nRadix)
    {
    case RADIX_HEX: return IsDecimalDigit(ch) || (ch >= 'A' && ch <= 'F');
    case RADIX_OCT: return ch >= '0' && ch <= '7';
    case RADIX_BIN: return ch == '0' || ch == '1';
    default: return IsDecimalDigit(ch);
    }
}

// The text never overflows its buffer: what does not fit is refused audibly.
int AppendToCurrentText(const WideChar* pszText)
{
    if (!TextAppend(CurrentText(), INPUT_TEXT_SIZE, pszText))
    {
        SoundBeep();
        return 0;
    }
    ForgetTextValue();
    SetLevelStatus(LEVEL_ENTERING, -1, 0);
    return 1;
}

int AppendChar(WideChar ch)
{
    const WideChar szChar[2] = {ch, 0};
    return AppendToCurrentText(szChar);
}

int EnterExponentDigit(WideChar ch)
{
    const WideChar* pszText = CurrentText();
    int nMark = TextFind(pszText, 'e');
    if (nMark < 0)
        return 0;
    if (TextLength(pszText + nMark) >= EXPONENT_PART_LIMIT || !IsDecimalDigit(ch))
    {
        SoundBeep();
        return 0;
    }
    return AppendChar(ch);
}

int EnterMantissaChar(WideChar ch)
{
    WideChar* pszText = CurrentText();
    // A lone zero is always replaced, even by a character refused below.
    if (TextEquals(pszText, WIDE("0")))
        ClearCurrentText();
    if (!IsAccepted(ch))
        return 0;
    if (CurrentLevel().m_nStatus != LEVEL_ENTERING)
        pszText[0] = 0;
    int n = static_cast<int>(TextLength(pszText));
    if (TextFind(pszText, '.') >= 0)
    {
        if (ch == '.')
            return 0;
        --n;
    }
    if (n >= MANTISSA_DIGITS)
    {
        SoundBeep();
        return 0;
    }
    return AppendChar(ch);
}

void DeleteLastChar()
{
    WideChar* pszText = CurrentText();
    size_t n = TextLength(pszText);
    ForgetTextValue();
    if (g_Calculator.m_bExpInput)
    {
        // The exponent mark stays: only digits after it go.
        int nMark = TextFind(pszText, 'e');
        if (nMark >= 0 && n > static_cast<size_t>(nMark + EXPONENT_MARK_LENGTH))
            pszText[n - 1] = 0;
    }
    else if (n > 0)
    {
        pszText[n - 1] = 0;
    }
    // Also after a result or an operator: the display then shows the emptied text while the
    // value waits for the next operator.
    SetLevelStatus(LEVEL_ENTERING, -1, 0);
}

void ToggleExponentSign()
{
    WideChar* pszText = CurrentText();
    int nMark = TextFind(pszText, 'e');
    if (nMark < 0)
        return;
    WideChar& chSign = pszText[nMark + 1];
    if (chSign == '+')
        chSign = '-';
    else if (chSign == '-')
        chSign = '+';
}

int ToggleTextSign()
{
    ForgetTextValue();
    WideChar* pszText = CurrentText();
    size_t n = TextLength(pszText);
    if (n == 0)
        return 1;
    if (pszText[0] == '-')
    {
        TextCopy(pszText, INPUT_TEXT_SIZE, pszText + 1);
        return 1;
    }
    // Texts stay far below the buffer's size; a full one would refuse the sign, not lose it.
    if (n + 1 >= INPUT_TEXT_SIZE)
    {
        SoundBeep();
        return 0;
    }
    WideChar szSigned[INPUT_TEXT_SIZE] = {'-'};
    TextCopy(szSigned + 1, INPUT_TEXT_SIZE - 1, pszText);
    TextCopy(pszText, INPUT_TEXT_SIZE, szSigned);
    return 1;
}

int ChangeSign()
{
    if (g_Calculator.m_bError)
        return 0;
    if (g_Calculator.m_nMode == MODE_INTEGER && g_Calculator.m_nRadix != RADIX_DEC)
    {
        SoundBeep();
        return 0;
    }
    if (g_Calculator.m_bExpInput)
    {
        ToggleExponentSign();
        return 1;
    }
    EvalLevel& level = CurrentLevel();
    if (level.m_nStatus != LEVEL_INITIAL && level.m_nStatus != LEVEL_RESULT)
        return ToggleTextSign();
    // On the programmer pad the negated value is stored as it is shown: modulo 2^32.
    if (g_Calculator.m_nMode == MODE_INTEGER)
        level.m_dblData = 0u - DoubleToUnsigned32(level.m_dblData);
    else
        level.m_dblData = -level.m_dblData;
    return 1;
}

int StartExponent()
{
    // A number has one exponent: a text that holds one already, typed or written from a value
    // ("1e-010"), is left as it is, like an empty one. A hex digit E is no mark.
    const WideChar* pszText = CurrentText();
    if (pszText[0] == 0 || TextFind(pszText, 'e') >= 0)
        return 1;
    if (!AppendToCurrentText(WIDE("e+")))
        return 0;
    g_Calculator.m_bExpInput = 1;
    return 1;
}

// The text goes and so does exponent entry, so that the next digits start a new number.
void ClearEntry()
{
    ClearCurrentText();
    g_Calculator.m_bExpInput = 0;
}

int DispatchCommand(unsigned nCode)
{
    switch (nCode)
    {
    case CMD_AC: AllClear(); return 1;
    case CMD_CE: ClearEntry(); return 1;
    case CMD_DEL: DeleteLastChar(); return 1;
    case CMD_MUL:
    case CMD_DIV:
    case CMD_ADD:
    case CMD_SUB:
    case CMD_AND:
    case CMD_OR:
    case CMD_XOR: return PressOperator(nCode);
    case CMD_EQUAL: return PressEquals();
    case CMD_LPAREN: return OpenParenthesis();
    case CMD_RPAREN: return CloseParenthesis();
    case CMD_POWER: return PressPower();
    case CMD_SIGN: return ChangeSign();
    case CMD_EXP: return StartExponent();
    default: break;
    }
    int nResult = ApplyFunction(nCode);
    // A pending power resumes by its sub-status: a function on the typed exponent keeps it.
    EvalLevel& level = CurrentLevel();
    if (level.m_nOp != CMD_POWER)
        level.m_nSubStatus = SUB_FUNCTION;
    return nResult;
}

} // namespace

int EnterChar(WideChar ch)
{
    if (g_Calculator.m_bExpInput)
        return EnterExponentDigit(ch);
    return EnterMantissaChar(ch);
}

int ExecuteCommand(unsigned nCode)
{
    return RunWithoutTraps(DispatchCommand, nCode);
}
