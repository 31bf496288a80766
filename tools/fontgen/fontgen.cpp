// Cuts the nine display fonts out of an outline face and writes them as stored font tables in C++
// source files, one per font.
//
//   kdr7-fontgen FACE.ttf OUTDIR
//
// Every glyph is rendered in monochrome with the face's own hinting at the font's size, then
// fitted into its cell: placed by its side bearings, narrowed horizontally (never cropped) when its
// ink is wider than the width the screens were laid out with, and flattened vertically when an
// accent or a tall sign would leave the cell. Line-drawing pieces, the empty box and the
// placeholder for unassigned codes are drawn directly.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "font_sizes.h"

namespace {

// A glyph cell: width columns by height rows, one byte per pixel (0 or 1).
struct Cell {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> ink;
    void Resize(int w, int h) {
        width = w;
        height = h;
        ink.assign(size_t(w) * h, 0);
    }
    void Set(int x, int y) {
        if (x >= 0 && x < width && y >= 0 && y < height) ink[size_t(y) * width + x] = 1;
    }
};

// Ink of one rendered glyph, trimmed to the pixels actually set. Columns are relative to the
// glyph origin, rows are heights above the baseline (top = rows above it, counted from 1).
struct Ink {
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    int advance = 0;
    std::vector<uint8_t> bits; // width * rows
};

// Shapes drawn without the face.
enum Drawn : uint32_t {
    DrawnNone = 0,
    DrawnBox = 0x110000,       // empty box
    DrawnPlaceholder,          // code with no character assigned
    DrawnBlank,                // no-break space: as wide as the space, no ink
    DrawnLineBase = 0x110100,  // line-drawing piece; low bits say which arms: 1 left, 2 right,
                               // 4 up, 8 down
    DrawnArrowBase = 0x110200, // arrow; low bits say which heads, as for the line pieces
};

// Codes 0-31 of the two full fonts: line-drawing pieces, arrows, bullets and card signs.
const uint32_t SymbolCodes[32] = {
    DrawnLineBase | 3,
    DrawnLineBase | 12,
    DrawnLineBase | 2 | 8,
    DrawnLineBase | 1 | 8,
    DrawnLineBase | 2 | 4,
    DrawnLineBase | 1 | 4,
    DrawnLineBase | 2 | 12,
    DrawnLineBase | 1 | 12,
    DrawnLineBase | 3 | 8,
    DrawnLineBase | 3 | 4,
    DrawnLineBase | 15,
    DrawnArrowBase | 1,
    DrawnArrowBase | 4,
    DrawnArrowBase | 2,
    DrawnArrowBase | 8,
    DrawnArrowBase | 3,
    DrawnArrowBase | 12,
    0x25B2,
    0x25BA,
    0x25BC,
    0x25C4,
    0x2022,
    0x25E6,
    0x25A0,
    0x25A1,
    0x25CF,
    0x25CB,
    0x2666,
    0x2665,
    0x2660,
    0x2663,
    0x266A,
};

// Codes 128-159 of the Windows Western code page; 0 where the page assigns nothing.
const uint32_t WesternHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

uint32_t CharacterFor(int code, bool fullRange) {
    if (code == 127) return DrawnBox;
    if (code >= 32 && code < 127) return uint32_t(code);
    if (!fullRange) return DrawnPlaceholder;
    if (code < 32) return SymbolCodes[code];
    if (code < 160) return WesternHigh[code - 128] ? WesternHigh[code - 128] : DrawnPlaceholder;
    if (code == 160) return DrawnBlank;
    return uint32_t(code); // the page agrees with Latin-1 from 160 up
}

// The plain letter an accented one is built on, so that it keeps that letter's width.
int BaseLetter(uint32_t ch) {
    static const char* const latin1 = // 192..255
        "AAAAAAACEEEEIIII"
        "DNOOOOO*OUUUUY*s"
        "aaaaaaaceeeeiiii"
        "dnooooo*ouuuuy*y";
    switch (ch) {
    case 0x0160:
        return 'S';
    case 0x0161:
        return 's';
    case 0x017D:
        return 'Z';
    case 0x017E:
        return 'z';
    case 0x0178:
        return 'Y';
    default:
        break;
    }
    if (ch < 192 || ch > 255) return 0;
    if (ch == 0xC6 || ch == 0xE6 || ch == 0xDF || ch == 0xD0 || ch == 0xF0) return 0;
    char c = latin1[ch - 192];
    return c == '*' ? 0 : c;
}

FT_Library Library;
FT_Face Face;

// How a glyph is made to fit its cell. It is first hinted at fewer pixels per em across, which
// keeps its strokes whole and even; only when that is not enough is the hinted outline narrowed.
// The parts above the capitals' height (accents) and below the baseline (descenders) are pressed
// towards them when they would leave the cell.
struct Bend {
    int ppemAcross = 0; // 0: the font's own
    double across = 1.0;
    double above = 1.0;
    double below = 1.0;
};

bool Render(uint32_t ch, const FontSize& f, int baseline, const Bend& bend, Ink& out) {
    FT_UInt index = FT_Get_Char_Index(Face, ch);
    if (index == 0) return false;
    FT_Set_Pixel_Sizes(Face, FT_UInt(bend.ppemAcross ? bend.ppemAcross : f.ppem),
                       FT_UInt(f.ppemHigh));
    if (FT_Load_Glyph(Face, index, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) != 0) return false;
    const FT_GlyphSlot g = Face->glyph;
    out.advance = int((g->advance.x + 32) >> 6);
    const double capHeight = 64.0 * (baseline - f.capTop);
    for (int i = 0; i < g->outline.n_points; ++i) {
        FT_Vector& p = g->outline.points[i];
        p.x = FT_Pos(std::lround(p.x * bend.across));
        if (p.y > capHeight) p.y = FT_Pos(std::lround(capHeight + (p.y - capHeight) * bend.above));
        if (p.y < 0) p.y = FT_Pos(std::lround(p.y * bend.below));
    }
    if (FT_Render_Glyph(g, FT_RENDER_MODE_MONO) != 0) return false;
    const FT_Bitmap& b = g->bitmap;

    // Trim to the set pixels: mono bitmaps may carry empty border rows and columns.
    int x0 = int(b.width), x1 = -1, y0 = int(b.rows), y1 = -1;
    auto bit = [&](int x, int y) {
        return (b.buffer[y * b.pitch + (x >> 3)] >> (7 - (x & 7))) & 1;
    };
    for (int y = 0; y < int(b.rows); ++y)
        for (int x = 0; x < int(b.width); ++x)
            if (bit(x, y)) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    out.bits.clear();
    if (x1 < 0) {
        out.left = out.top = out.width = out.rows = 0;
        return true;
    }
    out.left = g->bitmap_left + x0;
    out.top = g->bitmap_top - y0;
    out.width = x1 - x0 + 1;
    out.rows = y1 - y0 + 1;
    out.bits.assign(size_t(out.width) * out.rows, 0);
    for (int y = 0; y < out.rows; ++y)
        for (int x = 0; x < out.width; ++x)
            out.bits[size_t(y) * out.width + x] = uint8_t(bit(x0 + x, y0 + y));
    return true;
}

// The row just below the baseline: capitals and digits, round ones' overshoot included, end on
// the font's last row of capitals. Fails when their tops then miss the font's first row.
bool FindBaseline(const FontSize& f, int& baseline, std::string& error) {
    const std::string codes =
        f.lastCode >= 'Z' ? "0123456789ABCDEFGHIJKLMNOPRSTUVWXYZ" : "0123456789";
    int above = 0, below = 0;
    for (char c : codes) {
        Ink ink;
        if (!Render(uint32_t(c), f, 0, Bend(), ink)) return false;
        above = std::max(above, ink.top);
        below = std::max(below, ink.rows - ink.top);
    }
    baseline = f.capBottom + 1 - below;
    if (baseline - above != f.capTop) {
        error = std::string(f.name) + ": capitals and digits span rows " +
                std::to_string(baseline - above) + "-" + std::to_string(f.capBottom) +
                " at this size, not from row " + std::to_string(f.capTop);
        return false;
    }
    return true;
}

// Renders a face character into a cell of the given width: its accents and descenders pressed
// until it lies between row 0 and lowestRow, narrowed until it fits the width, and placed keeping
// the proportion of its side bearings.
bool FitCharacter(uint32_t ch, const FontSize& f, int baseline, int width, int lowestRow,
                  Cell& cell) {
    Bend bend;
    Ink ink;
    if (!Render(ch, f, baseline, bend, ink)) return false;
    while (ink.width > width && (bend.ppemAcross ? bend.ppemAcross : f.ppem) > f.ppem * 2 / 3) {
        bend.ppemAcross = (bend.ppemAcross ? bend.ppemAcross : f.ppem) - 1;
        if (!Render(ch, f, baseline, bend, ink)) return false;
    }
    if (ink.width > width) bend.ppemAcross = 0;
    for (int tries = 0; tries < 300; ++tries) {
        const int topRow = baseline - ink.top;
        const int bottomRow = topRow + ink.rows - 1;
        const bool tooHigh = ink.rows > 0 && topRow < 0;
        const bool tooLow = ink.rows > 0 && bottomRow > lowestRow;
        const bool tooWide = ink.width > width;
        if (!tooHigh && !tooLow && !tooWide) break;
        if (tooHigh) bend.above -= 0.02;
        if (tooLow) bend.below -= 0.02;
        if (tooWide) bend.across -= 0.01;
        if (!Render(ch, f, baseline, bend, ink)) return false;
    }
    const int topRow = baseline - ink.top;
    if (ink.width > width || (ink.rows > 0 && (topRow < 0 || topRow + ink.rows - 1 > lowestRow)))
        return false;
    cell.Resize(width, f.height);
    if (ink.rows == 0) return true;

    const int leftBearing = std::max(0, ink.left);
    const int rightBearing = std::max(0, ink.advance - ink.left - ink.width);
    const int room = width - ink.width;
    int left = leftBearing + rightBearing > 0
                   ? int(std::lround(double(room) * leftBearing / (leftBearing + rightBearing)))
                   : room / 2;
    left = std::clamp(left, 0, room);
    for (int y = 0; y < ink.rows; ++y)
        for (int x = 0; x < ink.width; ++x)
            if (ink.bits[size_t(y) * ink.width + x]) cell.Set(left + x, topRow + y);
    return true;
}

int Stroke(const FontSize& f) {
    return std::max(1, int(std::lround(f.ppem / 12.0)));
}

void DrawBox(const FontSize& f, int width, Cell& cell) {
    cell.Resize(width, f.height);
    const int t = Stroke(f);
    const int x0 = 1, x1 = width - 2;
    for (int y = f.capTop; y <= f.capBottom; ++y)
        for (int x = x0; x <= x1; ++x)
            if (y < f.capTop + t || y > f.capBottom - t || x < x0 + t || x > x1 - t) cell.Set(x, y);
}

// A square bracket reaching from the top of the capitals to the baseline: the mark of a code that
// has no character.
void DrawPlaceholder(const FontSize& f, int width, Cell& cell) {
    cell.Resize(width, f.height);
    const int t = Stroke(f);
    const int x0 = 1, x1 = width - 2;
    for (int y = f.capTop; y <= f.capBottom; ++y)
        for (int x = x0; x <= x1; ++x)
            if (y < f.capTop + t || y > f.capBottom - t || x < x0 + t) cell.Set(x, y);
}

// A piece of a line drawing: arms from the centre to the cell's edges, the vertical ones through
// the whole cell height so that pieces stacked row on row join up.
void DrawLinePiece(const FontSize& f, int width, unsigned arms, Cell& cell) {
    cell.Resize(width, f.height);
    const int t = Stroke(f);
    const int cx = (width - t) / 2;
    const int cy = (f.capTop + f.capBottom + 1 - t) / 2;
    if (arms & 1)
        for (int x = 0; x < cx + t; ++x)
            for (int k = 0; k < t; ++k) cell.Set(x, cy + k);
    if (arms & 2)
        for (int x = cx; x < width; ++x)
            for (int k = 0; k < t; ++k) cell.Set(x, cy + k);
    if (arms & 4)
        for (int y = 0; y < cy + t; ++y)
            for (int k = 0; k < t; ++k) cell.Set(cx + k, y);
    if (arms & 8)
        for (int y = cy; y < f.height; ++y)
            for (int k = 0; k < t; ++k) cell.Set(cx + k, y);
}

// A bold arrow the size of a digit (the double one across a half wider): a shaft through the middle
// and a solid head at each end named.
void DrawArrow(const FontSize& f, int width, unsigned heads, Cell& cell) {
    cell.Resize(width, f.height);
    const int t = Stroke(f) + 1;
    const int r0 = f.capTop, r1 = f.capBottom;
    const int cx = (width - t) / 2;
    const int cy = (r0 + r1 + 1 - t) / 2;
    const bool across = heads & 3;
    int head = across ? std::min((width - 1) / 2, (r1 - r0 - t) / 2)
                      : std::min((r1 - r0) / 2, (width - t) / 2);
    // With a head at both ends, leave some shaft between them.
    if ((heads & 3) == 3) head = std::min(head, (width - 2) / 3);
    if ((heads & 12) == 12) head = std::min(head, (r1 - r0 - 1) / 3);
    if (across) {
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < t; ++k) cell.Set(x, cy + k);
        for (int d = 0; d <= head; ++d)
            for (int y = cy - d; y < cy + t + d; ++y) {
                if (heads & 1) cell.Set(d, y);
                if (heads & 2) cell.Set(width - 1 - d, y);
            }
    } else {
        for (int y = r0; y <= r1; ++y)
            for (int k = 0; k < t; ++k) cell.Set(cx + k, y);
        for (int d = 0; d <= head; ++d)
            for (int x = cx - d; x < cx + t + d; ++x) {
                if (heads & 4) cell.Set(x, r0 + d);
                if (heads & 8) cell.Set(x, r1 - d);
            }
    }
}

