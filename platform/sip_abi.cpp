// Compile-time checks of what the host and an input method share: the records' layout and the
// interfaces' tables. The handheld is a 32-bit machine, so its sizes and offsets are checked in
// the 32-bit build; slot order and signatures in every build.

#include "platform/sip_abi.h"

#include <cstddef>
#include <type_traits>

namespace
{

constexpr size_t SlotOffset(size_t nSlot)
{
    return nSlot * sizeof(void*);
}

// The table slot that a C++ operation fills: a __stdcall function taking the object first.
template <typename Operation> struct TableSlot
{
    using Type = void; // not a __stdcall operation
};

template <typename Result, typename Interface, typename... Arguments>
struct TableSlot<Result (STDMETHODCALLTYPE Interface::*)(Arguments...)>
{
    using Type = Result(STDMETHODCALLTYPE*)(Interface*, Arguments...);
};

template <typename Operation, typename Slot> constexpr bool IsSlot()
{
    return std::is_same<typename TableSlot<Operation>::Type, Slot>::value;
}

} // namespace

#ifndef _WIN64
static_assert(sizeof(void*) == 4 && sizeof(HANDLE) == 4 && sizeof(RECT) == 16,
              "the handheld's pointers and handles have 32 bits");

static_assert(sizeof(IMINFO) == 40, "IMINFO has the handheld's size");
static_assert(offsetof(IMINFO, cbSize) == 0, "IMINFO::cbSize");
static_assert(offsetof(IMINFO, hImageNarrow) == 4, "IMINFO::hImageNarrow");
static_assert(offsetof(IMINFO, hImageWide) == 8, "IMINFO::hImageWide");
static_assert(offsetof(IMINFO, iNarrow) == 12, "IMINFO::iNarrow");
static_assert(offsetof(IMINFO, iWide) == 16, "IMINFO::iWide");
static_assert(offsetof(IMINFO, fdwFlags) == 20, "IMINFO::fdwFlags");
static_assert(offsetof(IMINFO, rcSipRect) == 24, "IMINFO::rcSipRect");

static_assert(sizeof(SIPINFO) == 48, "SIPINFO has the handheld's size");
static_assert(offsetof(SIPINFO, cbSize) == 0, "SIPINFO::cbSize");
static_assert(offsetof(SIPINFO, fdwFlags) == 4, "SIPINFO::fdwFlags");
static_assert(offsetof(SIPINFO, rcVisibleDesktop) == 8, "SIPINFO::rcVisibleDesktop");
static_assert(offsetof(SIPINFO, rcSipRect) == 24, "SIPINFO::rcSipRect");
static_assert(offsetof(SIPINFO, dwImDataSize) == 40, "SIPINFO::dwImDataSize");
static_assert(offsetof(SIPINFO, pvImData) == 44, "SIPINFO::pvImData");

static_assert(sizeof(IInputMethodTable) == 52, "IInputMethod has 13 slots of 4 bytes");
static_assert(sizeof(IIMCallbackTable) == 28, "IIMCallback has 7 slots of 4 bytes");
#endif

static_assert(offsetof(IInputMethodTable, QueryInterface) == SlotOffset(0), "slot 0");
static_assert(offsetof(IInputMethodTable, AddRef) == SlotOffset(1), "slot 1");
static_assert(offsetof(IInputMethodTable, Release) == SlotOffset(2), "slot 2");
static_assert(offsetof(IInputMethodTable, Select) == SlotOffset(3), "slot 3");
static_assert(offsetof(IInputMethodTable, Deselect) == SlotOffset(4), "slot 4");
static_assert(offsetof(IInputMethodTable, Showing) == SlotOffset(5), "slot 5");
static_assert(offsetof(IInputMethodTable, Hiding) == SlotOffset(6), "slot 6");
static_assert(offsetof(IInputMethodTable, GetInfo) == SlotOffset(7), "slot 7");
static_assert(offsetof(IInputMethodTable, ReceiveSipInfo) == SlotOffset(8), "slot 8");
static_assert(offsetof(IInputMethodTable, RegisterCallback) == SlotOffset(9), "slot 9");
static_assert(offsetof(IInputMethodTable, GetImData) == SlotOffset(10), "slot 10");
static_assert(offsetof(IInputMethodTable, SetImData) == SlotOffset(11), "slot 11");
static_assert(offsetof(IInputMethodTable, UserOptionsDlg) == SlotOffset(12), "slot 12");

