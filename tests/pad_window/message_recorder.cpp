#include "tests/pad_window/message_recorder.h"

#include "pad_window/pad_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{

MessageRecorder* g_pRecorder = nullptr;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // The original procedure is fetched first: the recorder may stop watching a window while
    // the window handles its WM_NCDESTROY.
    WNDPROC pfnOriginal = g_pRecorder->OriginalProc(hwnd);
    g_pRecorder->Record(hwnd, uMsg, wParam, lParam);
    return CallWindowProcW(pfnOriginal, hwnd, uMsg, wParam, lParam);
}

const char* MessageName(UINT uMsg)
{
    switch (uMsg)
    {
    case WM_CREATE: return "WM_CREATE";
    case WM_DESTROY: return "WM_DESTROY";
    case WM_NCDESTROY: return "WM_NCDESTROY";
    case WM_MOVE: return "WM_MOVE";
    case WM_SIZE: return "WM_SIZE";
    case WM_PAINT: return "WM_PAINT";
    case WM_NCPAINT: return "WM_NCPAINT";
    case WM_ERASEBKGND: return "WM_ERASEBKGND";
    case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
    case WM_WINDOWPOSCHANGING: return "WM_WINDOWPOSCHANGING";
    case WM_WINDOWPOSCHANGED: return "WM_WINDOWPOSCHANGED";
    case WM_SHOWWINDOW: return "WM_SHOWWINDOW";
    case WM_PARENTNOTIFY: return "WM_PARENTNOTIFY";
    case WM_CAPTURECHANGED: return "WM_CAPTURECHANGED";
    case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP: return "WM_LBUTTONUP";
    case WM_LBUTTONDBLCLK: return "WM_LBUTTONDBLCLK";
    case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
    case WM_PAD_IMINFO: return "WM_PAD_IMINFO";
    }
    return nullptr;
}

std::string Describe(UINT uMsg, unsigned uFlags, WPARAM wParam, LPARAM lParam, const RECT& rc)
{
    char sz[160];
    const char* pszName = MessageName(uMsg);
    std::string s = pszName != nullptr ? pszName : "0x" + std::to_string(uMsg);
    snprintf(sz, sizeof(sz), " %s%s%s wParam %#llx lParam %#llx",
             (uFlags & MSG_PARENT) ? "parent " : "", (uFlags & MSG_SENT) ? "sent" : "",
             (uFlags & MSG_POSTED) ? "posted" : "", static_cast<unsigned long long>(wParam),
             static_cast<unsigned long long>(lParam));
    s += sz;
    if (uMsg == WM_PAINT)
    {
        snprintf(sz, sizeof(sz), " update (%ld, %ld, %ld, %ld)", rc.left, rc.top, rc.right,
                 rc.bottom);
        s += sz;
    }
    if (uFlags & MSG_OPTIONAL)
        s += " optional";
    return s;
}

bool Matches(const ExpectedMessage& expected, const RecordedMessage& recorded)
{
    const unsigned uKind = MSG_SENT | MSG_POSTED | MSG_PARENT;
    if (expected.uMsg != recorded.uMsg || (expected.uFlags & uKind) != recorded.uFlags)
        return false;
    if ((expected.uFlags & MSG_WPARAM) && expected.wParam != recorded.wParam)
        return false;
    if ((expected.uFlags & MSG_LPARAM) && expected.lParam != recorded.lParam)
        return false;
    return !(expected.uFlags & MSG_UPDATE) || EqualRect(&expected.rcUpdate, &recorded.rcUpdate);
}

} // namespace

MessageRecorder::MessageRecorder() : m_pDispatching(nullptr)
{
    g_pRecorder = this;
}

MessageRecorder::~MessageRecorder()
{
    for (const Watched& watched : m_aWatched)
    {
        if (IsWindow(watched.hwnd))
            SetWindowLongPtrW(watched.hwnd, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(watched.pfnOriginal));
    }
    g_pRecorder = nullptr;
}

