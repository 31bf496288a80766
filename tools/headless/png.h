// A small PNG writer for RGB images, enough for screenshots.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

bool WritePngRgb(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

// The frame buffer in palette colours, each pixel scale x scale.
bool WriteFramePng(const std::string& path, int scale);
