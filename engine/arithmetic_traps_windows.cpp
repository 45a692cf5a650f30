#include "engine/arithmetic_traps.h"

#include <float.h>

// The C runtime's control word covers both the x87 unit and SSE, which <cfenv> here does not.
// On 32-bit x86 the runtime's math functions compute on the x87 unit at the precision the host
// has set, and mingw-w64's start-up sets extended precision; at double precision, Windows' own
// default, they round as in the other builds.
#ifdef __i386__
const unsigned ENGINE_CONTROL_MASK = _MCW_EM | _MCW_PC;
const unsigned ENGINE_CONTROL = _MCW_EM | _PC_53;
#else
const unsigned ENGINE_CONTROL_MASK = _MCW_EM;
const unsigned ENGINE_CONTROL = _MCW_EM;
#endif

// _controlfp is msvcrt.dll's own; mingw-w64 links _controlfp_s statically.
int RunWithoutTraps(int (*pfnCompute)(unsigned), unsigned nArgument)
{
    unsigned uHost = _controlfp(0, 0);
    _controlfp(ENGINE_CONTROL, ENGINE_CONTROL_MASK);
    int nResult = pfnCompute(nArgument);
    // A fault flagged here must not trap the host's next instruction once its traps are back.
    _clearfp();
    _controlfp(uHost & ENGINE_CONTROL_MASK, ENGINE_CONTROL_MASK);
    return nResult;
}
