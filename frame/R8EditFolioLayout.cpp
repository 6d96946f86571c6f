#include "frame/R8EditFolioLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace
{

// Results are kept well inside int, so callers may add one more folio or a
// margin without overflow.
constexpr double kMaxUnits = 1 << 30;
constexpr int kMinZoom = 1;
constexpr int kMaxGrowZoom = 400;
constexpr int kFirstZoom = 100;
constexpr int kFallbackScreenDpi = 96;

int ClampToInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace

CR8EditFolioLayout::CR8EditFolioLayout(int screenDpiXIn, int screenDpiYIn)
    : screenDpiX(screenDpiXIn > 0 ? screenDpiXIn : kFallbackScreenDpi),
      screenDpiY(screenDpiYIn > 0 ? screenDpiYIn : kFallbackScreenDpi)
{
    ResetScales();
}

double CR8EditFolioLayout::Ratio(int printerDpi, int screenDpi)
{
    return static_cast<double>(printerDpi) / static_cast<double>(screenDpi);
}

void CR8EditFolioLayout::ResetScales()
{
    scaleX = Ratio(printerDpiX, screenDpiX);
    scaleY = Ratio(printerDpiY, screenDpiY);
}

void CR8EditFolioLayout::SetPrinter(int dpiX, int dpiY, int folioWidthIn, int folioHeightIn)
{
    printerDpiX = dpiX;
    printerDpiY = dpiY;
    folioWidth = folioWidthIn;
    folioHeight = folioHeightIn;
    ResetScales();
}

int CR8EditFolioLayout::UnitsPerFolio(int folioSize, double scale, double unitSize)
{
    // A zero, negative or undefined scale or unit holds nothing; a folio too
    // small for one unit still shows one.
    if (!(scale > 0) || !(unitSize > 0) || !std::isfinite(scale) || !std::isfinite(unitSize))
        return 0;
    const double units = std::floor(std::max(folioSize, 0) / (scale * unitSize));
    if (!(units >= 1))
        return 1;
    return static_cast<int>(std::min(units, kMaxUnits));
}

void CR8EditFolioLayout::ComputeUnitsPerFolio(double unitWidth, double unitHeight)
{
    if (forceZoom)
    {
        unitWidth = unitWidth * printZoom / 100.0;
        unitHeight = unitHeight * printZoom / 100.0;
    }
    unitsPerFolioX = UnitsPerFolio(folioWidth, scaleX, unitWidth);
    unitsPerFolioY = UnitsPerFolio(folioHeight, scaleY, unitHeight);
}

int CR8EditFolioLayout::FolioCount(int units, int perFolio)
{
    if (perFolio <= 0 || units <= 0)
        return 0;
    return static_cast<int>((static_cast<std::int64_t>(units) + perFolio - 1) / perFolio);
}

R8FolioRect CR8EditFolioLayout::FolioRect(int x, int y, int limitX, int limitY) const
{
    const std::int64_t ux = unitsPerFolioX;
    const std::int64_t uy = unitsPerFolioY;
    R8FolioRect r;
    r.left = ClampToInt(x * ux);
    r.top = ClampToInt(y * uy);
    r.right = ClampToInt(std::min<std::int64_t>(limitX, (std::int64_t(x) + 1) * ux));
    r.bottom = ClampToInt(std::min<std::int64_t>(limitY, (std::int64_t(y) + 1) * uy));
    return r;
}

R8FolioRect CR8EditFolioLayout::FolioRect(int x, int y) const
{
    return FolioRect(x, y, std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
}

void CR8EditFolioLayout::PrinterSize(int width, int height, int& printerWidth,
                                     int& printerHeight) const
{
    const auto dots = [](int pixels, double scale, int folio)
    {
        const double v = std::floor(std::max(pixels, 0) * scale);
        if (!(v > 0))
            return 0;
        return static_cast<int>(std::min(v, static_cast<double>(std::max(folio, 0))));
    };
    printerWidth = dots(width, scaleX, folioWidth);
    printerHeight = dots(height, scaleY, folioHeight);
}

bool CR8EditFolioLayout::IsDisplayFolio() const
{
    return displayFolio && !printing && maxFoliosX == kNoLimit && maxFoliosY == kNoLimit;
}

void CR8EditFolioLayout::ForceZoom(bool force, int zoom)
{
    printZoom = zoom;
    forceZoom = force;
}

int CR8EditFolioLayout::FrameStep(int units) const
{
    if (printZoom <= 0)
        return 0;
    return ClampToInt(std::int64_t(units) * 100 / printZoom);
}

bool CR8EditFolioLayout::TryZoom(int z, double uw, double uh, const BitmapTest& canMake)
{
    const double sx = Ratio(printerDpiX, screenDpiX) * z / 100.0;
    const double sy = Ratio(printerDpiY, screenDpiY) * z / 100.0;
    const double zoom = forceZoom ? printZoom / 100.0 : 1.0;
    const int ux = std::max(UnitsPerFolio(folioWidth, sx, uw * zoom), 1);
    const int uy = std::max(UnitsPerFolio(folioHeight, sy, uh * zoom), 1);
    const double w = ux * uw + 1;
    const double h = uy * uh + 1;
    // A size past what a bitmap can have is a bitmap that can't be made.
    if (!(w <= std::numeric_limits<int>::max()) || !(h <= std::numeric_limits<int>::max()))
        return false;
    if (!canMake || !canMake(static_cast<int>(w), static_cast<int>(h)))
        return false;
    scaleX = sx;
    scaleY = sy;
    unitsPerFolioX = ux;
    unitsPerFolioY = uy;
    return true;
}

bool CR8EditFolioLayout::Fit(int maxX, int maxY, int cw, int ch, double uw, double uh,
                             const BitmapTest& canMake)
{
    maxFoliosX = maxX >= 1 ? maxX : kNoLimit;
    maxFoliosY = maxY >= 1 ? maxY : kNoLimit;
    ResetScales();
    ComputeUnitsPerFolio(uw, uh);
    const bool limitX = maxFoliosX != kNoLimit;
    const bool limitY = maxFoliosY != kNoLimit;
    if (cw <= 0 || ch <= 0)
        return !limitX && !limitY;

    int fx = FolioCountX(cw);
    int fy = FolioCountY(ch);
    if ((!limitX && !limitY) || (fx == maxFoliosX && fy == maxFoliosY))
        return true;

    const auto mayGrow = [&] { return (limitX && fx < maxFoliosX) || (limitY && fy < maxFoliosY); };
    const auto mustShrink = [&]
    { return (limitX && fx > maxFoliosX) || (limitY && fy > maxFoliosY); };
    if (mayGrow())
    {
        if (mustShrink())
            return false;
        for (int z = kFirstZoom; z < kMaxGrowZoom && mayGrow(); ++z)
        {
            if (!TryZoom(z, uw, uh, canMake))
                return false;
            fx = FolioCountX(cw);
            fy = FolioCountY(ch);
        }
        return true;
    }
    for (int z = kFirstZoom; z >= kMinZoom && mustShrink(); --z)
    {
        if (!TryZoom(z, uw, uh, canMake))
            return false;
        fx = FolioCountX(cw);
        fy = FolioCountY(ch);
    }
    return true;
}
