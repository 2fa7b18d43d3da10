#include "util/imagedecode.h"

#include "util/base64.h"
#include <cstring>
#include <objidl.h>

namespace {

// A movable memory block holding the bytes, or null. At least one byte is
// allocated: a zero-sized movable block is a discarded one and cannot be locked.
HGLOBAL CopyToGlobal(const std::string& strBytes)
{
    SIZE_T nSize = strBytes.empty() ? 1 : strBytes.size();
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (!hBlock)
        return nullptr;
    void* pBlock = GlobalLock(hBlock);
    if (!pBlock) {
        GlobalFree(hBlock);
        return nullptr;
    }
    if (!strBytes.empty())
        memcpy(pBlock, strBytes.data(), strBytes.size());
    GlobalUnlock(hBlock);
    return hBlock;
}

// A stream over the bytes that owns its memory block, or null.
IStream* StreamOnBytes(const std::string& strBytes)
{
    HGLOBAL hBlock = CopyToGlobal(strBytes);
    if (!hBlock)
        return nullptr;
    IStream* pStream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(hBlock, TRUE, &pStream)) || !pStream) {
        GlobalFree(hBlock);
        return nullptr;
    }
    // The stream took the block's size; the extra byte of an empty text must not
    // become part of the data.
    ULARGE_INTEGER nLength;
    nLength.QuadPart = strBytes.size();
    if (FAILED(pStream->SetSize(nLength))) {
        pStream->Release();
        return nullptr;
    }
    return pStream;
}

} // namespace

Gdiplus::Image* ImageFromBase64(std::string strText)
{
    IStream* pStream = StreamOnBytes(Base64Decode(strText));
    // Without a stream GDI+ still gives an image object, one with a failed status,
    // so the caller always gets what it would get for bytes that are no image.
    Gdiplus::Image* pImage = Gdiplus::Image::FromStream(pStream, FALSE);
    // The image keeps its own reference to the stream for as long as it lives.
    if (pStream)
        pStream->Release();
    return pImage;
}

Gdiplus::Image* DecodedImageFromBase64(const std::string& strText)
{
    Gdiplus::Image* pImage = ImageFromBase64(strText);
    if (pImage && pImage->GetLastStatus() != Gdiplus::Ok) {
        delete pImage;
        pImage = nullptr;
    }
    return pImage;
}
