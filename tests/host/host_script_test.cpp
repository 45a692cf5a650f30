// The host's command line: steps in the order given, and every bad argument refused with a
// message before anything runs.

#include "host/host_script.h"
#include "host/pad_key_names.h"

#include <gtest/gtest.h>

namespace
{

PadKeyPlace PlaceOf(const char* pszName)
{
    PadKeyPlace place = {};
    EXPECT_TRUE(FindPadKey(pszName, &place)) << pszName;
    return place;
}

// A key step names its key, not a point: the point depends on the pad's scale when it runs.
void ExpectKeyStep(const char* pszName, const ScriptStep& step)
{
    EXPECT_EQ(STEP_KEY, step.nKind) << pszName;
    EXPECT_EQ(PlaceOf(pszName).nPad, step.place.nPad) << pszName;
    EXPECT_EQ(PlaceOf(pszName).nKey, step.place.nKey) << pszName;
}

HostScript Parse(std::vector<std::string> aArgs)
{
    HostScript script;
    std::string sError;
    EXPECT_TRUE(ParseHostScript(aArgs, &script, &sError)) << sError;
    return script;
}

std::string Refusal(std::vector<std::string> aArgs)
{
    HostScript script;
    std::string sError;
    EXPECT_FALSE(ParseHostScript(aArgs, &script, &sError));
    return sError;
}

} // namespace

TEST(HostScriptTest, KeysTapsAndPicturesRunInTheOrderGiven)
{
    HostScript script =
        Parse({"--keys", " 2  +\t3 ", "--tap", "-5,70", "--pad-shot", "a.png", "--scale", "3",
               "--keys", "=", "--shot", "b.png", "--options-shot", "c.png", "--options"});
    ASSERT_EQ(10u, script.aSteps.size());
    const char* apszKeys[] = {"2", "+", "3"};
    for (int i = 0; i < 3; ++i)
        ExpectKeyStep(apszKeys[i], script.aSteps[i]);
    EXPECT_EQ(STEP_TAP, script.aSteps[3].nKind);
    EXPECT_EQ(-5, script.aSteps[3].x);
    EXPECT_EQ(70, script.aSteps[3].y);
    EXPECT_EQ(STEP_PAD_SHOT, script.aSteps[4].nKind);
    EXPECT_EQ("a.png", script.aSteps[4].sFile);
    EXPECT_EQ(STEP_SCALE, script.aSteps[5].nKind);
    EXPECT_EQ(3, script.aSteps[5].nScale);
    ExpectKeyStep("=", script.aSteps[6]);
    EXPECT_EQ(STEP_SHOT, script.aSteps[7].nKind);
    EXPECT_EQ("b.png", script.aSteps[7].sFile);
    EXPECT_EQ(STEP_OPTIONS_SHOT, script.aSteps[8].nKind);
    EXPECT_EQ(STEP_OPTIONS, script.aSteps.back().nKind);
    EXPECT_TRUE(script.bScripted);
    EXPECT_FALSE(script.bPrint);
}

TEST(HostScriptTest, SwitchesOfTheWholeRun)
{
    HostScript script = Parse({});
    EXPECT_FALSE(script.bScripted); // interactive

    script = Parse({"--method", "Vardeko"});
    EXPECT_FALSE(script.bScripted); // a method alone still runs interactively
    EXPECT_EQ("Vardeko", script.sMethod);

    script = Parse({"--print"});
    EXPECT_TRUE(script.bScripted);
    EXPECT_TRUE(script.bPrint);
    EXPECT_TRUE(script.aSteps.empty());

    script = Parse({"--tap", "-32768,32767"}); // the whole range of a pen position
    EXPECT_EQ(-32768, script.aSteps[0].x);
    EXPECT_EQ(32767, script.aSteps[0].y);

    // The floating panel and the reset change where and from what a run starts, not whether it
    // is a script.
    script = Parse({"--panel", "--reset"});
    EXPECT_TRUE(script.bPanel);
    EXPECT_TRUE(script.bReset);
    EXPECT_FALSE(script.bScripted);
    script = Parse({"--keys", "1", "--panel"});
    EXPECT_TRUE(script.bPanel);
    EXPECT_FALSE(script.bReset);
    EXPECT_TRUE(script.bScripted);

    script = Parse({"--keys", "1", "--help", "--bogus"});
    EXPECT_TRUE(script.bHelp);
    EXPECT_TRUE(script.aSteps.empty());
}

TEST(HostScriptTest, BadArgumentsAreRefusedWithAMessage)
{
    EXPECT_EQ("unknown option '--key'", Refusal({"--key", "1"}));
    EXPECT_EQ("unexpected argument '1'", Refusal({"1"}));
    EXPECT_EQ("unexpected argument 'x'", Refusal({"--panel", "x"}));
    EXPECT_EQ("--keys needs a value", Refusal({"--keys"}));
    EXPECT_EQ("--shot needs a value", Refusal({"--print", "--shot", ""}));
    EXPECT_EQ("--keys needs at least one key name", Refusal({"--keys", "  "}));
    EXPECT_EQ("unknown key 'Sine' (--help lists the names)", Refusal({"--keys", "1 Sine 2"}));
    EXPECT_EQ("key 'asin' has no place of its own on the pad", Refusal({"--keys", "1 asin 2"}));
    // Names are matched without regard to case.
    EXPECT_EQ(3u, Parse({"--keys", "1 Sin 2"}).aSteps.size());
    for (const char* pszTap : {"1", "1,", ",2", "1,2,3", "a,2", "1.5,2", "40000,1", "1,-32769"})
        EXPECT_NE(std::string::npos, Refusal({"--tap", pszTap}).find("--tap needs X,Y")) << pszTap;
    for (const char* pszScale : {"0", "17", "2x", "-1"})
        EXPECT_NE(std::string::npos, Refusal({"--scale", pszScale}).find("--scale needs"))
            << pszScale;
}
