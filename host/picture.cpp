#include "host/picture.h"

#include <wincodec.h>

Picture CaptureArea(HDC hdcSource, int x, int y, int nWidth, int nHeight)
{
    Picture picture;
    if (nWidth <= 0 || nHeight <= 0)
        return picture;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pvBits = nullptr;
    HBITMAP hbm = CreateDIBSection(hdcSource, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    if (hbm == nullptr)
        return picture;
    HDC hdcMem = CreateCompatibleDC(hdcSource);
    HGDIOBJ hbmOld = SelectObject(hdcMem, hbm);
    BitBlt(hdcMem, 0, 0, nWidth, nHeight, hdcSource, x, y, SRCCOPY);
    GdiFlush();
    const DWORD* pPixels = static_cast<const DWORD*>(pvBits);
    picture.nWidth = nWidth;
    picture.nHeight = nHeight;
    picture.aPixels.assign(pPixels, pPixels + static_cast<size_t>(nWidth) * nHeight);
    for (DWORD& dw : picture.aPixels)
        dw &= 0xFFFFFF;
    SelectObject(hdcMem, hbmOld);
    DeleteDC(hdcMem);
    DeleteObject(hbm);
    return picture;
}

Picture CapturePicture(HWND hwnd, bool bWholeWindow)
{
    RECT rc;
    if (bWholeWindow)
    {
        GetWindowRect(hwnd, &rc);
        OffsetRect(&rc, -rc.left, -rc.top);
    }
    else
    {
        GetClientRect(hwnd, &rc);
    }
    HDC hdcWindow = bWholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd);
    Picture picture = CaptureArea(hdcWindow, 0, 0, rc.right, rc.bottom);
    ReleaseDC(hwnd, hdcWindow);
    return picture;
}

Picture CaptureScreenArea(const RECT& rc)
{
    HDC hdcScreen = GetDC(nullptr);
    Picture picture =
        CaptureArea(hdcScreen, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    ReleaseDC(nullptr, hdcScreen);
    return picture;
}

Picture EnlargePicture(const Picture& picture, int nScale)
{
    Picture large;
    large.nWidth = picture.nWidth * nScale;
    large.nHeight = picture.nHeight * nScale;
    large.aPixels.resize(static_cast<size_t>(large.nWidth) * large.nHeight);
    for (int y = 0; y < large.nHeight; ++y)
    {
        for (int x = 0; x < large.nWidth; ++x)
            large.aPixels[static_cast<size_t>(y) * large.nWidth + x] =
                picture.aPixels[static_cast<size_t>(y / nScale) * picture.nWidth + x / nScale];
    }
    return large;
}

HRESULT WritePng(const Picture& picture, const WCHAR* pszFile)
{
    if (picture.aPixels.empty())
        return E_INVALIDARG;
    // 24-bit rows, each padded to a multiple of four bytes.
    UINT cbStride = (static_cast<UINT>(picture.nWidth) * 3 + 3) & ~3u;
    std::vector<BYTE> aRows(static_cast<size_t>(cbStride) * picture.nHeight);
    for (int y = 0; y < picture.nHeight; ++y)
    {
        BYTE* pRow = &aRows[static_cast<size_t>(y) * cbStride];
        for (int x = 0; x < picture.nWidth; ++x)
        {
            DWORD dw = picture.aPixels[static_cast<size_t>(y) * picture.nWidth + x];
            pRow[3 * x] = static_cast<BYTE>(dw);
            pRow[3 * x + 1] = static_cast<BYTE>(dw >> 8);
            pRow[3 * x + 2] = static_cast<BYTE>(dw >> 16);
        }
    }

    IWICImagingFactory* pFactory = nullptr;
    IWICStream* pStream = nullptr;
    IWICBitmapEncoder* pEncoder = nullptr;
    IWICBitmapFrameEncode* pFrame = nullptr;
    IPropertyBag2* pOptions = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&pFactory));
    if (SUCCEEDED(hr))
        hr = pFactory->CreateStream(&pStream);
    bool bCreated = false;
    if (SUCCEEDED(hr))
    {
        hr = pStream->InitializeFromFilename(pszFile, GENERIC_WRITE);
        bCreated = SUCCEEDED(hr);
    }
    if (SUCCEEDED(hr))
        hr = pFactory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &pEncoder);
    if (SUCCEEDED(hr))
        hr = pEncoder->Initialize(pStream, WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr))
        hr = pEncoder->CreateNewFrame(&pFrame, &pOptions);
    if (SUCCEEDED(hr))
        hr = pFrame->Initialize(pOptions);
    if (SUCCEEDED(hr))
        hr = pFrame->SetSize(static_cast<UINT>(picture.nWidth), static_cast<UINT>(picture.nHeight));
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(hr))
        hr = pFrame->SetPixelFormat(&format);
    // The encoder may answer with a format of its own choosing; the rows are in this one only.
    if (SUCCEEDED(hr) && !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
        hr = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    if (SUCCEEDED(hr))
        hr = pFrame->WritePixels(static_cast<UINT>(picture.nHeight), cbStride,
                                 static_cast<UINT>(aRows.size()), aRows.data());
    if (SUCCEEDED(hr))
        hr = pFrame->Commit();
    if (SUCCEEDED(hr))
        hr = pEncoder->Commit();
    if (pOptions != nullptr)
        pOptions->Release();
    if (pFrame != nullptr)
        pFrame->Release();
    if (pEncoder != nullptr)
        pEncoder->Release();
    if (pStream != nullptr)
        pStream->Release();
    if (pFactory != nullptr)
        pFactory->Release();
    // No half-written picture is left behind to be taken for a good one.
    if (FAILED(hr) && bCreated)
        DeleteFileW(pszFile);
    return hr;
}
