#include "engine/beep.h"

#include <windows.h>

unsigned long g_ulBeepCount = 0;

void SoundBeep()
{
    ++g_ulBeepCount;
    MessageBeep(0);
}
