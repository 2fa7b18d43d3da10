#include "ctrl/skinimage.h"

#include "util/paths.h"

CSkinImage::CSkinImage(const char* pszRelativePath) : CSkinImage(GetFullPath(pszRelativePath).Wide())
{
}

CSkinImage::CSkinImage(const std::wstring& strFullPath)
{
    std::unique_ptr<Gdiplus::Image> pImage(Gdiplus::Image::FromFile(strFullPath.c_str()));
    if (pImage && pImage->GetLastStatus() == Gdiplus::Ok && pImage->GetWidth() > 0 && pImage->GetHeight() > 0)
        m_pImage = std::move(pImage);
}

int CSkinImage::Width() const
{
    return m_pImage ? static_cast<int>(m_pImage->GetWidth()) : 0;
}

int CSkinImage::Height() const
{
    return m_pImage ? static_cast<int>(m_pImage->GetHeight()) : 0;
}

void CSkinImage::Draw(Gdiplus::Graphics& graphics, int x, int y) const
{
    Draw(graphics, x, y, Width(), Height());
}

void CSkinImage::Draw(Gdiplus::Graphics& graphics, int x, int y, int cx, int cy) const
{
    if (m_pImage)
        graphics.DrawImage(m_pImage.get(), x, y, cx, cy);
}
