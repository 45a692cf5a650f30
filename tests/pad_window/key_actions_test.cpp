// What each key does on release: the calculator, the pad's own state, and what reaches the host.

#include "engine/calculator.h"
#include "pad_model/pad_state.h"
#include "pad_window/key_actions.h"
#include "tests/pad_window/test_host.h"

namespace
{

// The display the engine shows for text typed and then one command, bypassing the keypad.
std::string EngineResult(int nMode, const char* pszText, unsigned nCode)
{
    Reset(nMode, RADIX_DEC);
    for (const char* p = pszText; *p != 0; ++p)
        EnterChar(static_cast<WideChar>(*p));
    ExecuteCommand(nCode);
    WideChar sz[DISPLAY_TEXT_SIZE];
    GetDisplayText(sz);
    std::string s;
    for (const WideChar* q = sz; *q != 0; ++q)
        s += static_cast<char>(*q);
    return s;
}

} // namespace

class KeyActionTest : public KeypadTest
{
};

TEST_F(KeyActionTest, InputSendsTheDisplayTextWithItsLength)
{
    panel->TapText("12");
    panel->TapCode(CMD_ADD);
    panel->TapText("3");
    panel->TapCode(CMD_EQUAL);
    EXPECT_EQ("15", panel->Display());
    EXPECT_TRUE(Calls().empty()); // = alone sends nothing without EquelToInput
    panel->TapCode(CMD_INPUT);
    EXPECT_EQ(CallLog({"SendString \"15\" 2"}), Calls());
    EXPECT_EQ("15", panel->Display());
}

TEST_F(KeyActionTest, InputSendsAComputedZeroAsAFreshPadShowsIt)
{
    panel->TapText("5");
    panel->TapCode(CMD_SUB);
    panel->TapText("5");
    panel->TapCode(CMD_EQUAL);
    panel->TapCode(CMD_INPUT);
    EXPECT_EQ(CallLog({"SendString \"0\" 1"}), Calls());
}

TEST_F(KeyActionTest, InputSendsErrorAsItStands)
{
    panel->TapText("1");
    panel->TapCode(CMD_DIV);
    panel->TapText("0");
    panel->TapCode(CMD_EQUAL);
    panel->TapCode(CMD_INPUT);
    EXPECT_EQ(CallLog({"SendString \"Error\" 5"}), Calls());
}

TEST_F(KeyActionTest, EqualsAlsoSendsWithEquelToInputAndClearsWithInputToClear)
{
    StoreSetting(L"EquelToInput", 1);
    Reopen();
    panel->TapText("2");
    panel->TapCode(CMD_ADD);
    panel->TapText("3");
    panel->TapCode(CMD_EQUAL);
    EXPECT_EQ(CallLog({"SendString \"5\" 1"}), Calls());
    EXPECT_EQ("5", panel->Display());

    StoreSetting(L"InputToClear", 1);
    Reopen();
    panel->TapText("7");
    panel->TapCode(CMD_MUL);
    panel->TapText("6");
    panel->TapCode(CMD_EQUAL);
    EXPECT_EQ(CallLog({"SendString \"42\" 2"}), Calls());
    EXPECT_EQ("0", panel->Display());
    panel->TapCode(CMD_ADD); // the calculation is gone: the next operator finds nothing to use
    panel->TapText("1");
    panel->TapCode(CMD_EQUAL);
    EXPECT_EQ("SendString \"1\" 1", Calls().back());
}

TEST_F(KeyActionTest, ModifiersChooseTheCodeAndStayOn)
{
    panel->TapText("0.5");
    panel->TapCode(CMD_INV);
    panel->TapCode(CMD_SIN);
    EXPECT_EQ(EngineResult(MODE_DECIMAL, "0.5", CMD_ASIN), panel->Display());
    EXPECT_TRUE(g_PadState.bInv);

    panel->TapCode(CMD_AC);
    panel->TapText("2");
    panel->TapCode(CMD_LOG); // INV still on: ten to the x
    EXPECT_EQ("100", panel->Display());

    panel->TapCode(CMD_AC);
    panel->TapText("4");
    panel->TapCode(CMD_RECIP); // no INV variant: stays 1/x
    EXPECT_EQ("0.25", panel->Display());

    panel->TapCode(CMD_HYP);
    panel->TapCode(CMD_AC);
    panel->TapText("0.5");
    panel->TapCode(CMD_TAN);
    EXPECT_EQ(EngineResult(MODE_DECIMAL, "0.5", CMD_ATANH), panel->Display());
    EXPECT_NE(EngineResult(MODE_DECIMAL, "0.5", CMD_TAN), panel->Display());

    panel->TapCode(CMD_INV); // HYP alone: log stays log
    panel->TapCode(CMD_AC);
    panel->TapText("100");
    panel->TapCode(CMD_LOG);
    EXPECT_EQ("2", panel->Display());
    EXPECT_TRUE(Calls().empty());
}

TEST_F(KeyActionTest, PadSwitchClearsTheCalculationAndKeepsRadixAndModifiers)
{
    panel->TapCode(CMD_INV);
    panel->TapCode(CMD_PAD);
    EXPECT_EQ(PAD_PROGRAMMER, g_PadState.nPadType);
    panel->TapCode(CMD_HEX);
    panel->TapText("FF");
    EXPECT_EQ("FF", panel->Display());
    panel->TapCode(CMD_PAD);
    EXPECT_EQ("0", panel->Display());
    EXPECT_EQ(PAD_SCIENTIFIC, g_PadState.nPadType);
    EXPECT_TRUE(g_PadState.bInv);
    panel->TapText("9");
    panel->TapCode(CMD_PAD);
    EXPECT_EQ("0", panel->Display());
    EXPECT_EQ(1, g_PadState.nRadix);
    panel->TapText("1A"); // hexadecimal digits are taken again: the radix survived
    EXPECT_EQ("1A", panel->Display());
}

