// The run-length decoder. The stream is pulled through one 128-byte page at a time, so drawing
// a picture never needs a buffer of the picture's size; pixels are written as they are decoded.
#include "graphics/rle.h"

#include <cstring>

#include "graphics/framebuffer.h"

namespace {

constexpr uint32_t RlePageSize = 128;
constexpr uint32_t RleHeaderSize = 4;

// Overwritten by every call; nothing of it means anything between calls.
struct RleReaderRecord {
    uint16_t Width;
    uint16_t Height;
    uint8_t RlePage[RlePageSize];
    uint8_t ReadPos;    // next byte of RlePage to take
    uint8_t Used;       // bytes taken from the current page (0..128)
    uint8_t PageBytes;  // bytes of the current page that exist in the stored image
    uint32_t StreamPos; // offset in the image of the next page
};
RleReaderRecord RleReader;

// Copies only the bytes the image really has: its last page is usually short. False once the
// stream is exhausted.
bool FetchPage(const RleImage& image) {
    if (RleReader.StreamPos >= image.Size) return false;
    const uint32_t left = image.Size - RleReader.StreamPos;
    const uint32_t count = left < RlePageSize ? left : RlePageSize;
    memcpy(RleReader.RlePage, image.Data + RleReader.StreamPos, count);
    RleReader.PageBytes = uint8_t(count);
    RleReader.ReadPos = 0;
    RleReader.Used = 0;
    RleReader.StreamPos += RlePageSize;
    return true;
}

// Makes at least one byte available in the page, fetching the next page only when the current
// one is used up. False when the stream has ended.
inline bool ByteAvailable(const RleImage& image) {
    if (RleReader.Used == RlePageSize && !FetchPage(image)) return false;
    return RleReader.Used < RleReader.PageBytes;
}

inline bool FetchByte(const RleImage& image, uint8_t& value) {
    if (!ByteAvailable(image)) return false;
    value = RleReader.RlePage[RleReader.ReadPos++];
    ++RleReader.Used;
    return true;
}

// Writes n pixels of one row starting at column x; columns wrap in 16 bits like every screen
// coordinate, and each pixel is clipped on its own. With source null all n are colour.
void PutSpan(uint16_t x, ColorIndex* row, const uint8_t* source, ColorIndex colour, uint32_t n) {
    uint32_t first, last, screenX; // pixels first..last-1 of the span land at screenX..
    if (x < ScreenWidth) {
        first = 0;
        screenX = x;
    } else {
        first = 0x10000u - x; // the span reaches column 0 after wrapping
        screenX = 0;
    }
    if (first >= n) return;
    last = first + (ScreenWidth - screenX);
    if (last > n) last = n;
    if (source) {
        memcpy(row + screenX, source + first, last - first);
    } else {
        memset(row + screenX, colour, last - first);
    }
}

} // namespace

void DrawRleImage(uint16_t x, uint16_t y, const RleImage& image) {
    if (image.Data == nullptr || image.Size < RleHeaderSize) return;
    RleReader.Width = uint16_t(image.Data[0] | image.Data[1] << 8);
    RleReader.Height = uint16_t(image.Data[2] | image.Data[3] << 8);
    // An empty picture has nothing to draw; decoding it anyway would paint a row or a token
    // that the picture does not have.
    if (RleReader.Width == 0 || RleReader.Height == 0) return;
    RleReader.StreamPos = RleHeaderSize;
    if (!FetchPage(image)) return;

    uint32_t row = 0;
    do {
        const uint16_t screenY = uint16_t(y + row);
        ColorIndex* line = screenY < ScreenHeight ? FrameBuffer + screenY * ScreenWidth : nullptr;
        uint32_t col = 0;
        do {
            uint8_t n;
            if (!FetchByte(image, n)) return;
            if (n >= 128) {
                uint8_t v;
                if (!FetchByte(image, v)) return;
                const uint32_t count = n - 128u;
                if (line) PutSpan(uint16_t(x + col), line, nullptr, v, count);
                col += count;
            } else {
                // A literal may continue on the next page: copy it page piece by page piece.
                uint32_t left = n;
                while (left > 0) {
                    if (!ByteAvailable(image)) return;
                    uint32_t piece = uint32_t(RleReader.PageBytes - RleReader.Used);
                    if (piece > left) piece = left;
                    if (line)
                        PutSpan(uint16_t(x + col), line, RleReader.RlePage + RleReader.ReadPos, 0,
                                piece);
                    RleReader.ReadPos = uint8_t(RleReader.ReadPos + piece);
                    RleReader.Used = uint8_t(RleReader.Used + piece);
                    col += piece;
                    left -= piece;
                }
            }
        } while (col < RleReader.Width);
        ++row;
    } while (row < RleReader.Height);
}
