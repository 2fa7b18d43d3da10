// The skin images as the client reads them with GDI+: the shipped set (copied beside Velora) and the flat
// test set decode at the sizes of the generated header and at 96 dpi, so that a draw "at its own size" is
// one to one; overlays keep transparent edges; the flat set reads back as the header's colours.
#include "skin_colours.h"
#include "tests/support/appdriver.h"
#include "tests/support/gdiplussession.h"

#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <string>

namespace {

const ::testing::Environment* const g_pGdiplus = ::testing::AddGlobalTestEnvironment(new CGdiplusSession);

std::unique_ptr<Gdiplus::Bitmap> LoadSkin(const std::string& strFolder, const char* pszName)
{
    std::string path = WinePath(strFolder) + "\\" + pszName + ".png";
    std::wstring wide(path.begin(), path.end()); // the build's paths are ASCII
    return std::unique_ptr<Gdiplus::Bitmap>(new Gdiplus::Bitmap(wide.c_str()));
}

Gdiplus::Color PixelOf(Gdiplus::Bitmap& bitmap, int x, int y)
{
    Gdiplus::Color color;
    bitmap.GetPixel(x, y, &color);
    return color;
}

} // namespace

TEST(Skins, BothSetsDecodeAtTheDeclaredSizesAndResolution)
{
    for (const char* pszFolder : {VELORA_SHIPPED_SKINS, kSkinFlatDir}) {
        for (const CSkinFlat& skin : kSkinFlatTable) {
            SCOPED_TRACE(std::string(pszFolder) + "/" + skin.pszName);
            std::unique_ptr<Gdiplus::Bitmap> bitmap = LoadSkin(pszFolder, skin.pszName);
            ASSERT_EQ(Gdiplus::Ok, bitmap->GetLastStatus());
            EXPECT_EQ(UINT(skin.width), bitmap->GetWidth());
            EXPECT_EQ(UINT(skin.height), bitmap->GetHeight());
            EXPECT_NEAR(96.0, bitmap->GetHorizontalResolution(), 0.01);
            EXPECT_NEAR(96.0, bitmap->GetVerticalResolution(), 0.01);
            // an overlay hides the hover background under it unless its edges are clear
            if (skin.overlay) {
                EXPECT_EQ(0, PixelOf(*bitmap, 0, 0).GetA());
            }
        }
    }
}

TEST(Skins, FlatImagesReadBackAsTheHeadersColours)
{
    for (const CSkinFlat& skin : kSkinFlatTable) {
        SCOPED_TRACE(skin.pszName);
        std::unique_ptr<Gdiplus::Bitmap> bitmap = LoadSkin(kSkinFlatDir, skin.pszName);
        ASSERT_EQ(Gdiplus::Ok, bitmap->GetLastStatus());
        Gdiplus::Color centre = PixelOf(*bitmap, skin.width / 2, skin.height / 2);
        EXPECT_EQ(skin.colour, centre.ToCOLORREF());
        EXPECT_EQ(255, centre.GetA());
        bool bClearEdge = skin.overlay || std::strcmp(skin.pszName, "float_box") == 0;
        EXPECT_EQ(bClearEdge ? 0 : 255, PixelOf(*bitmap, 0, 0).GetA());
    }
}
