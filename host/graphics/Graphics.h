#pragma once
// Drawing: colours, fonts, pens, brushes, the canvas, and raster graphics held by pictures.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/core/Component.h"
#include "host/core/Event.h"
#include "host/core/Set.h"
#include "host/core/SysUtils.h"
#include "host/core/TypInfo.h"
#include "host/core/Types.h"
#include "host/graphics/Gdi.h"

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};
class EInvalidGraphicOperation : public Exception {
public:
    using Exception::Exception;
};

// ---- Colours ------------------------------------------------------------------------------

/// A colour as the platform stores it: $00BBGGRR, or a system colour (high bit set, the low
/// byte indexes the system palette), or one of the special values clNone and clDefault.
using TColor = int32_t;

inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);

inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clBackground = clSystemColor | 1;
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clMenuText = clSystemColor | 7;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clActiveBorder = clSystemColor | 10;
inline constexpr TColor clInactiveBorder = clSystemColor | 11;
inline constexpr TColor clAppWorkSpace = clSystemColor | 12;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;
inline constexpr TColor clHotLight = clSystemColor | 26;
inline constexpr TColor clGradientActiveCaption = clSystemColor | 27;
inline constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
inline constexpr TColor clMenuHighlight = clSystemColor | 29;
inline constexpr TColor clMenuBar = clSystemColor | 30;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clLtGray = 0xC0C0C0;
inline constexpr TColor clDkGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

/// The $00BBGGRR value of a colour; system colours resolve through the application palette.
int32_t ColorToRGB(TColor color);
/// "clRed" for a named colour, "$00C08040" otherwise.
std::string ColorToString(TColor color);
/// Accepts a colour name (any letter case), "$hex" or decimal; EConvertError otherwise.
TColor StringToColor(const std::string& text);
bool ColorToIdent(int32_t color, std::string& ident);
bool IdentToColor(const std::string& ident, int32_t& color);
/// Calls proc with each colour name, in the order an inspector lists them.
void GetColorValues(const std::function<void(const std::string&)>& proc);

struct TIdentMapEntry {
    int32_t Value;
    const char* Name;
};
/// The colour-name table behind the four functions above.
const std::vector<TIdentMapEntry>& ColorIdents();

inline int GetRValue(int32_t rgb) {
    return rgb & 0xFF;
}
inline int GetGValue(int32_t rgb) {
    return (rgb >> 8) & 0xFF;
}
inline int GetBValue(int32_t rgb) {
    return (rgb >> 16) & 0xFF;
}

// ---- Fonts, pens and brushes --------------------------------------------------------------

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = uint8_t;
using TFontName = std::string;

inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SYMBOL_CHARSET = 2;
inline constexpr TFontCharset MAC_CHARSET = 77;
inline constexpr TFontCharset SHIFTJIS_CHARSET = 128;
inline constexpr TFontCharset HANGEUL_CHARSET = 129;
inline constexpr TFontCharset JOHAB_CHARSET = 130;
inline constexpr TFontCharset GB2312_CHARSET = 134;
inline constexpr TFontCharset CHINESEBIG5_CHARSET = 136;
inline constexpr TFontCharset GREEK_CHARSET = 161;
inline constexpr TFontCharset TURKISH_CHARSET = 162;
inline constexpr TFontCharset VIETNAMESE_CHARSET = 163;
inline constexpr TFontCharset HEBREW_CHARSET = 177;
inline constexpr TFontCharset ARABIC_CHARSET = 178;
inline constexpr TFontCharset BALTIC_CHARSET = 186;
inline constexpr TFontCharset RUSSIAN_CHARSET = 204;
inline constexpr TFontCharset THAI_CHARSET = 222;
inline constexpr TFontCharset EASTEUROPE_CHARSET = 238;
inline constexpr TFontCharset OEM_CHARSET = 255;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

ZK_DECLARE_TYPEINFO(TFontStyle)
ZK_DECLARE_TYPEINFO(TFontStyles)
ZK_DECLARE_TYPEINFO(TFontPitch)
ZK_DECLARE_TYPEINFO(TPenStyle)
ZK_DECLARE_TYPEINFO(TPenMode)
ZK_DECLARE_TYPEINFO(TBrushStyle)

namespace TypeInfos {
const TTypeInfo* TFontCharset();
const TTypeInfo* TFontName();
} // namespace TypeInfos

/// The screen resolution the framework assumes when it converts points to pixels.
inline constexpr int ScreenPixelsPerInch = 96;

/// Base of fonts, pens and brushes: a value object that reports each change through OnChange.
class TGraphicsObject : public TPersistent {
    ZK_CLASS(TGraphicsObject, TPersistent)
    TNotifyEvent OnChange;

