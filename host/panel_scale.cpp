#include "host/panel_scale.h"

#include "host/panel_window.h"
#include "pad_model/layout.h"

namespace
{

const WCHAR SCALE_VALUE[] = L"PanelScale";

const WCHAR* const g_apszScaleItems[MAX_PAD_SCALE + 1] = {
    L"Automatic", L"x1 (240 x 80)", L"x2 (480 x 160)", L"x3 (720 x 240)", L"x4 (960 x 320)"};

} // namespace

int ScaleChoiceOfCommand(UINT uId)
{
    return uId >= IDM_SCALE_AUTOMATIC && uId <= IDM_SCALE_AUTOMATIC + MAX_PAD_SCALE
               ? static_cast<int>(uId - IDM_SCALE_AUTOMATIC)
               : -1;
}

int LoadPanelScaleChoice()
{
    DWORD dw = 0;
    DWORD cb = sizeof(dw);
    if (RegGetValueW(HKEY_CURRENT_USER, PANEL_PLACE_KEY, SCALE_VALUE, RRF_RT_REG_DWORD, nullptr,
                     &dw, &cb) != ERROR_SUCCESS ||
        dw > MAX_PAD_SCALE)
        return 0;
    return static_cast<int>(dw);
}

void SavePanelScaleChoice(int nChoice)
{
    DWORD dw = static_cast<DWORD>(nChoice);
    RegSetKeyValueW(HKEY_CURRENT_USER, PANEL_PLACE_KEY, SCALE_VALUE, REG_DWORD, &dw, sizeof(dw));
}

int ScaleForDpi(UINT uDpi)
{
    int nScale = static_cast<int>((uDpi + USER_DEFAULT_SCREEN_DPI / 2) / USER_DEFAULT_SCREEN_DPI);
    return nScale < 1 ? 1 : nScale > MAX_PAD_SCALE ? MAX_PAD_SCALE : nScale;
}

int ScaleOfChoice(int nChoice, UINT uDpi)
{
    return nChoice != 0 ? nChoice : ScaleForDpi(uDpi);
}

HMENU InsertScaleMenu(HMENU hmenu, UINT uBefore, int nChoice)
{
    HMENU hmenuScale = CreatePopupMenu();
    for (int i = 0; i <= MAX_PAD_SCALE; ++i)
        AppendMenuW(hmenuScale, MF_STRING, IDM_SCALE_AUTOMATIC + i, g_apszScaleItems[i]);
    CheckScaleChoice(hmenuScale, nChoice);
    InsertMenuW(hmenu, uBefore, MF_BYCOMMAND | MF_POPUP, reinterpret_cast<UINT_PTR>(hmenuScale),
                L"Size");
    return hmenuScale;
}

void CheckScaleChoice(HMENU hmenuScale, int nChoice)
{
    CheckMenuRadioItem(hmenuScale, IDM_SCALE_AUTOMATIC, IDM_SCALE_AUTOMATIC + MAX_PAD_SCALE,
                       IDM_SCALE_AUTOMATIC + nChoice, MF_BYCOMMAND);
}
