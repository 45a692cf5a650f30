#include "tests/engine/calculator_fixture.h"

#include "cli/key_names.h"

#include <sstream>
#include <vector>

std::string Narrow(const WideChar* pszText)
{
    std::string text;
    for (; *pszText != 0; ++pszText)
        text += static_cast<char>(*pszText);
    return text;
}

void CalculatorTest::Start(int nMode, int nRadix)
{
    Reset(nMode, nRadix);
    g_ulBeepCount = 0;
}

std::string CalculatorTest::Keys(const char* pszKeys)
{
    BeepsOf(pszKeys);
    return Display();
}

unsigned long CalculatorTest::BeepsOf(const char* pszKeys)
{
    std::istringstream words(pszKeys);
    std::string word;
    unsigned long ulBeeping = 0;
    while (words >> word)
    {
        std::vector<const KeyName*> aKeys;
        if (!KeysOfWord(word.c_str(), aKeys))
        {
            ADD_FAILURE() << "no such key: " << word;
            continue;
        }
        for (const KeyName* pKey : aKeys)
        {
            unsigned long ulBefore = g_ulBeepCount;
            PressCalculatorKey(*pKey);
            Display();
            ulBeeping += g_ulBeepCount != ulBefore;
        }
    }
    return ulBeeping;
}

std::string CalculatorTest::Display()
{
    WideChar szDisplay[DISPLAY_TEXT_SIZE];
    GetDisplayText(szDisplay);
    return Narrow(szDisplay);
}

std::string CalculatorTest::CurrentText()
{
    return Narrow(Current().m_szInpBuf);
}