    using TChangeNotify = void (*)(void* Owner, TObject* Sender);
    /// Tells the object's owner (a canvas, a control) of every change, before OnChange. Every
    /// canvas and control owns such objects, and a bound event would cost each of them a
    /// block of its own; OnChange stays free for whoever else wants to hear.
    void SetChangeNotify(TChangeNotify Notify, void* Owner) {
        FNotify = Notify;
        FNotifyOwner = Owner;
    }

protected:
    virtual void Changed();

private:
    TChangeNotify FNotify = nullptr;
    void* FNotifyOwner = nullptr;
};

/// A font description; Height is in pixels (negative: character height without leading).
class TFont : public TGraphicsObject {
    ZK_CLASS(TFont, TGraphicsObject)
    TFont();
    ~TFont() override;

    void Assign(TPersistent* source) override;
    /// Whether Assign(other) would leave this font as it is.
    bool SameAs(const TFont& other) const;

    const TFontName& Name() const { return FName; }
    void SetName(const TFontName& value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    /// Points at ScreenPixelsPerInch: Size = -Height * 72 / 96, rounded.
    int Size() const;
    void SetSize(int value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch value);
    int PixelsPerInch() const { return ScreenPixelsPerInch; }

    /// A font object describing this font, owned by the font.
    HFONT Handle() const;
    /// Takes the description of a font object (and its ownership).
    void SetHandle(HFONT value);

private:
    void FreeHandle() const;
    TFontName FName;
    int FHeight;
    TFontStyles FStyle;
    TColor FColor;
    TFontCharset FCharset;
    TFontPitch FPitch;
    mutable HFONT FHandle = nullptr;
};

/// A pen description: colour, width, dash style and raster mode.
class TPen : public TGraphicsObject {
    ZK_CLASS(TPen, TGraphicsObject)
    TPen();
    ~TPen() override;

    void Assign(TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);

    /// A pen object describing this pen (mode aside), owned by the pen.
    HPEN Handle() const;
    /// Adopts a pen object, e.g. one from ExtCreatePen with a user dash pattern: the pen
    /// draws with it and deletes it when the pen changes or goes.
    void SetHandle(HPEN value);

private:
    void FreeHandle() const;
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
    mutable HPEN FHandle = nullptr;
};

/// A brush description: fill colour and pattern.
class TBrush : public TGraphicsObject {
    ZK_CLASS(TBrush, TGraphicsObject)
    TBrush();
    ~TBrush() override;

    void Assign(TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);

    /// A brush object describing this brush, owned by the brush.
    HBRUSH Handle() const;
    /// Adopts a brush object (a stock object is used, never deleted).
    void SetHandle(HBRUSH value);

private:
    void FreeHandle() const;
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    mutable HBRUSH FHandle = nullptr;
};

// ---- The canvas ---------------------------------------------------------------------------

class TGraphic;
class TStream;

/// Raster operations of Draw and CopyRect (the platform's ternary ROP codes).
using TCopyMode = int32_t;
inline constexpr TCopyMode cmBlackness = 0x00000042;
inline constexpr TCopyMode cmDstInvert = 0x00550009;
inline constexpr TCopyMode cmMergeCopy = 0x00C000CA;
inline constexpr TCopyMode cmMergePaint = 0x00BB0226;
inline constexpr TCopyMode cmNotSrcCopy = 0x00330008;
inline constexpr TCopyMode cmNotSrcErase = 0x001100A6;
inline constexpr TCopyMode cmPatCopy = 0x00F00021;
inline constexpr TCopyMode cmPatInvert = 0x005A0049;
inline constexpr TCopyMode cmPatPaint = 0x00FB0A09;
inline constexpr TCopyMode cmSrcAnd = 0x008800C6;
inline constexpr TCopyMode cmSrcCopy = 0x00CC0020;
inline constexpr TCopyMode cmSrcErase = 0x00440328;
inline constexpr TCopyMode cmSrcInvert = 0x00660046;
inline constexpr TCopyMode cmSrcPaint = 0x00EE0086;
inline constexpr TCopyMode cmWhiteness = 0x00FF0062;

/// Draws with its Pen, Brush and Font on a device context (Handle): a window's, a bitmap's
/// or the screen's. The drawing surface opens lazily on the first drawing call.
class TCanvas : public TPersistent {
    ZK_CLASS(TCanvas, TPersistent)
    TCanvas();
    ~TCanvas() override;

