#ifndef UTIL_IMAGEDECODE_H
#define UTIL_IMAGEDECODE_H

// Turning the Base64 image texts of the service (node icons, head images) into GDI+
// images. GDI+ must have been started by the program.

#include <windows.h>
#include <gdiplus.h>
#include <string>

// Decodes the text and lets GDI+ read the bytes. Always a new image object (null
// only when memory runs out), owned by the caller; when the bytes are no image its
// status (GetLastStatus) is not Ok.
Gdiplus::Image* ImageFromBase64(std::string strText);

// As ImageFromBase64, but only an image that GDI+ decoded is returned; anything
// else is deleted here and the result is null.
Gdiplus::Image* DecodedImageFromBase64(const std::string& strText);

#endif
