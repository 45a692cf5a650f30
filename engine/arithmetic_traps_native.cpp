#include "engine/arithmetic_traps.h"

#include <cfenv>

int RunWithoutTraps(int (*pfnCompute)(unsigned), unsigned nArgument)
{
    std::fenv_t env;
    std::feholdexcept(&env);
    int nResult = pfnCompute(nArgument);
    std::fesetenv(&env);
    return nResult;
}