    TFont* Font() const { return FFont; }
    void SetFont(TFont* value) { FFont->Assign(value); }
    TPen* Pen() const { return FPen; }
    void SetPen(TPen* value) { FPen->Assign(value); }
    TBrush* Brush() const { return FBrush; }
    void SetBrush(TBrush* value) { FBrush->Assign(value); }
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint value);
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }

    /// The device context; a canvas that makes its own (a bitmap's) makes it now.
    HDC Handle();
    /// Binds the canvas to a device context it does not own (null unbinds).
    void SetHandle(HDC value);
    bool HandleAllocated() const { return FHandle != nullptr; }
    /// The part of the surface that drawing can reach, in the canvas's coordinates.
    TRect ClipRect();

    void MoveTo(int X, int Y);
    /// Draws from PenPos up to, but not including, (X, Y).
    void LineTo(int X, int Y);
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);
    /// Outline with the pen, inside filled with the brush; X2 and Y2 are exclusive.
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    /// Fills with the brush alone.
    void FillRect(const TRect& r);
    /// A one-pixel border in the brush colour.
    void FrameRect(const TRect& r);
    /// Text in the font colour with its top-left at (X, Y); the text cell is filled with the
    /// brush colour unless the brush is bsClear.
    void TextOut(int X, int Y, const std::string& Text);
    /// TextOut clipped to r.
    void TextRect(const TRect& r, int X, int Y, const std::string& Text);
    TSize TextExtent(const std::string& Text);
    int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
    int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }
    void Draw(int X, int Y, TGraphic* graphic);
    void StretchDraw(const TRect& r, TGraphic* graphic);
    /// Copies source's dest-sized part of canvas with CopyMode.
    void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);
    TColor Pixels(int X, int Y);
    void SetPixels(int X, int Y, TColor color);

    void Lock() {}
    void Unlock() {}
    bool TryLock() { return true; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    /// Makes a device context for a canvas that has none yet; the base class makes none.
    virtual void CreateHandle() {}
    void Changing();
    void Changed();

private:
    friend class TGraphic;
    friend class TBitmap;
    /// Selects what the next drawing needs into the device context.
    HDC RequireState(bool pen, bool brush, bool font);

    HDC FHandle = nullptr;
    TFont* FFont;
    TPen* FPen;
    TBrush* FBrush;
    TPoint FPenPos;
    TCopyMode FCopyMode = cmSrcCopy;
    bool FPenValid = false;
    bool FBrushValid = false;
    bool FFontValid = false;
};

/// Draws Width nested one-pixel frames inside Rect, top and left edges in TopColor, bottom and
/// right edges in BottomColor, and shrinks Rect by Width on every side.
void DrawFrame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
/// The two-pixel sunken border of a bsSingle container (panel, scroll box, grid); shrinks Rect.
void DrawSunkenEdge(TCanvas* Canvas, TRect& Rect);

// ---- Graphics and pictures ----------------------------------------------------------------

/// A drawable image of some format that loads from and saves to files and bytes.
class TGraphic : public TPersistent {
    ZK_CLASS(TGraphic, TPersistent)
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual int Height() const = 0;
    virtual void SetHeight(int value) = 0;
    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value);

    /// EFOpenError when the file cannot be read, EInvalidGraphic when it is not an image
    /// of a readable format.
    virtual void LoadFromFile(const std::string& fileName);
    /// EFCreateError when the file cannot be written.
    virtual void SaveToFile(const std::string& fileName);
    /// The graphic as the bytes of its file format (what SaveToFile writes).
    virtual std::vector<uint8_t> SaveToBytes() const = 0;
    virtual void LoadFromBytes(const std::vector<uint8_t>& bytes) = 0;
    /// Reads the graphic from the stream's position to its end.
    virtual void LoadFromStream(TStream* stream);
    /// Writes what SaveToBytes gives at the stream's position.
    virtual void SaveToStream(TStream* stream);
    /// File extension of the graphic's own format, without the dot ("bmp", "png", "jpg").
    virtual std::string DefaultExtension() const = 0;
    /// Streams the image as the binary property "Data": a 32-bit byte count, then the bytes
    /// of its file format (GraphicsFiler.cpp).
    void DefineProperties(TFiler* Filer) override;

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    /// Draws the graphic stretched into r of the canvas.
    virtual void Draw(TCanvas* canvas, const TRect& r) = 0;
    virtual void Changed();

private:
    bool FTransparent = false;
    bool FModified = false;
};
using TGraphicClass = TClass;

enum TPixelFormat {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};
enum TTransparentMode { tmAuto, tmFixed };
ZK_DECLARE_TYPEINFO(TPixelFormat)
ZK_DECLARE_TYPEINFO(TTransparentMode)

/// A raster image with its own canvas; saves as BMP. A monochrome bitmap drawn on a canvas
/// shows the canvas's brush colour where it is white and its font colour where it is black.
class TBitmap : public TGraphic {
    ZK_CLASS(TBitmap, TGraphic)
    TBitmap();
    ~TBitmap() override;

    void Assign(TPersistent* source) override;

