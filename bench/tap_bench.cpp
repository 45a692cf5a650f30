// What the pad costs on the screen, against a yardstick measured beside it in the same process:
// the bare load and blit of the pad's artwork (LoadBitmap PAD1, one 238 x 78 BitBlt,
// DeleteObject). Rounds alternate blocks of digit taps, repaints of the display alone, full
// repaints, activations (class factory to the first painted pad) and the yardstick; each figure is
// the median over the rounds of its block's time per operation divided by the yardstick's.
// Two more blocks time what the window manager alone costs, on a bare window whose WM_PAINT only
// begins and ends painting: the display's repaint cycle (InvalidateRect and UpdateWindow), the
// floor of any repaint of the display, and that cycle with a capture taken and released, the
// floor of a tap. Then, in rounds of their own after the others, digit taps on the pad at scale 3
// (a panel of 720 x 240, as on a 288 DPI screen), each block beside its own yardstick, so that
// the figures at scale 1 are measured as they always were.
// Usage: tap-bench [ROUNDS], run under Wine from the directory of vardeko.dll.

#include "base/identity.h"
#include "host/pad_key_names.h"
#include "pad_model/layout.h"
#include "platform/sip.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{

const int LARGE_SCALE = 3;
const int BLOCK = 40;           // operations per block
const int DIGITS_PER_ENTRY = 8; // digit taps before an untimed AC starts the number again

typedef HRESULT(STDAPICALLTYPE* GetClassObjectFunction)(REFCLSID, REFIID, void**);

struct Bench
{
    HMODULE hmod;
    GetClassObjectFunction pfnGetClassObject;
    HWND hwndSip;
    IInputMethod* pim;
    HWND hwndPad;
    HWND hwndBare; // the bare window, in a panel of its own beside the keypad's
};

const WCHAR BARE_WINDOW_CLASS[] = L"TapBenchBareWindow";

LRESULT CALLBACK BareWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_PAINT)
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
}

