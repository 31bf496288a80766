// The nine display fonts: which size of the outline face each one is cut from, its cell, and the
// advance width of every printable character (the widths the screens were laid out with).
#pragma once

struct FontSize {
    const char* name; // table name, e.g. "Font8"
    const char* file; // output file name
    int ppem;         // pixels per em across: sets the advance widths
    int ppemHigh;     // pixels per em upwards: sets the height of capitals and digits
    int height;       // cell height in rows
    int capTop;       // first row of capitals and digits
    int capBottom;    // last row of capitals and digits; the baseline lies just below it
    int descenderRow; // lowest row a descender may reach (the last row when there are none)
    int firstCode;    // first and last character code held
    int lastCode;
    int style;    // style byte carried in the table
    int minWidth; // range for the widths of characters not in the list below
    int maxWidth;
    const char* widths; // widths of codes 32 upwards, in code order
};

constexpr int FontSizeCount = 9;

// clang-format off
constexpr FontSize FontSizes[FontSizeCount] = {
    {"Font8", "font8.cpp", 14, 14, 16, 3, 12, 15, 0, 255, 0, 3, 14,
     "4 4 6 7 8 10 10 3 4 4 5 8 4 4 4 4 "
     "8 7 8 8 8 8 8 8 8 8 4 4 8 8 8 8 "
     "14 9 10 10 10 9 9 10 9 4 8 10 9 11 10 10 "
     "8 11 10 9 8 9 9 13 9 8 9 4 4 4 8 8 "
     "4 9 8 7 9 9 6 8 9 4 4 7 4 11 9 8 "
     "8 9 7 8 5 8 7 11 8 7 7 5 3 5 8"},
    {"Font9", "font9.cpp", 16, 16, 19, 3, 14, 17, 32, 127, 62, 4, 16,
     "4 4 8 9 9 16 12 4 5 5 6 9 4 5 4 4 "
     "9 9 9 9 9 9 9 9 9 9 6 6 9 9 9 10 "
     "16 11 12 12 12 11 10 12 12 4 9 12 10 13 12 12 "
     "11 12 12 11 10 12 11 15 11 10 9 5 4 5 9 9 "
     "5 9 10 9 10 9 5 10 10 4 4 9 4 14 10 10 "
     "10 10 6 9 5 10 9 13 9 9 9 6 4 6 9"},
    {"Font10", "font10.cpp", 19, 20, 21, 4, 17, 20, 0, 255, 0, 4, 21,
     "5 5 9 11 11 17 14 5 6 6 7 11 5 6 5 5 "
     "11 11 11 11 11 11 11 11 11 11 7 7 11 11 11 12 "
     "19 13 14 14 14 13 12 15 13 5 11 14 12 17 13 15 "
     "13 15 13 13 13 13 13 17 13 13 11 6 5 6 11 11 "
     "6 11 12 11 12 11 6 12 12 5 5 11 5 17 12 12 "
     "12 12 8 11 6 12 11 15 11 11 10 7 4 7 11"},
    {"Font12", "font12.cpp", 21, 22, 24, 4, 18, 22, 32, 127, 67, 5, 21,
     "6 7 10 12 12 17 15 5 7 7 8 12 6 7 6 6 "
     "12 12 12 12 12 12 12 12 12 12 7 7 12 12 12 13 "
     "20 15 15 15 15 14 13 16 14 5 12 15 13 17 14 16 "
     "14 16 15 14 13 14 13 21 14 13 12 7 6 7 12 12 "
     "7 12 13 12 13 12 7 13 13 5 5 12 5 19 13 13 "
     "13 13 8 12 7 13 13 15 12 11 11 8 6 8 12"},
    {"Font16", "font16.cpp", 28, 29, 33, 6, 25, 31, 32, 127, 64, 7, 27,
     "8 8 13 16 16 25 20 7 9 9 11 16 8 9 8 8 "
     "16 16 16 16 16 16 16 16 16 16 10 10 16 16 16 17 "
     "27 19 19 20 20 19 17 22 20 8 15 20 17 25 20 21 "
     "18 21 20 19 18 20 19 27 19 18 17 9 8 9 16 16 "
     "9 16 17 16 17 16 9 17 17 8 8 16 8 26 17 17 "
     "17 17 11 15 9 17 15 23 16 16 14 11 7 11 16"},
    {"Font20", "font20.cpp", 35, 36, 41, 7, 31, 40, 32, 57, 115, 8, 31,
     "10 11 17 19 19 31 25 8 12 12 14 20 10 12 10 10 "
     "19 19 19 19 19 19 19 19 19 19"},
    {"Font24", "font24.cpp", 43, 45, 51, 9, 39, 50, 32, 57, 127, 10, 39,
     "12 14 20 24 24 39 31 10 14 14 17 25 12 14 12 12 "
     "24 24 24 24 24 24 24 24 24 24"},
    {"Font30", "font30.cpp", 53, 53, 62, 11, 48, 61, 32, 57, 96, 13, 47,
     "15 17 25 29 29 47 38 13 18 18 21 31 15 18 15 15 "
     "29 29 29 29 29 29 29 29 29 29"},
    {"Font34", "font34.cpp", 60, 61, 70, 13, 56, 69, 32, 57, 96, 14, 51,
     "17 18 28 33 33 51 43 14 20 20 23 35 17 20 17 17 "
     "33 33 33 33 33 33 33 33 33 33"},
};
// clang-format on
