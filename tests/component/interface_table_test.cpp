// The C++ declarations of the two interfaces give the tables the handheld's host calls through:
// objects whose every operation answers with its own slot number are called slot by slot
// through the C tables.

#include "platform/sip_abi.h"

#include <gtest/gtest.h>

namespace
{

class SlotInputMethod final : public IInputMethod
{
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return 0; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 2; }
    HRESULT STDMETHODCALLTYPE Select(HWND) override { return 3; }
    HRESULT STDMETHODCALLTYPE Deselect() override { return 4; }
    HRESULT STDMETHODCALLTYPE Showing() override { return 5; }
    HRESULT STDMETHODCALLTYPE Hiding() override { return 6; }
    HRESULT STDMETHODCALLTYPE GetInfo(IMINFO*) override { return 7; }
    HRESULT STDMETHODCALLTYPE ReceiveSipInfo(SIPINFO*) override { return 8; }
    HRESULT STDMETHODCALLTYPE RegisterCallback(IIMCallback*) override { return 9; }
    HRESULT STDMETHODCALLTYPE GetImData(DWORD, void*) override { return 10; }
    HRESULT STDMETHODCALLTYPE SetImData(DWORD, void*) override { return 11; }
    HRESULT STDMETHODCALLTYPE UserOptionsDlg(HWND) override { return 12; }
};

class SlotCallback final : public IIMCallback
{
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return 0; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 2; }
    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO*) override { return 3; }
    HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE, DWORD) override { return 4; }
    HRESULT STDMETHODCALLTYPE SendCharEvents(UINT, UINT, UINT, UINT*, UINT*) override { return 5; }
    HRESULT STDMETHODCALLTYPE SendString(BSTR, DWORD) override { return 6; }
};

} // namespace

TEST(InterfaceTables, InputMethodOperationsSitInTheirSlots)
{
    SlotInputMethod object;
    IInputMethod* pim = &object;
    const IInputMethodTable* pTable = TableOf(pim);
    void* pv = nullptr;
    EXPECT_EQ(0, pTable->QueryInterface(pim, IID_IInputMethod, &pv));
    EXPECT_EQ(1u, pTable->AddRef(pim));
    EXPECT_EQ(2u, pTable->Release(pim));
    EXPECT_EQ(3, pTable->Select(pim, nullptr));
    EXPECT_EQ(4, pTable->Deselect(pim));
    EXPECT_EQ(5, pTable->Showing(pim));
    EXPECT_EQ(6, pTable->Hiding(pim));
    EXPECT_EQ(7, pTable->GetInfo(pim, nullptr));
    EXPECT_EQ(8, pTable->ReceiveSipInfo(pim, nullptr));
    EXPECT_EQ(9, pTable->RegisterCallback(pim, nullptr));
    EXPECT_EQ(10, pTable->GetImData(pim, 0, nullptr));
    EXPECT_EQ(11, pTable->SetImData(pim, 0, nullptr));
    EXPECT_EQ(12, pTable->UserOptionsDlg(pim, nullptr));
}

TEST(InterfaceTables, CallbackOperationsSitInTheirSlots)
{
    SlotCallback object;
    IIMCallback* pCallback = &object;
    const IIMCallbackTable* pTable = TableOf(pCallback);
    void* pv = nullptr;
    UINT uShift = 0;
    UINT uChar = 'a';
    EXPECT_EQ(0, pTable->QueryInterface(pCallback, IID_IIMCallback, &pv));
    EXPECT_EQ(1u, pTable->AddRef(pCallback));
    EXPECT_EQ(2u, pTable->Release(pCallback));
    EXPECT_EQ(3, pTable->SetImInfo(pCallback, nullptr));
    EXPECT_EQ(4, pTable->SendVirtualKey(pCallback, VK_LEFT, KeyStateDownFlag));
    EXPECT_EQ(5, pTable->SendCharEvents(pCallback, 'A', KeyStateDownFlag, 1, &uShift, &uChar));
    EXPECT_EQ(6, pTable->SendString(pCallback, nullptr, 0));
}
