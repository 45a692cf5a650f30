#include "base/module.h"

HINSTANCE g_hInstance = nullptr;
LONG g_lObjectCount = 0;

const CLSID CLSID_Vardeko = {
    0x3b9e5f12, 0x6a47, 0x41d0, {0x8c, 0x2e, 0x7d, 0x15, 0xa0, 0xb4, 0xe9, 0x63}};

const WCHAR PAD_WINDOW_CLASS[] = L"VardekoWndClass";

void ChangeObjectCount(LONG lDelta)
{
    InterlockedExchangeAdd(&g_lObjectCount, lDelta);
}

void BuildClsidKeyPath(WCHAR* pszPath)
{
    lstrcpynW(pszPath, VARDEKO_CLSID_KEY, REGISTRY_PATH_SIZE);
}

HBITMAP LoadModuleBitmap(const WCHAR* pszName)
{
    return static_cast<HBITMAP>(
        LoadImageW(g_hInstance, pszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
