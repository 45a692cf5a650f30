#pragma once
// Resource ids of the module, in bands by kind. Bitmaps are named by strings, as the keypad and
// the input method load them by name.

// Icons: 1 to 99.
#define IDI_VARDEKO 1