static_assert(offsetof(IIMCallbackTable, QueryInterface) == SlotOffset(0), "slot 0");
static_assert(offsetof(IIMCallbackTable, AddRef) == SlotOffset(1), "slot 1");
static_assert(offsetof(IIMCallbackTable, Release) == SlotOffset(2), "slot 2");
static_assert(offsetof(IIMCallbackTable, SetImInfo) == SlotOffset(3), "slot 3");
static_assert(offsetof(IIMCallbackTable, SendVirtualKey) == SlotOffset(4), "slot 4");
static_assert(offsetof(IIMCallbackTable, SendCharEvents) == SlotOffset(5), "slot 5");
static_assert(offsetof(IIMCallbackTable, SendString) == SlotOffset(6), "slot 6");

// The C++ declarations agree with the tables: the same arguments and __stdcall everywhere (a
// distinct type in 32-bit code, where a mismatch would unbalance the stack).
static_assert(IsSlot<decltype(&IInputMethod::Select), decltype(IInputMethodTable::Select)>(),
              "IInputMethod::Select");
static_assert(IsSlot<decltype(&IInputMethod::Deselect), decltype(IInputMethodTable::Deselect)>(),
              "IInputMethod::Deselect");
static_assert(IsSlot<decltype(&IInputMethod::Showing), decltype(IInputMethodTable::Showing)>(),
              "IInputMethod::Showing");
static_assert(IsSlot<decltype(&IInputMethod::Hiding), decltype(IInputMethodTable::Hiding)>(),
              "IInputMethod::Hiding");
static_assert(IsSlot<decltype(&IInputMethod::GetInfo), decltype(IInputMethodTable::GetInfo)>(),
              "IInputMethod::GetInfo");
static_assert(
    IsSlot<decltype(&IInputMethod::ReceiveSipInfo), decltype(IInputMethodTable::ReceiveSipInfo)>(),
    "IInputMethod::ReceiveSipInfo");
static_assert(IsSlot<decltype(&IInputMethod::RegisterCallback),
                     decltype(IInputMethodTable::RegisterCallback)>(),
              "IInputMethod::RegisterCallback");
static_assert(IsSlot<decltype(&IInputMethod::GetImData), decltype(IInputMethodTable::GetImData)>(),
              "IInputMethod::GetImData");
static_assert(IsSlot<decltype(&IInputMethod::SetImData), decltype(IInputMethodTable::SetImData)>(),
              "IInputMethod::SetImData");
static_assert(
    IsSlot<decltype(&IInputMethod::UserOptionsDlg), decltype(IInputMethodTable::UserOptionsDlg)>(),
    "IInputMethod::UserOptionsDlg");
static_assert(IsSlot<decltype(&IIMCallback::SetImInfo), decltype(IIMCallbackTable::SetImInfo)>(),
              "IIMCallback::SetImInfo");
static_assert(
    IsSlot<decltype(&IIMCallback::SendVirtualKey), decltype(IIMCallbackTable::SendVirtualKey)>(),
    "IIMCallback::SendVirtualKey");
static_assert(
    IsSlot<decltype(&IIMCallback::SendCharEvents), decltype(IIMCallbackTable::SendCharEvents)>(),
    "IIMCallback::SendCharEvents");
static_assert(IsSlot<decltype(&IIMCallback::SendString), decltype(IIMCallbackTable::SendString)>(),
              "IIMCallback::SendString");