struct FontGlyphs {
    std::vector<Cell> cells; // firstCode..lastCode
};

bool BuildFont(const FontSize& f, FontGlyphs& out, std::string& error) {
    std::vector<int> listed;
    std::istringstream in(f.widths);
    for (int w; in >> w;) listed.push_back(w);
    const bool fullRange = f.firstCode == 0;
    const int space = listed[0];
    const int digit = listed['0' - 32];
    int baseline;
    if (!FindBaseline(f, baseline, error)) return false;

    for (int code = f.firstCode; code <= f.lastCode; ++code) {
        const uint32_t ch = CharacterFor(code, fullRange);
        const int listedIndex = code - 32;
        const bool printable = listedIndex >= 0 && listedIndex < int(listed.size());
        Cell cell;
        if (ch == DrawnBox) {
            DrawBox(f, digit, cell);
        } else if (ch == DrawnPlaceholder) {
            DrawPlaceholder(f, std::max(f.minWidth, digit * 2 / 3), cell);
        } else if (ch == DrawnBlank) {
            cell.Resize(space, f.height);
        } else if (ch >= DrawnArrowBase) {
            DrawArrow(f, (ch & 15) == 3 ? digit * 3 / 2 : digit, ch & 15, cell);
        } else if (ch >= DrawnLineBase) {
            DrawLinePiece(f, digit, ch & 15, cell);
        } else {
            int width;
            if (printable) {
                width = listed[size_t(listedIndex)];
            } else {
                Ink natural;
                if (!Render(ch, f, baseline, Bend(), natural)) {
                    error = "the face has no glyph for U+" + std::to_string(ch);
                    return false;
                }
                width = natural.advance;
                if (int base = BaseLetter(ch)) width = listed[size_t(base - 32)];
                width = std::clamp(width, f.minWidth, f.maxWidth);
            }
            const int lowest = printable ? f.descenderRow : f.height - 1;
            if (!FitCharacter(ch, f, baseline, width, lowest, cell)) {
                error = "cannot fit code " + std::to_string(code) + " of " + f.name;
                return false;
            }
        }
        out.cells.push_back(cell);
    }
    return true;
}

