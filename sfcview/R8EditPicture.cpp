#include "sfcview/R8EditPicture.h"

CR8EditPicture::CR8EditPicture(HBITMAP bitmap) : m_bitmap(bitmap) {}

CR8EditPicture::~CR8EditPicture()
{
    if (m_bitmap != nullptr)
        DeleteObject(m_bitmap);
}

SIZE CR8EditPicture::GetSize() const
{
    BITMAP info = {};
    if (m_bitmap == nullptr || GetObjectA(m_bitmap, sizeof(info), &info) == 0)
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

HBITMAP CR8EditPicture::Detach()
{
    HBITMAP bitmap = m_bitmap;
    m_bitmap = nullptr;
    return bitmap;
}
