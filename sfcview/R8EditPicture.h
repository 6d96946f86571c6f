// A rendered folio or chart picture: owns one bitmap (possibly none, when the
// bitmap could not be made) and deletes it with itself. Whoever receives a
// picture from the chart owns it.
#pragma once

#include "frame/Win32.h"

class CR8EditPicture
{
public:
    explicit CR8EditPicture(HBITMAP bitmap = nullptr);
    ~CR8EditPicture();
    CR8EditPicture(const CR8EditPicture&) = delete;
    CR8EditPicture& operator=(const CR8EditPicture&) = delete;

    HBITMAP GetBitmap() const { return m_bitmap; }
    bool HasBitmap() const { return m_bitmap != nullptr; }
    // Pixel size of the bitmap; 0 x 0 without one.
    SIZE GetSize() const;
    // Gives the bitmap up to the caller (the clipboard takes it this way).
    HBITMAP Detach();

private:
    HBITMAP m_bitmap;
};
