#include "png.h"

#include <cstdio>

#include <zlib.h>

#include "graphics/framebuffer.h"
#include "shell/core/palette.h"

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
    Put32(out, uint32_t(body.size()));
    std::vector<uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    out.insert(out.end(), typed.begin(), typed.end());
    Put32(out, uint32_t(crc32(0, typed.data(), uInt(typed.size()))));
}

} // namespace

bool WritePngRgb(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    std::vector<uint8_t> raw; // filter byte 0 before every row
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgb.begin() + size_t(y) * width * 3,
                   rgb.begin() + size_t(y + 1) * width * 3);
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<uint8_t> z(packedSize);
    if (compress2(z.data(), &packedSize, raw.data(), uLong(raw.size()), 9) != Z_OK) return false;
    z.resize(packedSize);

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    Put32(ihdr, uint32_t(width));
    Put32(ihdr, uint32_t(height));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, no interlace
    Chunk(png, "IHDR", ihdr);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", {});

    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = fwrite(png.data(), 1, png.size(), f) == png.size();
    return fclose(f) == 0 && ok;
}

bool WriteFramePng(const std::string& path, int scale) {
    const int w = ScreenWidth * scale, h = ScreenHeight * scale;
    std::vector<uint8_t> rgb(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const ColorIndex c = FrameBuffer[x / scale + (y / scale) * ScreenWidth];
            const uint32_t v = c < PaletteSize ? Palette[c] : 0;
            uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
            p[0] = uint8_t(v >> 16);
            p[1] = uint8_t(v >> 8);
            p[2] = uint8_t(v);
        }
    return WritePngRgb(path, w, h, rgb);
}
