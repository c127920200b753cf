// Pictures for the libraries (host callbacks 1003 and 2034): picture file bytes (BMP,
// JPEG, GIF, ICO, CUR) to a bitmap through the platform's own picture loader, and a
// bitmap back to its one byte form: a bitmap file of 24 bits per pixel, bottom-up, no
// compression (BITMAPFILEHEADER, BITMAPINFOHEADER, rows padded to 4 bytes).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace rt::win {

// A new bitmap (the caller deletes it) from BMP, JPEG, GIF, ICO or other formats the
// platform's loader reads; null for empty or unreadable data.
HBITMAP BitmapFromPictureBytes(const uint8_t* bytes, size_t length);

// A movable global memory block holding a BMP file of the bitmap (the caller reads it
// and frees it with GlobalFree); null when the bitmap cannot be read.
HGLOBAL PictureBytesFromBitmap(HBITMAP bitmap);

}  // namespace rt::win
