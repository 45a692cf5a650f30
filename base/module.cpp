#include "base/module.h"

HINSTANCE g_hInstance = nullptr;

namespace
{

LONG g_lObjectCount = 0;

} // namespace

const WCHAR PAD_WINDOW_CLASS[] = L"VardekoWndClass";

void ChangeObjectCount(LONG lDelta)
{
    InterlockedExchangeAdd(&g_lObjectCount, lDelta);
}

bool CanUnloadNow()
{
    return g_lObjectCount == 0;
}

HBITMAP LoadModuleBitmap(const WCHAR* pszName)
{
    return static_cast<HBITMAP>(
        LoadImageW(g_hInstance, pszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
