#include "host/host_script.h"

#include "host/pad_key_names.h"
#include "pad_model/key_names.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

const char g_szHostUsage[] =
    "usage: vardeko-host [--panel] [--method NAME] [--reset] [SCRIPT OPTION ...]\n"
    "\n"
    "A simulated Windows CE handheld screen: an edit control as the application with the\n"
    "input focus, and the input panel docked below it, running an input method found in\n"
    "the registry. Without script options it runs until Exit or the window is closed.\n"
    "It needs a display (scripts/run provides one).\n"
    "\n"
    "  --panel             a floating input panel instead, which types into whatever\n"
    "                      application has the focus; its menu is on the button at the\n"
    "                      end of its grip and on the right mouse button. Without script\n"
    "                      options, one that is open already is brought into view\n"
    "  --method NAME       select the input method of that name (default: the first found)\n"
    "  --reset             first clear what the input method saved (the keypad's pad,\n"
    "                      modifiers, radix and options), keeping its registration\n"
    "\n"
    "Script options run in the order given, then the host exits:\n"
    "  --keys \"KEY ...\"    tap the named keys of the pad, one after the other\n"
    "  --tap X,Y           tap at X,Y of the pad window's client area\n"
    "  --shot FILE         write a PNG of the simulated screen (240 x 320); with --panel,\n"
    "                      of the panel and the application it types into\n"
    "  --pad-shot FILE     write a PNG of the pad window's client area\n"
    "  --scale N           enlarge the pictures written after it N times (1 to 16)\n"
    "  --options           open the options dialog and wait until it is closed\n"
    "  --options-shot FILE open the options dialog, write a PNG of it, cancel it\n"
    "  --print             at the end, print one line per call the input method made\n"
    "                      to the host, the dialog texts of --options-shot, and the\n"
    "                      edit control's text (not with --panel)\n"
    "  --help              show this text\n"
    "\n"
    "Keys (vardeko-calc's names, matched without regard to case; a key of the other pad\n"
    "taps the place it would have):\n"
    "  0-9 A-F .  + - * / =  sign DEL AC Input  inv hyp pad direct\n"
    "  sin cos tan 1/x x^2 sqrt x^y ( ) log ln exp\n"
    "  dec hex oct bin AND OR XOR NOT SHL SHR\n"
    "  direct row: Esc Tab PgUp PgDn Up Down Left Right Enter Delete Backspace\n"
    "\n"
    "Example: vardeko-host --keys \"2 + 3 = Input\" --print --shot shot.png\n"
    "\n"
    "Exit status: 0; 1 when the input method or a picture fails; 2 for a bad option or\n"
    "an unknown key.\n";

