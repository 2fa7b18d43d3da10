#ifndef CTRL_SKINIMAGE_H
#define CTRL_SKINIMAGE_H
// One skin image under "Skins/" beside the executable, loaded from its file for one
// paint and freed with this object. A missing or unreadable file is an empty image:
// it measures 0 x 0 and draws nothing, so a painter goes on with the others.
#include <windows.h>
#include <gdiplus.h>
#include <memory>
#include <string>

class CSkinImage {
public:
    // pszRelativePath: relative to the executable's folder, e.g. "Skins/logo.png".
    explicit CSkinImage(const char* pszRelativePath);
    // An image given by its full path.
    explicit CSkinImage(const std::wstring& strFullPath);
    CSkinImage(const CSkinImage&) = delete;
    CSkinImage& operator=(const CSkinImage&) = delete;

    bool IsLoaded() const { return m_pImage != nullptr; }
    int Width() const;
    int Height() const;
    Gdiplus::Image* Get() const { return m_pImage.get(); }
    // At (x, y) at its own size.
    void Draw(Gdiplus::Graphics& graphics, int x, int y) const;
    // Stretched into (x, y, cx, cy).
    void Draw(Gdiplus::Graphics& graphics, int x, int y, int cx, int cy) const;

private:
    std::unique_ptr<Gdiplus::Image> m_pImage;
};

#endif