std::vector<uint8_t> Serialise(const FontSize& f, const FontGlyphs& glyphs) {
    std::vector<uint8_t> t = {0,
                              0,
                              uint8_t(f.firstCode),
                              uint8_t(f.firstCode >> 8),
                              uint8_t(f.lastCode),
                              uint8_t(f.lastCode >> 8),
                              uint8_t(f.style),
                              uint8_t(f.height)};
    uint32_t offset = uint32_t(8 + 4 * glyphs.cells.size());
    for (const Cell& c : glyphs.cells) {
        t.push_back(uint8_t(offset >> 16));
        t.push_back(uint8_t(c.width));
        t.push_back(uint8_t(offset));
        t.push_back(uint8_t(offset >> 8));
        offset += uint32_t((c.width + 7) / 8 * c.height);
    }
    for (const Cell& c : glyphs.cells) {
        const int bytes = (c.width + 7) / 8;
        for (int y = 0; y < c.height; ++y)
            for (int b = 0; b < bytes; ++b) {
                uint8_t v = 0;
                for (int k = 0; k < 8; ++k) {
                    const int x = 8 * b + k;
                    if (x < c.width && c.ink[size_t(y) * c.width + x]) v |= uint8_t(0x80 >> k);
                }
                t.push_back(v);
            }
    }
    return t;
}

