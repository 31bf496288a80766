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

// The read position is kept in registers while a picture is decoded and handed back to the
// reader at page changes and at the end; pixel writes would otherwise force it to be reloaded
// from memory at every token.
struct ReadCursor {
    const uint8_t* At;  // next byte to take
    const uint8_t* End; // end of the bytes of the current page
};

void SaveCursor(const ReadCursor& cursor) {
    RleReader.ReadPos = uint8_t(cursor.At - RleReader.RlePage);
    RleReader.Used = RleReader.ReadPos;
}

// Called when the current page has no byte left: the next page is fetched only now, and only
// if the current one was a full page. False when the stream has ended.
bool NextPage(const RleImage& image, ReadCursor& cursor) {
    SaveCursor(cursor);
    if (RleReader.Used != RlePageSize || !FetchPage(image)) return false;
    cursor.At = RleReader.RlePage;
    cursor.End = RleReader.RlePage + RleReader.PageBytes;
    return true;
}

// Short spans are the rule (most runs are a few pixels): fill and copy them with a few
// overlapping word stores instead of the string instructions the library would use.
inline void FillShort(ColorIndex* dst, ColorIndex colour, uint32_t n) {
    if (n >= 8) {
        const uint64_t word = 0x0101010101010101ull * colour;
        for (uint32_t i = 0; i + 8 < n; i += 8) memcpy(dst + i, &word, 8);
        memcpy(dst + n - 8, &word, 8);
    } else if (n >= 4) {
        const uint32_t word = 0x01010101u * colour;
        memcpy(dst, &word, 4);
        memcpy(dst + n - 4, &word, 4);
    } else {
        for (uint32_t i = 0; i < n; ++i) dst[i] = colour;
    }
}

inline void CopyShort(ColorIndex* dst, const uint8_t* src, uint32_t n) {
    if (n >= 8) {
        for (uint32_t i = 0; i + 8 < n; i += 8) memcpy(dst + i, src + i, 8);
        memcpy(dst + n - 8, src + n - 8, 8);
    } else if (n >= 4) {
        uint32_t head, tail;
        memcpy(&head, src, 4);
        memcpy(&tail, src + n - 4, 4);
        memcpy(dst, &head, 4);
        memcpy(dst + n - 4, &tail, 4);
    } else {
        for (uint32_t i = 0; i < n; ++i) dst[i] = src[i];
    }
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

    ReadCursor cursor = {RleReader.RlePage, RleReader.RlePage + RleReader.PageBytes};
    const uint32_t width = RleReader.Width, height = RleReader.Height;
    uint32_t row = 0;
    do {
        const uint16_t screenY = uint16_t(y + row);
        ColorIndex* line = screenY < ScreenHeight ? FrameBuffer + screenY * ScreenWidth : nullptr;
        uint32_t col = 0;
        do {
            if (cursor.At == cursor.End && !NextPage(image, cursor)) return;
            const uint8_t n = *cursor.At++;
            if (n >= 128) {
                if (cursor.At == cursor.End && !NextPage(image, cursor)) return;
                const uint8_t v = *cursor.At++;
                const uint32_t count = n - 128u;
                if (line) {
                    const uint32_t sx = x + col;
                    if (sx + count <= ScreenWidth) {
                        FillShort(line + sx, v, count);
                    } else {
                        PutSpan(uint16_t(sx), line, nullptr, v, count);
                    }
                }
                col += count;
            } else {
                // A literal may continue on the next page: copy it page piece by page piece.
                uint32_t left = n;
                while (left > 0) {
                    if (cursor.At == cursor.End && !NextPage(image, cursor)) return;
                    uint32_t piece = uint32_t(cursor.End - cursor.At);
                    if (piece > left) piece = left;
                    if (line) {
                        const uint32_t sx = x + col;
                        if (sx + piece <= ScreenWidth) {
                            CopyShort(line + sx, cursor.At, piece);
                        } else {
                            PutSpan(uint16_t(sx), line, cursor.At, 0, piece);
                        }
                    }
                    cursor.At += piece;
                    col += piece;
                    left -= piece;
                }
            }
        } while (col < width);
        ++row;
    } while (row < height);
    SaveCursor(cursor);
}
