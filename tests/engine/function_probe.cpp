// function-probe: the engine's real functions on exact arguments, for checks against references
// computed elsewhere (scripts/accuracy). Each input line is a key name of vardeko-calc and the
// arguments as the 16 hex digits of their bits: "sin 3ff0000000000000", and for x^y two of
// them; each output line is the result's bits, in the same form.

#include "cli/key_names.h"
#include "engine/command_codes.h"
#include "engine/double_double.h"
#include "engine/float_bits.h"
#include "engine/power.h"
#include "engine/real_functions.h"
#include "pad_model/layout.h"

#include <cinttypes>
#include <cstdio>

int main()
{
    char szLine[128];
    long nLine = 0;
    while (fgets(szLine, sizeof szLine, stdin))
    {
        ++nLine;
        char szName[16];
        uint64_t nX = 0, nY = 0;
        const KeyName* pKey = nullptr;
        if (sscanf(szLine, "%15s %" SCNx64 " %" SCNx64, szName, &nX, &nY) >= 2)
            pKey = FindKeyName(szName);
        if (pKey == nullptr || pKey->wKind != KEY_COMMAND)
        {
            fprintf(stderr, "function-probe: line %ld is not a function and its arguments\n",
                    nLine);
            return 2;
        }
        ScaledDoubleDouble result = pKey->wValue == CMD_POWER
                                        ? Power(DoubleFromBits(nX), DoubleFromBits(nY))
                                        : EvaluateRealFunction(pKey->wValue, DoubleFromBits(nX));
        printf("%016" PRIx64 "\n", BitsOf(RoundToDouble(result)));
    }
    return ferror(stdin) ? 1 : 0;
}