TEST_F(KeyActionTest, RadixKeysConvertTheEntry)
{
    panel->TapCode(CMD_PAD);
    panel->TapText("255");
    panel->TapCode(CMD_HEX);
    EXPECT_EQ("FF", panel->Display());
    panel->TapCode(CMD_BIN);
    EXPECT_EQ("11111111", panel->Display());
    panel->TapCode(CMD_OCT);
    EXPECT_EQ("377", panel->Display());
    panel->TapCode(CMD_OCT); // the current radix again changes nothing
    EXPECT_EQ("377", panel->Display());
    EXPECT_EQ(2, g_PadState.nRadix);
}

TEST_F(KeyActionTest, DirectModeSendsEachKeyAndLeavesTheCalculationAlone)
{
    panel->TapText("12");
    panel->TapCode(CMD_ADD);
    panel->TapCode(CMD_DIRECT);
    ASSERT_TRUE(g_PadState.bDirect);
    panel->TapText("7.");
    panel->TapCode(CMD_MUL);
    panel->TapCode(CMD_EQUAL);
    panel->TapDirectRowKey(VKEY_RETURN);
    panel->TapDirectRowKey(VKEY_UP);
    panel->TapDirectRowKey(VKEY_BACK);
    panel->TapDirectRowKey(VKEY_DELETE);
    panel->TapCode(CMD_SIN); // greyed: not pressable
    panel->TapCode(CMD_PAD);
    EXPECT_EQ(
        CallLog({"SendString \"7\" 1", "SendString \".\" 1", "SendString \"*\" 1",
                 "SendString \"=\" 1", "SendCharEvents 13 0x80 1 0 13", "SendVirtualKey 38 0x80",
                 "SendCharEvents 8 0x80 1 0 8", "SendVirtualKey 46 0x80"}),
        Calls());
    EXPECT_EQ(PAD_SCIENTIFIC, g_PadState.nPadType);

    panel->TapCode(CMD_DIRECT);
    EXPECT_FALSE(g_PadState.bDirect);
    EXPECT_EQ("12", panel->Display());
    panel->TapText("3");
    panel->TapCode(CMD_EQUAL);
    EXPECT_EQ("15", panel->Display());
    EXPECT_EQ(8u, Calls().size()); // leaving direct mode sent nothing
}

TEST_F(KeyActionTest, DirectModeOnTheProgrammerPadTypesHexadecimalDigits)
{
    panel->TapCode(CMD_PAD);
    panel->TapCode(CMD_DIRECT);
    panel->TapText("A9");
    panel->TapCode(CMD_AND); // no character: greyed
    EXPECT_EQ(CallLog({"SendString \"A\" 1", "SendString \"9\" 1"}), Calls());
    EXPECT_EQ("0", panel->Display());
}

TEST_F(KeyActionTest, TapOnTheDisplayEntersDirectModeOnlyWithDirectInEx)
{
    panel->Tap(15, 10);
    EXPECT_FALSE(g_PadState.bDirect);
    StoreSetting(L"DirectInEx", 1);
    Reopen();
    panel->Tap(15, 10);
    EXPECT_TRUE(g_PadState.bDirect);
    panel->Tap(15, 10); // now the direct row lies there: Esc
    EXPECT_EQ(CallLog({"SendCharEvents 27 0x80 1 0 27"}), Calls());
    EXPECT_TRUE(g_PadState.bDirect);
}

TEST_F(KeyActionTest, TapOnAnInactiveKeyLeavesDirectModeOnlyWithDirectOutEx)
{
    panel->TapCode(CMD_DIRECT);
    panel->TapCode(CMD_SIN);
    panel->Tap(100, 1); // no key at all
    EXPECT_TRUE(g_PadState.bDirect);
    StoreSetting(L"DirectOutEx", 1);
    Reopen();
    EXPECT_FALSE(g_PadState.bDirect); // a new window starts outside direct mode
    panel->TapCode(CMD_DIRECT);
    panel->TapCode(CMD_SIN);
    EXPECT_FALSE(g_PadState.bDirect);
    panel->TapCode(CMD_DIRECT);
    panel->Tap(100, 1);
    EXPECT_FALSE(g_PadState.bDirect);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(KeyActionTest, KeysBeforeTheHostRegistersItsCallbackSendNothing)
{
    Close();
    panel.reset(new TestPanel); // no RegisterCallback
    panel->TapText("5");
    panel->TapCode(CMD_INPUT);
    panel->TapCode(CMD_DIRECT);
    panel->TapText("5");
    panel->TapDirectRowKey(VKEY_RETURN);
    EXPECT_TRUE(panel->recorder.Transcript().empty());
    EXPECT_EQ("5", panel->Display());
}

TEST_F(KeyActionTest, SetDisplayTextKeepsWithinTheDisplay)
{
    std::wstring sLong(300, L'9');
    SetDisplayText(panel->hwndPad, g_PadState, sLong.c_str(), TRUE);
    EXPECT_EQ(128, lstrlenW(g_PadState.szDisplay));
}
