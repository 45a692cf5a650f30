#pragma once
// The one way the engine refuses a key audibly. On Windows it is the platform's default beep;
// the count lets tests and vardeko-calc tell which keys beeped.

extern unsigned long g_ulBeepCount;

void SoundBeep();
