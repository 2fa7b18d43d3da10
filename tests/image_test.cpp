#include "tests/support/gdiplussession.h"
#include "util/base64.h"
#include "util/imagedecode.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

const ::testing::Environment* const g_pGdiplus = ::testing::AddGlobalTestEnvironment(new CGdiplusSession);

// The image drawn 1:1 into a 32-bit bitmap, read back pixel by pixel.
Gdiplus::Color PixelOf(Gdiplus::Image* pImage, int x, int y)
{
    Gdiplus::Bitmap canvas(3, 2, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&canvas);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        graphics.DrawImage(pImage, Gdiplus::Rect(0, 0, 3, 2), 0, 0, 3, 2, Gdiplus::UnitPixel);
    }
    Gdiplus::Color color;
    canvas.GetPixel(x, y, &color);
    return color;
}

void ExpectRgb(Gdiplus::Color color, int r, int g, int b)
{
    EXPECT_EQ(r, color.GetR());
    EXPECT_EQ(g, color.GetG());
    EXPECT_EQ(b, color.GetB());
}

} // namespace

TEST(ImageFromBase64, PngDecodesWithItsSizeAndPixels)
{
    std::unique_ptr<Gdiplus::Image> image(ImageFromBase64(TestPngBase64()));
    ASSERT_NE(nullptr, image);
    ASSERT_EQ(Gdiplus::Ok, image->GetLastStatus());
    EXPECT_EQ(3u, image->GetWidth());
    EXPECT_EQ(2u, image->GetHeight());
    // The bytes must still be there after the function has dropped its stream.
    ExpectRgb(PixelOf(image.get(), 0, 0), 255, 0, 0);
    ExpectRgb(PixelOf(image.get(), 2, 0), 0, 0, 255);
    ExpectRgb(PixelOf(image.get(), 2, 1), 255, 128, 0);
}

TEST(ImageFromBase64, TextAfterALineBreakIsIgnored)
{
    std::string text = std::string(TestPngBase64()) + "\r\nnot part of the image";
    std::unique_ptr<Gdiplus::Image> image(ImageFromBase64(text));
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(Gdiplus::Ok, image->GetLastStatus());
    EXPECT_EQ(3u, image->GetWidth());
}

TEST(ImageFromBase64, EmptyOrForeignBytesGiveAFailedImage)
{
    const char* texts[] = {"", "QUJDREVGR0hJSktM", "iVBORw0KGgoAAAANSUhE"};
    for (const char* pszText : texts) {
        std::unique_ptr<Gdiplus::Image> image(ImageFromBase64(pszText));
        ASSERT_NE(nullptr, image) << pszText;
        EXPECT_NE(Gdiplus::Ok, image->GetLastStatus()) << pszText;
        EXPECT_EQ(0u, image->GetWidth()) << pszText;
    }
}
