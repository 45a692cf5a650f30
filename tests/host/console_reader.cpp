// console-reader: a console program that reads its console's input as such programs do, key by
// key (ReadConsoleInput), for the tests of what the floating panel types into a console. The
// characters of the keys pressed go to FILE (UTF-8) as they arrive; it ends once they are TEXT,
// with status 0, or after SECONDS, with status 1.
//
//   console-reader FILE TEXT SECONDS

#include "host/text_escape.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4)
    {
        fprintf(stderr, "usage: console-reader FILE TEXT SECONDS\n");
        return 2;
    }
    HANDLE hInput = GetStdHandle(STD_INPUT_HANDLE);
    FILE* pFile = _wfopen(argv[1], L"wb");
    if (pFile == nullptr)
        return 2;
    std::wstring sText = argv[2];
    ULONGLONG ullEnd = GetTickCount64() + static_cast<ULONGLONG>(_wtof(argv[3]) * 1000);
    std::wstring sRead;
    while (sRead != sText && GetTickCount64() < ullEnd)
    {
        if (WaitForSingleObject(hInput, 50) != WAIT_OBJECT_0)
            continue;
        INPUT_RECORD record;
        DWORD dwRead = 0;
        if (!ReadConsoleInputW(hInput, &record, 1, &dwRead) || dwRead == 0)
            continue;
        const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
        if (record.EventType != KEY_EVENT || !key.bKeyDown || key.uChar.UnicodeChar == 0)
            continue;
        sRead.append(key.wRepeatCount, key.uChar.UnicodeChar);
        std::string sUtf8 = ToUtf8(sRead.c_str(), sRead.size());
        rewind(pFile);
        fwrite(sUtf8.data(), 1, sUtf8.size(), pFile);
        fflush(pFile);
    }
    fclose(pFile);
    return sRead == sText ? 0 : 1;
}