std::string CodeLabel(int code) {
    if (code > 32 && code < 127 && code != '\\') return std::string("'") + char(code) + "'";
    return std::to_string(code);
}

bool WriteSource(const std::string& path, const std::string& commandLine, const FontSize& f,
                 const FontGlyphs& glyphs, const std::vector<uint8_t>& table) {
    FILE* out = std::fopen(path.c_str(), "w");
    if (!out) return false;
    // Generated bytes are not reformatted: the regeneration check compares them as written.
    std::fprintf(out, "// clang-format off\n// Generated by: %s\n", commandLine.c_str());
    std::fprintf(out,
                 "// Liberation Sans Bold at %d pixels per em across, %d upwards (SIL Open Font "
                 "License 1.1, see FONTS-LICENSE.md).\n",
                 f.ppem, f.ppemHigh);
    std::fprintf(out, "#include \"graphics/data/fonts.h\"\n\n");
    std::fprintf(out, "const uint8_t %s[] = {\n", f.name);
    auto bytes = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; i += 16) {
            std::fprintf(out, "   ");
            for (size_t j = i; j < std::min(to, i + 16); ++j) std::fprintf(out, " %u,", table[j]);
            std::fprintf(out, "\n");
        }
    };
    std::fprintf(out, "    // first code %d, last code %d, style %d, height %d\n", f.firstCode,
                 f.lastCode, f.style, f.height);
    bytes(0, 8);
    std::fprintf(out, "    // glyph entries: offset bits 16-23, width, offset bits 0-7, 8-15\n");
    bytes(8, 8 + 4 * glyphs.cells.size());
    size_t at = 8 + 4 * glyphs.cells.size();
    for (size_t i = 0; i < glyphs.cells.size(); ++i) {
        const Cell& c = glyphs.cells[i];
        const size_t n = size_t((c.width + 7) / 8 * c.height);
        std::fprintf(out, "    // %s, width %d\n", CodeLabel(f.firstCode + int(i)).c_str(),
                     c.width);
        bytes(at, at + n);
        at += n;
    }
    std::fprintf(out, "};\nconst uint32_t %sSize = sizeof %s;\n", f.name, f.name);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kdr7-fontgen FACE.ttf OUTDIR\n");
        return 2;
    }
    // The command line as it is recorded in the files: the program by its name, so that the
    // output does not depend on the build directory it ran from.
    std::string program = argv[0];
    program = program.substr(program.find_last_of('/') + 1);
    const std::string commandLine = program + " " + argv[1] + " " + argv[2];

    if (FT_Init_FreeType(&Library) != 0) return 1;
    if (FT_New_Face(Library, argv[1], 0, &Face) != 0) {
        std::fprintf(stderr, "kdr7-fontgen: cannot open the face %s\n", argv[1]);
        return 1;
    }
    for (const FontSize& f : FontSizes) {
        FontGlyphs glyphs;
        std::string error;
        if (!BuildFont(f, glyphs, error)) {
            std::fprintf(stderr, "kdr7-fontgen: %s\n", error.c_str());
            return 1;
        }
        const std::string path = std::string(argv[2]) + "/" + f.file;
        if (!WriteSource(path, commandLine, f, glyphs, Serialise(f, glyphs))) {
            std::fprintf(stderr, "kdr7-fontgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    FT_Done_Face(Face);
    FT_Done_FreeType(Library);
    return 0;
}
