#include "engine/arithmetic_traps.h"

#include <float.h>

// The C runtime's control word covers both the x87 unit and SSE, which <cfenv> here does not.
// Nothing in the engine computes on the x87 unit, so its precision is left as the host set it.

// _controlfp is msvcrt.dll's own; mingw-w64 links _controlfp_s statically.
int RunWithoutTraps(int (*pfnCompute)(unsigned), unsigned nArgument)
{
    unsigned uHost = _controlfp(0, 0);
    _controlfp(_MCW_EM, _MCW_EM);
    int nResult = pfnCompute(nArgument);
    // A fault flagged here must not trap the host's next instruction once its traps are back.
    _clearfp();
    _controlfp(uHost & _MCW_EM, _MCW_EM);
    return nResult;
}
