// Pixel and cell geometry of the portable core: plain structs, no window
// system types. Rectangles of pixels are half-open like the window system's;
// rectangles of cells name their last column and row (inclusive).
#pragma once

struct R8Point
{
    int x = 0;
    int y = 0;
};

struct R8Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void Deflate(int dx, int dy)
    {
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
    }
};
