#include "design/PaletteGlyph.h"

#include <array>
#include <cstddef>

namespace {
constexpr int W = 23;
constexpr int H = 24;

// Palette indices; the bottom-left pixel is the glyph's transparent colour, as palettes take it.
enum : uint8_t { Back, Black, Navy, White, Dot, Face };
constexpr std::array<std::array<uint8_t, 3>, 6> Colors{{
    {192, 192, 192},
    {0, 0, 0},
    {0, 0, 128},
    {255, 255, 255},
    {128, 128, 128},
    {255, 255, 192},
}};

using TPixels = std::array<std::array<uint8_t, W>, H>;

void Fill(TPixels& p, int l, int t, int r, int b, uint8_t c) {
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            p[size_t(y)][size_t(x)] = c;
}

void Frame(TPixels& p, int l, int t, int r, int b, uint8_t c) {
    Fill(p, l, t, r, t + 1, c);
    Fill(p, l, b - 1, r, b, c);
    Fill(p, l, t, l + 1, b, c);
    Fill(p, r - 1, t, r, b, c);
}

TPixels Draw() {
    TPixels p{};
    // The window: a black frame, a navy title bar with a white box, a white client.
    Frame(p, 0, 1, W, H - 1, Black);
    Fill(p, 1, 2, W - 1, 6, Navy);
    Fill(p, W - 5, 3, W - 2, 5, White);
    Fill(p, 1, 6, W - 1, H - 2, White);
    for (int y = 8; y < H - 2; y += 3)
        for (int x = 3; x < W - 1; x += 3)
            p[size_t(y)][size_t(x)] = Dot;
    // The selected control and its handles at the corners and the middles of the sides.
    const int l = 5, t = 10, r = 18, b = 19;
    Fill(p, l, t, r, b, Face);
    Frame(p, l, t, r, b, Dot);
    const int xs[] = {l - 1, (l + r) / 2 - 1, r - 2};
    const int ys[] = {t - 1, (t + b) / 2 - 1, b - 2};
    for (int y : ys)
        for (int x : xs)
            if (x != xs[1] || y != ys[1]) Fill(p, x, y, x + 3, y + 3, Black);
    return p;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
} // namespace

std::vector<uint8_t> DesignerPaletteGlyph() {
    const TPixels pixels = Draw();
    constexpr uint32_t stride = (W + 3) / 4 * 4;
    constexpr uint32_t paletteSize = 256 * 4;
    constexpr uint32_t offset = 14 + 40 + paletteSize;
    constexpr uint32_t imageSize = stride * H;
    std::vector<uint8_t> out;
    out.reserve(offset + imageSize);
    // BITMAPFILEHEADER, then BITMAPINFOHEADER of an 8-bit, uncompressed, bottom-up image.
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, W);
    Put32(out, H);
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 256);
    Put32(out, 0);
    for (size_t i = 0; i < 256; ++i) {
        const auto c = i < Colors.size() ? Colors[i] : std::array<uint8_t, 3>{0, 0, 0};
        out.insert(out.end(), {c[2], c[1], c[0], uint8_t{0}});
    }
    for (int y = H - 1; y >= 0; --y) {
        out.insert(out.end(), pixels[size_t(y)].begin(), pixels[size_t(y)].end());
        out.insert(out.end(), stride - W, 0);
    }
    return out;
}
