#include "component/input_method.h"

#include "base/module.h"
#include "pad_window/pad_window.h"
#include "settings/options_dialog.h"

namespace
{

const int PANEL_ICON_HEIGHT = 16;
const int NARROW_ICON_WIDTH = 16;
const int WIDE_ICON_WIDTH = 32;

// The panel's button image: ILC_MASK so that the mask's white pixels show the button face
// through. The image list copies both bitmaps, which are deleted at once. Null when the list
// cannot be made or does not take the image (a bitmap that could not be loaded among others).
HIMAGELIST CreatePanelIcon(int nWidth, const WCHAR* pszImage, const WCHAR* pszMask)
{
    HIMAGELIST himl = ImageList_Create(nWidth, PANEL_ICON_HEIGHT, ILC_MASK, 1, 0);
    HBITMAP hbmImage = LoadModuleBitmap(pszImage);
    HBITMAP hbmMask = LoadModuleBitmap(pszMask);
    if (himl != nullptr && ImageList_Add(himl, hbmImage, hbmMask) < 0)
    {
        ImageList_Destroy(himl);
        himl = nullptr;
    }
    DeleteObject(hbmImage);
    DeleteObject(hbmMask);
    return himl;
}

// Releases what a Select made, so that a failed or finished selection leaves nothing behind
// that the next Select trips over.
void DestroyIcons(HIMAGELIST* phimlNarrow, HIMAGELIST* phimlWide)
{
    if (*phimlNarrow != nullptr)
        ImageList_Destroy(*phimlNarrow);
    if (*phimlWide != nullptr)
        ImageList_Destroy(*phimlWide);
    *phimlNarrow = nullptr;
    *phimlWide = nullptr;
}

} // namespace

InputMethod::InputMethod()
    : m_lRefCount(1), m_hwndPad(nullptr), m_himlWide(nullptr), m_himlNarrow(nullptr)
{
    ChangeObjectCount(1);
}

InputMethod::~InputMethod()
{
    ChangeObjectCount(-1);
}

HRESULT InputMethod::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, IID_IInputMethod))
    {
        *ppv = static_cast<IInputMethod*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG InputMethod::AddRef()
{
    return InterlockedIncrement(&m_lRefCount);
}

ULONG InputMethod::Release()
{
    LONG lCount = InterlockedDecrement(&m_lRefCount);
    if (lCount == 0)
    {
        // A host that never deselects would leave a window whose code unloads with the module.
        if (m_hwndPad != nullptr)
            Deselect();
        delete this;
    }
    return lCount;
}

HRESULT InputMethod::Select(HWND hwndSip)
{
    if (m_hwndPad != nullptr && IsWindow(m_hwndPad))
        return E_FAIL; // already selected: the class is still registered
    DestroyIcons(&m_himlNarrow, &m_himlWide);
    m_hwndPad = nullptr;
    m_himlNarrow = CreatePanelIcon(NARROW_ICON_WIDTH, L"NarrowBmp", L"NarrowMask");
    m_himlWide = CreatePanelIcon(WIDE_ICON_WIDTH, L"WideBmp", L"WideMask");

    // The panel shows the input method by its icons: without them there is no selection. The
    // class lives from Select to Deselect, so a second Select without Deselect fails here.
    if (m_himlNarrow == nullptr || m_himlWide == nullptr || !RegisterPadWindowClass())
    {
        DestroyIcons(&m_himlNarrow, &m_himlWide);
        return E_FAIL;
    }
    m_hwndPad = CreatePadWindow(hwndSip);
    if (m_hwndPad == nullptr)
    {
        Deselect();
        return E_FAIL;
    }
    return S_OK;
}

HRESULT InputMethod::Deselect()
{
    // Destroying the window saves the pad state (WM_DESTROY); the class goes after it, so that
    // the next Select can register it again.
    if (m_hwndPad != nullptr)
        DestroyWindow(m_hwndPad);
    m_hwndPad = nullptr;
    UnregisterPadWindowClass();
    DestroyIcons(&m_himlNarrow, &m_himlWide);
    return S_OK;
}

HRESULT InputMethod::Showing()
{
    return S_OK;
}

HRESULT InputMethod::Hiding()
{
    return S_OK;
}

HRESULT InputMethod::GetInfo(IMINFO* pimi)
{
    if (pimi == nullptr)
        return E_POINTER;
    pimi->cbSize = sizeof(IMINFO);
    pimi->hImageNarrow = m_himlNarrow;
    pimi->hImageWide = m_himlWide;
    pimi->iNarrow = 0;
    pimi->iWide = 0;
    pimi->fdwFlags = SIPF_DOCKED;
    pimi->rcSipRect = IMINFO_SIP_RECT;
    return S_OK;
}

// Sent, not posted: the pad fills the panel's new size before ReceiveSipInfo returns.
HRESULT InputMethod::ReceiveSipInfo(SIPINFO* psi)
{
    if (m_hwndPad != nullptr)
        SendMessageW(m_hwndPad, WM_PAD_IMINFO, PAD_IMINFO_RESIZE, reinterpret_cast<LPARAM>(psi));
    return S_OK;
}

// Posted: the pointer reaches the window when its thread next reads messages, ahead of any tap
// queued after this call. No reference is taken: the host owns the callback and outlives the pad.
HRESULT InputMethod::RegisterCallback(IIMCallback* pCallback)
{
    if (m_hwndPad != nullptr)
        PostMessageW(m_hwndPad, WM_PAD_IMINFO, PAD_IMINFO_CALLBACK,
                     reinterpret_cast<LPARAM>(pCallback));
    return S_OK;
}

HRESULT InputMethod::GetImData(DWORD, void*)
{
    return E_FAIL;
}

HRESULT InputMethod::SetImData(DWORD, void*)
{
    return S_OK;
}

HRESULT InputMethod::UserOptionsDlg(HWND hwndParent)
{
    RunOptionsDialog(hwndParent);
    return S_OK;
}
