#include "engine/arithmetic_traps.h"

#include <float.h>

// The C runtime's control word covers both the x87 unit and SSE, which <cfenv> here does not.
int RunWithoutTraps(int (*pfnCompute)(unsigned), unsigned nArgument)
{
    unsigned uHost = 0;
    unsigned uIgnored = 0;
    _controlfp_s(&uHost, 0, 0);
    _controlfp_s(&uIgnored, _MCW_EM, _MCW_EM);
    int nResult = pfnCompute(nArgument);
    // A fault flagged here must not trap the host's next instruction once its traps are back.
    _clearfp();
    _controlfp_s(&uIgnored, uHost & _MCW_EM, _MCW_EM);
    return nResult;
}
