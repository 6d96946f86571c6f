// How an editor's content is cut into printed folios: the printer's
// resolution and folio size, how many content units (for the chart, cells)
// fit on one folio, how many folios the content needs, and how to fit the
// content to a given number of folios by scaling. Pure arithmetic: the one
// question for the system (can a folio bitmap of some size be made) is asked
// through a callback, so the layout builds and is tested without a window.
#pragma once

#include <functional>

// A rectangle of content units, half-open (right and bottom excluded).
struct R8FolioRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class CR8EditFolioLayout
{
public:
    static constexpr int kDefaultPrinterDpi = 600;
    static constexpr int kNoLimit = -1;

    // Answers whether a bitmap of this many pixels can be made.
    using BitmapTest = std::function<bool(int width, int height)>;

    // The screen's logical resolution, read once by the owner.
    CR8EditFolioLayout(int screenDpiX, int screenDpiY);

    // Stores the printer and sets the scales from it; the owner recomputes
    // the units per folio afterwards.
    void SetPrinter(int dpiX, int dpiY, int folioWidth, int folioHeight);
    // Units per folio for a unit of this many content pixels.
    void ComputeUnitsPerFolio(double unitWidth, double unitHeight);

    // Folios needed for n units (rounded up); 0 while a folio holds none.
    int FolioCountX(int units) const { return FolioCount(units, unitsPerFolioX); }
    int FolioCountY(int units) const { return FolioCount(units, unitsPerFolioY); }
    // Folio (x, y) in units, its right and bottom kept within the limits.
    R8FolioRect FolioRect(int x, int y, int limitX, int limitY) const;
    // Folio (x, y) in units with no limit.
    R8FolioRect FolioRect(int x, int y) const;
    // Printer dots of a picture of w x h content pixels, at most one folio.
    void PrinterSize(int width, int height, int& printerWidth, int& printerHeight) const;

    // Folio boundaries are shown while asked for, not printing and no
    // AdjustFolio limit is set.
    bool IsDisplayFolio() const;
    void SetDisplayFolio(bool display) { displayFolio = display; }
    void SetPrinting(bool on) { printing = on; }
    bool IsPrinting() const { return printing; }
    void ForceZoom(bool force, int zoom);

    // Fits content of cw x ch units of uw x uh pixels to at most maxX x maxY
    // folios (below 1: no limit in that direction) by scaling the print.
    // False when a folio bitmap of a needed size can't be made, or when one
    // direction would have to grow and the other shrink.
    bool Fit(int maxX, int maxY, int cw, int ch, double uw, double uh, const BitmapTest& canMake);

    // Every unitsPerFolio x 100 / printZoom-th column and row carries a
    // boundary on screen; 0 in a direction where none is drawn.
    int FrameStepX() const { return FrameStep(unitsPerFolioX); }
    int FrameStepY() const { return FrameStep(unitsPerFolioY); }

    int GetPrinterDpiX() const { return printerDpiX; }
    int GetPrinterDpiY() const { return printerDpiY; }
    int GetScreenDpiX() const { return screenDpiX; }
    int GetScreenDpiY() const { return screenDpiY; }
    int GetFolioWidth() const { return folioWidth; }
    int GetFolioHeight() const { return folioHeight; }
    int GetMaxFoliosX() const { return maxFoliosX; }
    int GetMaxFoliosY() const { return maxFoliosY; }
    double GetScaleX() const { return scaleX; }
    double GetScaleY() const { return scaleY; }
    int GetUnitsPerFolioX() const { return unitsPerFolioX; }
    int GetUnitsPerFolioY() const { return unitsPerFolioY; }
    bool IsForceZoom() const { return forceZoom; }
    int GetPrintZoom() const { return printZoom; }

private:
    static int FolioCount(int units, int perFolio);
    // Units of unitSize pixels on a folio of folioSize dots at scale dots per pixel.
    static int UnitsPerFolio(int folioSize, double scale, double unitSize);
    static double Ratio(int printerDpi, int screenDpi);
    int FrameStep(int units) const;
    void ResetScales();
    // One step of the zoom walk: the scales and units at z percent, kept
    // when the folio bitmap can be made.
    bool TryZoom(int z, double uw, double uh, const BitmapTest& canMake);

    int printerDpiX = kDefaultPrinterDpi;
    int printerDpiY = kDefaultPrinterDpi;
    int screenDpiX;
    int screenDpiY;
    int folioWidth = 0;
    int folioHeight = 0;
    int maxFoliosX = kNoLimit;
    int maxFoliosY = kNoLimit;
    double scaleX = 0;
    double scaleY = 0;
    int unitsPerFolioX = 0;
    int unitsPerFolioY = 0;
    bool printing = false;
    bool displayFolio = false;
    bool forceZoom = false;
    int printZoom = 100;
};
