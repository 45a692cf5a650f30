// The module's own global operator new and delete. The C++ runtime's versions report failure by
// exception, which would pull its whole exception and name-demangling machinery into a DLL built
// without exceptions; these return null instead, which every caller here checks. Callers pass a
// std::nothrow_t of their own rather than std::nothrow, whose definition would bring the C++
// runtime's new-handler object and an initialised data section of its own.

#include <windows.h>

#include <new>

void* operator new(size_t cb, const std::nothrow_t&) noexcept
{
    return HeapAlloc(GetProcessHeap(), 0, cb);
}

void operator delete(void* pv) noexcept
{
    if (pv != nullptr)
        HeapFree(GetProcessHeap(), 0, pv);
}

void operator delete(void* pv, size_t) noexcept
{
    operator delete(pv);
}