double Now()
{
    static LARGE_INTEGER liFrequency = {};
    if (liFrequency.QuadPart == 0)
        QueryPerformanceFrequency(&liFrequency);
    LARGE_INTEGER li;
    QueryPerformanceCounter(&li);
    return static_cast<double>(li.QuadPart) / static_cast<double>(liFrequency.QuadPart);
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

// Class factory, object, Select and the first paint of the pad: what a host's activation costs.
bool Activate(Bench* pb)
{
    IClassFactory* pFactory = nullptr;
    if (FAILED(pb->pfnGetClassObject(CLSID_Vardeko, IID_IClassFactory,
                                     reinterpret_cast<void**>(&pFactory))))
        return false;
    HRESULT hr =
        pFactory->CreateInstance(nullptr, IID_IInputMethod, reinterpret_cast<void**>(&pb->pim));
    pFactory->Release();
    if (FAILED(hr) || FAILED(pb->pim->Select(pb->hwndSip)))
        return false;
    pb->hwndPad = GetDlgItem(pb->hwndSip, PAD_WINDOW_ID);
    if (pb->hwndPad == nullptr)
        return false;
    UpdateWindow(pb->hwndPad);
    return true;
}

void Deactivate(Bench* pb)
{
    pb->pim->Deselect();
    pb->pim->Release();
    pb->pim = nullptr;
    PumpMessages();
}

double TimeBaseline(Bench* pb)
{
    HDC hdc = GetDC(pb->hwndPad);
    HDC hdcMem = CreateCompatibleDC(hdc);
    double dblStart = Now();
    for (int i = 0; i < BLOCK; ++i)
    {
        HBITMAP hbm = LoadBitmapW(pb->hmod, L"PAD1");
        HGDIOBJ hbmDefault = SelectObject(hdcMem, hbm);
        BitBlt(hdc, 0, 0, PAD_WIDTH, PAD_HEIGHT, hdcMem, 0, 0, SRCCOPY);
        SelectObject(hdcMem, hbmDefault);
        DeleteObject(hbm);
    }
    double dblTime = Now() - dblStart;
    DeleteDC(hdcMem);
    ReleaseDC(pb->hwndPad, hdc);
    return dblTime / BLOCK;
}

double TimeTaps(Bench* pb)
{
    const int nAc = FindCodeKey(PAD_SCIENTIFIC, CMD_AC);
    const int nSeven = FindCharKey(PAD_SCIENTIFIC, '7');
    double dblTime = 0;
    for (int i = 0; i < BLOCK; ++i)
    {
        if (i % DIGITS_PER_ENTRY == 0)
            TapPadKey(pb->hwndPad, {PAD_SCIENTIFIC, nAc});
        double dblStart = Now();
        TapPadKey(pb->hwndPad, {PAD_SCIENTIFIC, nSeven});
        dblTime += Now() - dblStart;
    }
    return dblTime / BLOCK;
}

double TimeRepaints(HWND hwnd, const RECT* prc)
{
    double dblStart = Now();
    for (int i = 0; i < BLOCK; ++i)
    {
        InvalidateRect(hwnd, prc, TRUE);
        UpdateWindow(hwnd);
    }
    return (Now() - dblStart) / BLOCK;
}

// What a tap asks of the window manager, on the bare window: the pen's capture taken and
// released, and the display's repaint.
double TimeBareTaps(HWND hwnd, const RECT* prcDisplay)
{
    double dblStart = Now();
    for (int i = 0; i < BLOCK; ++i)
    {
        SetCapture(hwnd);
        ReleaseCapture();
        InvalidateRect(hwnd, prcDisplay, TRUE);
        UpdateWindow(hwnd);
    }
    return (Now() - dblStart) / BLOCK;
}

// A window of the pad's size, style and background in a panel of its own.
HWND CreateBareWindow(const RECT& rcPanel)
{
    WNDCLASSW wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = BareWndProc;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = BARE_WINDOW_CLASS;
    if (RegisterClassW(&wc) == 0)
        return nullptr;
    int nWidth = rcPanel.right - rcPanel.left;
    int nHeight = rcPanel.bottom - rcPanel.top;
    HWND hwndPanel = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, nWidth + 16, 0,
                                     nWidth, nHeight, nullptr, nullptr, nullptr, nullptr);
    if (hwndPanel == nullptr)
        return nullptr;
    RECT rc;
    GetClientRect(hwndPanel, &rc);
    return CreateWindowExW(0, BARE_WINDOW_CLASS, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0,
                           rc.right, rc.bottom, hwndPanel, nullptr, nullptr, nullptr);
}

