#include "engine/beep.h"

unsigned long g_ulBeepCount = 0;

void SoundBeep()
{
    ++g_ulBeepCount;
}