void MessageRecorder::Watch(HWND hwnd, unsigned uRole, std::vector<UINT> aOnly)
{
    WNDPROC pfnOriginal = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    m_aWatched.push_back({hwnd, uRole, pfnOriginal, aOnly});
}

void MessageRecorder::Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        m_pDispatching = &msg;
        DispatchMessageW(&msg);
        m_pDispatching = nullptr;
    }
}

void MessageRecorder::Record(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    unsigned uFlags = MSG_SENT;
    // The queued message itself, not one the window procedure sends while handling it.
    if (m_pDispatching != nullptr && m_pDispatching->hwnd == hwnd &&
        m_pDispatching->message == uMsg && m_pDispatching->wParam == wParam &&
        m_pDispatching->lParam == lParam)
    {
        uFlags = MSG_POSTED;
        m_pDispatching = nullptr;
    }
    // The platform synthesizes pen moves (after a capture ends, for instance); the tests send
    // their own.
    if (IsPlatformChatter(uMsg) || (uMsg == WM_MOUSEMOVE && uFlags == MSG_POSTED))
        return;
    for (const Watched& watched : m_aWatched)
    {
        if (watched.hwnd != hwnd)
            continue;
        if (!watched.aOnly.empty() &&
            std::find(watched.aOnly.begin(), watched.aOnly.end(), uMsg) == watched.aOnly.end())
            return;
        uFlags |= watched.uRole;
    }
    RecordedMessage recorded = {uMsg, uFlags, wParam, lParam, {}};
    if (uMsg == WM_PAINT)
        GetUpdateRect(hwnd, &recorded.rcUpdate, FALSE);
    m_aMessages.push_back(recorded);
}

WNDPROC MessageRecorder::OriginalProc(HWND hwnd) const
{
    for (const Watched& watched : m_aWatched)
    {
        if (watched.hwnd == hwnd)
            return watched.pfnOriginal;
    }
    return DefWindowProcW;
}

bool IsPlatformChatter(UINT uMsg)
{
    switch (uMsg)
    {
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETICON:
    case WM_GETOBJECT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETMINMAXINFO:
    case WM_TIMER:
    case WM_MOUSEACTIVATE:
    case WM_MOUSELEAVE:
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE: return true;
    }
    return uMsg >= WM_IME_SETCONTEXT && uMsg <= WM_IME_KEYUP;
}

void ExpectSequence(const MessageRecorder& recorder, const std::vector<ExpectedMessage>& aExpected,
                    const char* pszContext)
{
    const std::vector<RecordedMessage>& aRecorded = recorder.Messages();
    size_t nExpected = 0;
    size_t nRecorded = 0;
    bool bFailed = false;
    while (!bFailed && (nExpected < aExpected.size() || nRecorded < aRecorded.size()))
    {
        if (nExpected < aExpected.size() && nRecorded < aRecorded.size() &&
            Matches(aExpected[nExpected], aRecorded[nRecorded]))
        {
            ++nExpected;
            ++nRecorded;
        }
        else if (nExpected < aExpected.size() && (aExpected[nExpected].uFlags & MSG_OPTIONAL))
            ++nExpected;
        else
            bFailed = true;
    }
    if (!bFailed)
        return;
    std::string sReport = std::string(pszContext) + ": the messages differ at expected entry " +
                          std::to_string(nExpected) + ", recorded message " +
                          std::to_string(nRecorded) + "\nexpected:\n";
    for (const ExpectedMessage& m : aExpected)
        sReport += "  " + Describe(m.uMsg, m.uFlags, m.wParam, m.lParam, m.rcUpdate) + "\n";
    sReport += "recorded:\n";
    for (const RecordedMessage& m : aRecorded)
        sReport += "  " + Describe(m.uMsg, m.uFlags, m.wParam, m.lParam, m.rcUpdate) + "\n";
    ADD_FAILURE() << sReport;
}
