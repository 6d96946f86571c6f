#include "ColorMath.h"

#include <cmath>

namespace q2gdi
{

namespace
{

double ClampFactor(double f)
{
    if (!(f > 0.0)) // also NaN
        return 0.0;
    return f > 1.0 ? 1.0 : f;
}

int Channel(COLORREF c, int shift)
{
    return static_cast<int>((c >> shift) & 0xFF);
}

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

template <class F> COLORREF PerChannel(COLORREF c, F&& f)
{
    return RGB(f(Channel(c, 0)), f(Channel(c, 8)), f(Channel(c, 16)));
}

} // namespace

COLORREF Lighten(COLORREF color, double factor)
{
    const double f = ClampFactor(factor);
    return PerChannel(color, [&](int ch) { return ch + Round((255 - ch) * f); });
}

COLORREF Darken(COLORREF color, double factor)
{
    const double f = ClampFactor(factor);
    return PerChannel(color, [&](int ch) { return Round(ch * (1.0 - f)); });
}

COLORREF Gradient(int step, int count, COLORREF start, COLORREF end)
{
    start &= 0x00FFFFFF;
    if (count < 1)
        return start;
    if (step < 0)
        step = 0;
    if (step > count)
        step = count;
    const double t = static_cast<double>(step) / count;
    auto mix = [&](int shift)
    { return Round(Channel(start, shift) + (Channel(end, shift) - Channel(start, shift)) * t); };
    return RGB(mix(0), mix(8), mix(16));
}

} // namespace q2gdi