namespace
{

bool ParseWhole(const std::string& s, long nMin, long nMax, int* pn)
{
    if (s.empty())
        return false;
    errno = 0;
    char* pszEnd = nullptr;
    long n = strtol(s.c_str(), &pszEnd, 10);
    if (errno != 0 || *pszEnd != 0 || n < nMin || n > nMax)
        return false;
    *pn = static_cast<int>(n);
    return true;
}

// Each name of the list becomes one tap of its key.
bool AddKeys(const std::string& sKeys, HostScript* pScript, std::string* psError)
{
    size_t nBefore = pScript->aSteps.size();
    size_t i = 0;
    while (i < sKeys.size())
    {
        if (isspace(static_cast<unsigned char>(sKeys[i])))
        {
            ++i;
            continue;
        }
        size_t nEnd = i;
        while (nEnd < sKeys.size() && !isspace(static_cast<unsigned char>(sKeys[nEnd])))
            ++nEnd;
        std::string sName = sKeys.substr(i, nEnd - i);
        PadKeyPlace place;
        if (!FindPadKey(sName.c_str(), &place))
        {
            // The calculator's commands that the pad reaches only through INV or HYP.
            *psError = FindKeyName(sName.c_str()) != nullptr
                           ? "key '" + sName + "' has no place of its own on the pad"
                           : "unknown key '" + sName + "' (--help lists the names)";
            return false;
        }
        pScript->aSteps.push_back({STEP_KEY, 0, 0, 0, std::string(), place});
        i = nEnd;
    }
    if (pScript->aSteps.size() == nBefore)
    {
        *psError = "--keys needs at least one key name";
        return false;
    }
    return true;
}

bool AddTap(const std::string& sPoint, HostScript* pScript, std::string* psError)
{
    size_t nComma = sPoint.find(',');
    ScriptStep step = {STEP_TAP, 0, 0, 0, std::string(), {}};
    if (nComma == std::string::npos ||
        !ParseWhole(sPoint.substr(0, nComma), SHRT_MIN, SHRT_MAX, &step.x) ||
        !ParseWhole(sPoint.substr(nComma + 1), SHRT_MIN, SHRT_MAX, &step.y))
    {
        *psError = "--tap needs X,Y, two whole numbers from -32768 to 32767, not '" + sPoint + "'";
        return false;
    }
    pScript->aSteps.push_back(step);
    return true;
}

bool AddScale(const std::string& sScale, HostScript* pScript, std::string* psError)
{
    ScriptStep step = {STEP_SCALE, 0, 0, 0, std::string(), {}};
    if (!ParseWhole(sScale, 1, MAX_SCALE, &step.nScale))
    {
        *psError = "--scale needs a whole number from 1 to 16, not '" + sScale + "'";
        return false;
    }
    pScript->aSteps.push_back(step);
    return true;
}

void AddFileStep(StepKind nKind, const std::string& sFile, HostScript* pScript)
{
    pScript->aSteps.push_back({nKind, 0, 0, 0, sFile, {}});
}

} // namespace

bool ParseHostScript(const std::vector<std::string>& aArgs, HostScript* pScript,
                     std::string* psError)
{
    *pScript = HostScript();
    for (size_t i = 0; i < aArgs.size(); ++i)
    {
        const std::string& sOption = aArgs[i];
        if (sOption == "--help")
        {
            *pScript = HostScript();
            pScript->bHelp = true;
            return true;
        }
        if (sOption == "--print")
        {
            pScript->bPrint = true;
            pScript->bScripted = true;
            continue;
        }
        if (sOption == "--panel" || sOption == "--reset")
        {
            (sOption == "--panel" ? pScript->bPanel : pScript->bReset) = true;
            continue;
        }
        if (sOption == "--options")
        {
            pScript->aSteps.push_back({STEP_OPTIONS, 0, 0, 0, std::string(), {}});
            pScript->bScripted = true;
            continue;
        }
        bool bTakesValue = sOption == "--method" || sOption == "--keys" || sOption == "--tap" ||
                           sOption == "--scale" || sOption == "--shot" || sOption == "--pad-shot" ||
                           sOption == "--options-shot";
        if (!bTakesValue)
        {
            *psError = sOption.compare(0, 2, "--") == 0 ? "unknown option '" + sOption + "'"
                                                        : "unexpected argument '" + sOption + "'";
            return false;
        }
        if (i + 1 == aArgs.size() || aArgs[i + 1].empty())
        {
            *psError = sOption + " needs a value";
            return false;
        }
        const std::string& sValue = aArgs[++i];
        bool bGood = true;
        if (sOption == "--method")
            pScript->sMethod = sValue;
        else if (sOption == "--keys")
            bGood = AddKeys(sValue, pScript, psError);
        else if (sOption == "--tap")
            bGood = AddTap(sValue, pScript, psError);
        else if (sOption == "--scale")
            bGood = AddScale(sValue, pScript, psError);
        else if (sOption == "--shot")
            AddFileStep(STEP_SHOT, sValue, pScript);
        else if (sOption == "--pad-shot")
            AddFileStep(STEP_PAD_SHOT, sValue, pScript);
        else
            AddFileStep(STEP_OPTIONS_SHOT, sValue, pScript);
        if (!bGood)
            return false;
        if (sOption != "--method")
            pScript->bScripted = true;
    }
    return true;
}
