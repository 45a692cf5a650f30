#pragma once
// Message-sequence checks after Wine's user32 message tests: the watched windows are subclassed,
// every message they receive is recorded with whether it came straight to the window procedure
// (sent: SendMessage, UpdateWindow, the window manager) or through the queue (posted), and the
// record is compared with a table of the messages that make the window's contract.

#include <windows.h>

#include <vector>

enum MessageFlag : unsigned
{
    MSG_SENT = 0x01,     // reached the window procedure directly
    MSG_POSTED = 0x02,   // taken from the queue and dispatched
    MSG_PARENT = 0x04,   // to the parent (the SIP window) rather than the pad
    MSG_WPARAM = 0x08,   // wParam is part of the contract
    MSG_LPARAM = 0x10,   // lParam is part of the contract
    MSG_UPDATE = 0x20,   // WM_PAINT: the update rectangle is part of the contract
    MSG_OPTIONAL = 0x40, // the platform may or may not send it; expected tables only
};

struct ExpectedMessage
{
    UINT uMsg;
    unsigned uFlags;
    WPARAM wParam;
    LPARAM lParam;
    RECT rcUpdate; // with MSG_UPDATE
};

struct RecordedMessage
{
    UINT uMsg;
    unsigned uFlags; // MSG_SENT or MSG_POSTED, with MSG_PARENT
    WPARAM wParam;
    LPARAM lParam;
    RECT rcUpdate; // WM_PAINT: the window's update rectangle as the message arrived
};

// One recorder at a time; it stops watching when it is destroyed.
class MessageRecorder
{
  public:
    MessageRecorder();
    ~MessageRecorder();

    // Subclasses hwnd; uRole is 0 for the pad, MSG_PARENT for its parent. With aOnly, only those
    // messages are recorded: of a window the platform owns, just the ones the keypad causes.
    void Watch(HWND hwnd, unsigned uRole, std::vector<UINT> aOnly = {});
    // Dispatches what is queued for this thread, recording the watched windows' messages as
    // posted.
    void Pump();
    void Clear() { m_aMessages.clear(); }
    const std::vector<RecordedMessage>& Messages() const { return m_aMessages; }

    void Record(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    WNDPROC OriginalProc(HWND hwnd) const;

  private:
    struct Watched
    {
        HWND hwnd;
        unsigned uRole;
        WNDPROC pfnOriginal;
        std::vector<UINT> aOnly;
    };
    std::vector<Watched> m_aWatched;
    std::vector<RecordedMessage> m_aMessages;
    const MSG* m_pDispatching;
};

// Messages the platform generates on its own account (hit testing, cursor shape, accessibility
// and icon queries, synthesized pen moves); they are not recorded, so that the tables hold only
// what the keypad's contract is made of.
bool IsPlatformChatter(UINT uMsg);

// Compares the record with the table in order, as Wine's ok_sequence does: an optional entry may
// be missing; any recorded message the table does not account for is a failure. Reports through
// GoogleTest, naming pszContext and printing both sequences.
void ExpectSequence(const MessageRecorder& recorder, const std::vector<ExpectedMessage>& aExpected,
                    const char* pszContext);
