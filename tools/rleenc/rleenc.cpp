// Turns the pixel-art pictures (graphics/pictures/*.txt) into the run-length data the display
// draws. Run from the repository root with the picture files as arguments; the C++ source goes
// to standard output.
//
// Picture files: lines starting with "//" are comments; "c = N" maps the character c to colour
// index N; every other non-empty line is one row of pixels, one character per pixel. All rows
// must have the same length.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Picture {
    std::string Name; // the constant's name, e.g. ImgAltSetup for alt_setup.txt
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels;
};

std::string ConstantName(const std::string& path) {
    std::string base = path.substr(path.find_last_of('/') + 1);
    base = base.substr(0, base.find('.'));
    std::string name = "Img";
    bool upper = true;
    for (char c : base) {
        if (c == '_') {
            upper = true;
            continue;
        }
        name += upper ? char(toupper(static_cast<unsigned char>(c))) : c;
        upper = false;
    }
    return name;
}

bool ReadPicture(const std::string& path, Picture& picture, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::map<char, int> legend;
    std::vector<std::string> rows;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.compare(0, 2, "//") == 0) continue;
        if (line.size() >= 5 && line.size() <= 7 && line.compare(1, 3, " = ") == 0) {
            const int index = std::atoi(line.c_str() + 4);
            if (index < 0 || index > 255) {
                error = path + ":" + std::to_string(lineNo) + ": colour index out of range";
                return false;
            }
            legend[line[0]] = index;
            continue;
        }
        rows.push_back(line);
    }
    if (rows.empty()) {
        error = path + ": no pixel rows";
        return false;
    }
    picture.Name = ConstantName(path);
    picture.Width = int(rows[0].size());
    picture.Height = int(rows.size());
    if (picture.Width > 65535 || picture.Height > 65535) {
        error = path + ": too large";
        return false;
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        if (int(rows[r].size()) != picture.Width) {
            error = path + ": row " + std::to_string(r + 1) + " is " +
                    std::to_string(rows[r].size()) + " wide, not " + std::to_string(picture.Width);
            return false;
        }
        for (char c : rows[r]) {
            const auto it = legend.find(c);
            if (it == legend.end()) {
                error = path + ": row " + std::to_string(r + 1) + ": '" + c + "' not in the legend";
                return false;
            }
            picture.Pixels.push_back(uint8_t(it->second));
        }
    }
    return true;
}

// The shortest token sequence for one row. A run (2 bytes) serves repeats of two or more; a
// literal (1 + n bytes) everything else. Tokens never go past the row's end.
void EncodeRow(const uint8_t* px, int width, std::vector<uint8_t>& out) {
    std::vector<int> cost(size_t(width) + 1, 0), length(size_t(width) + 1, 0);
    std::vector<bool> isRun(size_t(width) + 1, false);
    for (int i = width - 1; i >= 0; --i) {
        int best = -1;
        int sameEnd = i + 1;
        while (sameEnd < width && px[sameEnd] == px[i] && sameEnd - i < 127) ++sameEnd;
        for (int k = sameEnd - i; k >= 2; --k) {
            const int c = 2 + cost[size_t(i + k)];
            if (best < 0 || c < best) {
                best = c;
                length[size_t(i)] = k;
                isRun[size_t(i)] = true;
            }
        }
        for (int k = 1; k <= 127 && i + k <= width; ++k) {
            const int c = 1 + k + cost[size_t(i + k)];
            if (best < 0 || c < best) {
                best = c;
                length[size_t(i)] = k;
                isRun[size_t(i)] = false;
            }
        }
        cost[size_t(i)] = best;
    }
    for (int i = 0; i < width; i += length[size_t(i)]) {
        const int k = length[size_t(i)];
        if (isRun[size_t(i)]) {
            out.push_back(uint8_t(0x80 | k));
            out.push_back(px[i]);
        } else {
            out.push_back(uint8_t(k));
            for (int j = 0; j < k; ++j) out.push_back(px[i + j]);
        }
    }
}

std::vector<uint8_t> Encode(const Picture& p) {
    std::vector<uint8_t> out = {uint8_t(p.Width & 0xFF), uint8_t(p.Width >> 8),
                                uint8_t(p.Height & 0xFF), uint8_t(p.Height >> 8)};
    for (int r = 0; r < p.Height; ++r) EncodeRow(&p.Pixels[size_t(r * p.Width)], p.Width, out);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: rleenc PICTURE.txt... > images.cpp (run in the repository root)\n");
        return 2;
    }
    std::vector<Picture> pictures;
    for (int a = 1; a < argc; ++a) {
        Picture p;
        std::string error;
        if (!ReadPicture(argv[a], p, error)) {
            fprintf(stderr, "rleenc: %s\n", error.c_str());
            return 1;
        }
        pictures.push_back(p);
    }

    printf("// Generated by: rleenc");
    for (int a = 1; a < argc; ++a) printf(" %s", argv[a]);
    printf(" > graphics/data/images.cpp\n");
    printf("// Do not edit: change the pictures and regenerate (ninja regenerate-images).\n");
    printf("#include \"graphics/data/images.h\"\n");
    for (const Picture& p : pictures) {
        const std::vector<uint8_t> bytes = Encode(p);
        printf("\n// %s: %d x %d, %zu bytes\n", p.Name.c_str(), p.Width, p.Height, bytes.size());
        printf("static const uint8_t %sData[] = {", p.Name.c_str());
        for (size_t i = 0; i < bytes.size(); ++i) {
            printf("%s%u,", i % 16 == 0 ? "\n    " : " ", bytes[i]);
        }
        printf("\n};\n");
        printf("const RleImage %s = {%sData, sizeof %sData};\n", p.Name.c_str(), p.Name.c_str(),
               p.Name.c_str());
    }
    return 0;
}