    bool Empty() const override;
    int Width() const override;
    void SetWidth(int value) override;
    int Height() const override;
    void SetHeight(int value) override;
    void SetSize(int width, int height);
    TCanvas* Canvas();
    bool Monochrome() const { return FPixelFormat == pf1bit; }
    void SetMonochrome(bool value);
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat value);
    /// The colour drawn as transparent: TransparentColor when fixed, else the bottom-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value);

    /// The bitmap object holding the pixels, owned by the bitmap.
    HBITMAP Handle() const;
    /// Adopts a bitmap object.
    void SetHandle(HBITMAP value);
    /// Gives the bitmap object away; the bitmap keeps a copy of the pixels.
    HBITMAP ReleaseHandle();
    void Dormant() {}
    void FreeImage() {}

    std::vector<uint8_t> SaveToBytes() const override;
    void LoadFromBytes(const std::vector<uint8_t>& bytes) override;
    std::string DefaultExtension() const override { return "bmp"; }

protected:
    void Draw(TCanvas* canvas, const TRect& r) override;
    /// The Qt image format name written by SaveToBytes.
    virtual const char* SaveFormat() const { return "BMP"; }
    /// Ends drawing by the bitmap's own canvas, so that its pixels are complete.
    void Flush() const;
    void NewImage(int width, int height);
    /// The pixels in the Qt image format named by SaveFormat; quality -1 is the default.
    std::vector<uint8_t> EncodeImage(int quality) const;

private:
    friend class TBitmapCanvas;
    mutable HBITMAP FHandle = nullptr;
    TCanvas* FCanvas = nullptr;
    TPixelFormat FPixelFormat = pfDevice;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
    /// The size asked for while one side is 0 and there are no pixels yet, so that setting
    /// Width and then Height of an empty bitmap gives it both.
    TSize FEmptySize;
};

/// A bitmap that loads and saves in the PNG format.
class TPngImage : public TBitmap {
    ZK_CLASS(TPngImage, TBitmap)
    std::string DefaultExtension() const override { return "png"; }

protected:
    const char* SaveFormat() const override { return "PNG"; }
};

/// A bitmap that loads and saves in the JPEG format.
class TJPEGImage : public TBitmap {
    ZK_CLASS(TJPEGImage, TBitmap)
    int CompressionQuality() const { return FQuality; }
    void SetCompressionQuality(int value) { FQuality = value; }
    std::vector<uint8_t> SaveToBytes() const override;
    std::string DefaultExtension() const override { return "jpg"; }

protected:
    const char* SaveFormat() const override { return "JPEG"; }

private:
    int FQuality = 90;
};

/// Holds one graphic of any registered class; chooses the class by file extension.
class TPicture : public TPersistent {
    ZK_CLASS(TPicture, TPersistent)
    TPicture();
    ~TPicture() override;

    void Assign(TPersistent* source) override;

    /// The graphic held, or null.
    TGraphic* Graphic() const { return FGraphic; }
    /// Holds a copy of value (a new graphic of its class); null empties the picture.
    void SetGraphic(TGraphic* value);
    /// The graphic when it is a bitmap; otherwise replaces it with an empty bitmap first.
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* value) { SetGraphic(value); }
    int Width() const;
    int Height() const;

    /// EInvalidGraphic for an extension no registered class reads, EFOpenError for a
    /// missing file, EInvalidGraphic for a damaged one; the picture keeps its graphic then.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    /// The picture as streamed: the graphic's class name as a short string (length byte,
    /// then the name; an empty name for no graphic), a 32-bit little-endian byte count,
    /// then the graphic's file bytes.
    std::vector<uint8_t> SaveToData() const;
    /// Reads what SaveToData wrote; EInvalidGraphic for an unknown class or bad bytes.
    void LoadFromData(const std::vector<uint8_t>& data);
    /// SaveToData written at the stream's position, and LoadFromData of the rest of a stream:
    /// the picture's binary property in a component stream.
    void WriteData(TStream* stream) const;
    void ReadData(TStream* stream);
    /// Streams the graphic as the binary defined property "Data" (GraphicsStreaming.cpp).
    void DefineProperties(TFiler* Filer) override;

    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   TGraphicClass graphicClass);
    static void UnregisterGraphicClass(TGraphicClass graphicClass);
    /// The registered class for a file extension (without dot, any letter case), or null.
    static TGraphicClass FileFormatClass(const std::string& extension);

    TNotifyEvent OnChange;

protected:
    void Changed(TObject* sender = nullptr);

private:
    void Adopt(TGraphic* graphic);
    TGraphic* FGraphic = nullptr;
};

/// A file-dialog filter listing the registered formats that graphicClass (or a descendant)
/// reads: "所有图片 (*.bmp;*.png;...)|*.bmp;*.png;...|位图 (*.bmp)|*.bmp|...".
std::string GraphicFilter(TGraphicClass graphicClass);
