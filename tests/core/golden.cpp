// Golden frames: reading, writing and comparing the text art, and the PNGs of a failure.
#include "golden.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "graphics/framebuffer.h"
#include "png.h"
#include "shell/core/palette.h"

namespace {

constexpr int FrameSize = ScreenWidth * ScreenHeight;

// Characters of the colours that screens use, so that golden files read alike; any other index
// takes the next free character of the pool.
const std::map<int, char> KnownCharacters = {
    {0, '.'}, {7, 'd'}, {8, 'l'}, {9, 'r'}, {10, 'g'}, {11, 'y'}, {13, 'm'}, {15, '#'}, {229, '-'},
};
const char CharacterPool[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcefhijknopqstuvwxz0123456789+*%$@&=~^";

std::string GoldenPath(const std::string& name) {
    return std::string(KDR7_SOURCE_DIR) + "/tests/golden/" + name + ".txt";
}
std::string FailurePath(const std::string& name, const char* suffix) {
    return std::string(KDR7_BINARY_DIR) + "/golden-failures/" + name + suffix;
}

bool ToText(const std::vector<ColorIndex>& frame, const std::string& name, std::string& text,
            std::string& error) {
    std::map<int, char> legend;
    for (ColorIndex c : frame) legend[c] = 0;
    std::string taken;
    for (auto& [index, ch] : legend) {
        const auto known = KnownCharacters.find(index);
        if (known != KnownCharacters.end()) {
            ch = known->second;
            taken += ch;
        }
    }
    size_t next = 0;
    for (auto& [index, ch] : legend) {
        if (ch != 0) continue;
        while (CharacterPool[next] != 0 && taken.find(CharacterPool[next]) != std::string::npos)
            ++next;
        if (CharacterPool[next] == 0) {
            error = "frame uses more colours than golden files have characters for";
            return false;
        }
        ch = CharacterPool[next++];
    }
    std::ostringstream out;
    out << "// Golden frame " << name << ": " << ScreenWidth << " x " << ScreenHeight
        << ", one character per palette index (legend: character = index).\n";
    for (const auto& [index, ch] : legend) out << ch << " = " << index << "\n";
    for (int y = 0; y < ScreenHeight; ++y) {
        for (int x = 0; x < ScreenWidth; ++x) out << legend[frame[size_t(x + y * ScreenWidth)]];
        out << "\n";
    }
    text = out.str();
    return true;
}

bool ReadGolden(const std::string& path, std::vector<ColorIndex>& frame, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::map<char, int> legend;
    std::string line;
    int lineNo = 0;
    frame.clear();
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.compare(0, 2, "//") == 0) continue;
        if (line.size() != ScreenWidth && line.size() >= 5 && line.compare(1, 3, " = ") == 0) {
            legend[line[0]] = std::atoi(line.c_str() + 4);
            continue;
        }
        if (line.size() != ScreenWidth) {
            error = path + ":" + std::to_string(lineNo) + ": not " + std::to_string(ScreenWidth) +
                    " characters";
            return false;
        }
        for (char c : line) {
            const auto it = legend.find(c);
            if (it == legend.end()) {
                error = path + ":" + std::to_string(lineNo) + ": '" + c + "' not in the legend";
                return false;
            }
            frame.push_back(ColorIndex(it->second));
        }
    }
    if (frame.size() != size_t(FrameSize)) {
        error = path + ": " + std::to_string(frame.size() / ScreenWidth) + " rows, not " +
                std::to_string(ScreenHeight);
        return false;
    }
    return true;
}

void PutRgb(std::vector<uint8_t>& rgb, size_t pixel, uint32_t colour) {
    rgb[pixel * 3] = uint8_t(colour >> 16);
    rgb[pixel * 3 + 1] = uint8_t(colour >> 8);
    rgb[pixel * 3 + 2] = uint8_t(colour);
}

// Matching pixels dimmed to a third, mismatches magenta; each display pixel 4 x 4.
bool WriteDiffPng(const std::string& path, const std::vector<ColorIndex>& actual,
                  const std::vector<ColorIndex>& expected) {
    constexpr int Scale = 4;
    const int w = ScreenWidth * Scale, h = ScreenHeight * Scale;
    std::vector<uint8_t> rgb(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(x / Scale + (y / Scale) * ScreenWidth);
            uint32_t colour = 0xFF00FF;
            if (actual[i] == expected[i]) {
                const uint32_t v = actual[i] < PaletteSize ? Palette[actual[i]] : 0;
                colour = ((v >> 16 & 0xFF) / 3) << 16 | ((v >> 8 & 0xFF) / 3) << 8 | (v & 0xFF) / 3;
            }
            PutRgb(rgb, size_t(y) * w + x, colour);
        }
    return WritePngRgb(path, w, h, rgb);
}

} // namespace

::testing::AssertionResult FrameMatchesGolden(const std::string& name) {
    const std::vector<ColorIndex> actual(FrameBuffer, FrameBuffer + FrameSize);
    const std::string path = GoldenPath(name);
    const char* rebaseline = std::getenv("KDR7_REBASELINE");
    if (rebaseline && std::string(rebaseline) == "1") {
        std::string text, error;
        if (!ToText(actual, name, text, error)) return ::testing::AssertionFailure() << error;
        std::ofstream out(path, std::ios::binary);
        out << text;
        if (!out) return ::testing::AssertionFailure() << "cannot write " << path;
        return ::testing::AssertionSuccess() << "rebaselined " << path;
    }

    std::vector<ColorIndex> expected;
    std::string error;
    if (!ReadGolden(path, expected, error)) {
        return ::testing::AssertionFailure() << "golden frame " << name << ": " << error
                                             << " (create it with KDR7_REBASELINE=1 and review it)";
    }
    int mismatches = 0, firstX = -1, firstY = -1;
    for (int i = 0; i < FrameSize; ++i)
        if (actual[size_t(i)] != expected[size_t(i)] && mismatches++ == 0) {
            firstX = i % ScreenWidth;
            firstY = i / ScreenWidth;
        }
    if (mismatches == 0) return ::testing::AssertionSuccess();

    const std::string dir = std::string(KDR7_BINARY_DIR) + "/golden-failures";
    std::filesystem::create_directories(dir);
    const std::string actualPng = FailurePath(name, ".actual.png");
    const std::string diffPng = FailurePath(name, ".diff.png");
    const std::string actualTxt = FailurePath(name, ".actual.txt");
    std::string text;
    if (ToText(actual, name, text, error)) std::ofstream(actualTxt, std::ios::binary) << text;
    WriteFramePng(actualPng, 4);
    WriteDiffPng(diffPng, actual, expected);
    const size_t first = size_t(firstX + firstY * ScreenWidth);
    return ::testing::AssertionFailure()
           << "frame differs from golden " << name << " in " << mismatches << " pixels, first at ("
           << firstX << ", " << firstY << "): index " << int(actual[first]) << " instead of "
           << int(expected[first]) << "\n  golden: " << path << "\n  actual: " << actualPng
           << " (text art: " << actualTxt << ")"
           << "\n  diff:   " << diffPng << " (mismatches in magenta)"
           << "\n  rebaseline with KDR7_REBASELINE=1 if the change is intended";
}