// The panel made nScale times 240 x 80 and the keypad told so, as a host tells it.
void SizePanel(Bench* pb, int nScale)
{
    RECT rc = {0, 0, 240 * nScale, 80 * nScale};
    AdjustWindowRectEx(&rc, WS_POPUP, FALSE, 0);
    SetWindowPos(pb->hwndSip, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SIPINFO si = {};
    si.cbSize = sizeof(si);
    pb->pim->ReceiveSipInfo(&si);
    UpdateWindow(pb->hwndPad);
}

// Each activation ends with its Deselect and Release, outside the time.
double TimeActivations(Bench* pb, bool* pbFailed)
{
    double dblTime = 0;
    Deactivate(pb);
    for (int i = 0; i < BLOCK / 4; ++i)
    {
        double dblStart = Now();
        bool bActive = Activate(pb);
        dblTime += Now() - dblStart;
        if (!bActive)
        {
            *pbFailed = true;
            return 0;
        }
        if (i + 1 < BLOCK / 4)
            Deactivate(pb);
    }
    return dblTime / (BLOCK / 4);
}

double Median(std::vector<double> a)
{
    std::sort(a.begin(), a.end());
    size_t n = a.size();
    return n % 2 == 1 ? a[n / 2] : (a[n / 2 - 1] + a[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    int nRounds = argc > 1 ? std::atoi(argv[1]) : 30;
    if (nRounds < 1)
        nRounds = 1;
    Bench b = {};
    b.hmod = LoadLibraryW(L"vardeko.dll");
    b.pfnGetClassObject = b.hmod == nullptr
                              ? nullptr
                              : reinterpret_cast<GetClassObjectFunction>(reinterpret_cast<void*>(
                                    GetProcAddress(b.hmod, "DllGetClassObject")));
    if (b.pfnGetClassObject == nullptr)
    {
        std::fprintf(stderr, "tap-bench: cannot load vardeko.dll\n");
        return 1;
    }
    RECT rc = {0, 0, 240, 80};
    AdjustWindowRectEx(&rc, WS_POPUP, FALSE, 0);
    b.hwndSip = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, rc.right - rc.left,
                                rc.bottom - rc.top, nullptr, nullptr, nullptr, nullptr);
    if (b.hwndSip == nullptr || !Activate(&b))
    {
        std::fprintf(stderr, "tap-bench: cannot activate the keypad\n");
        return 1;
    }
    b.hwndBare = CreateBareWindow(rc);
    if (b.hwndBare == nullptr)
    {
        std::fprintf(stderr, "tap-bench: cannot create the bare window\n");
        return 1;
    }
    PumpMessages();

    const RECT rcDisplay = {DISPLAY_LEFT, DISPLAY_TOP, DISPLAY_RIGHT, DISPLAY_BOTTOM};
    std::vector<double> aTap, aDisplay, aFull, aActivation, aBaseline, aPaintCycle, aBareTap;
    bool bFailed = false;
    for (int i = 0; i < nRounds && !bFailed; ++i)
    {
        double dblTap = TimeTaps(&b);
        double dblDisplay = TimeRepaints(b.hwndPad, &rcDisplay);
        double dblFull = TimeRepaints(b.hwndPad, nullptr);
        double dblActivation = TimeActivations(&b, &bFailed);
        double dblPaintCycle = TimeRepaints(b.hwndBare, &rcDisplay);
        double dblBareTap = TimeBareTaps(b.hwndBare, &rcDisplay);
        // The yardstick of this round, measured among the blocks it divides.
        double dblBaseline = TimeBaseline(&b);
        aBaseline.push_back(dblBaseline);
        aTap.push_back(dblTap / dblBaseline);
        aDisplay.push_back(dblDisplay / dblBaseline);
        aFull.push_back(dblFull / dblBaseline);
        aActivation.push_back(dblActivation / dblBaseline);
        aPaintCycle.push_back(dblPaintCycle / dblBaseline);
        aBareTap.push_back(dblBareTap / dblBaseline);
    }
    if (bFailed)
    {
        std::fprintf(stderr, "tap-bench: an activation failed\n");
        return 1;
    }
    // The bare window's panel would cover part of the larger pad.
    DestroyWindow(GetParent(b.hwndBare));
    SizePanel(&b, LARGE_SCALE);
    std::vector<double> aLargeTap;
    for (int i = 0; i < nRounds; ++i)
    {
        double dblLargeTap = TimeTaps(&b);
        aLargeTap.push_back(dblLargeTap / TimeBaseline(&b));
    }
    Deactivate(&b);
    DestroyWindow(b.hwndSip);
    std::printf("baseline_us %.1f\n", Median(aBaseline) * 1e6);
    std::printf("tap %.3f\n", Median(aTap));
    std::printf("display_repaint %.3f\n", Median(aDisplay));
    std::printf("full_repaint %.3f\n", Median(aFull));
    std::printf("activation %.3f\n", Median(aActivation));
    std::printf("bare_paint_cycle %.3f\n", Median(aPaintCycle));
    std::printf("bare_tap %.3f\n", Median(aBareTap));
    std::printf("tap_x3 %.3f\n", Median(aLargeTap));
    return 0;
}
