// Whole-frame comparisons against committed golden files, tests/golden/<name>.txt: text art of
// 120 lines of 160 characters, one character per palette index, with a legend at the top.
//
// KDR7_REBASELINE=1 in the environment rewrites the golden file from the current frame instead
// of comparing. On a mismatch the actual frame and a diff (mismatches in magenta) are written as
// PNGs into the build directory and named in the failure message.
#pragma once
#include <gtest/gtest.h>

#include <string>

// Compares FrameBuffer with the golden frame called name (letters, digits, '_' and '-').
::testing::AssertionResult FrameMatchesGolden(const std::string& name);

inline void ExpectFrameMatchesGolden(const std::string& name) {
    EXPECT_TRUE(FrameMatchesGolden(name));
}
