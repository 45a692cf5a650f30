#pragma once
// Resource ids of the module, in bands by kind. Bitmaps are named by strings, as the keypad and
// the input method load them by name.

// Icons: 1 to 99.
#define IDI_VARDEKO 1

// Controls of the options dialog: 1000 to 1099.
#define IDC_EQUELTOINPUT 1000
#define IDC_INPUTTOCLEAR 1001
#define IDC_DIRECTINEX 1002
#define IDC_DIRECTOUTEX 1003
