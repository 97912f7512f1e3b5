#pragma once
// A small PNG writer for the pictures of kesto-sim edit's `shot` step:
// 8-bit RGB, no filtering, deflate in stored blocks.
#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds width * height pixels, top row first, three bytes each.
bool writePng(const std::string& file, int width, int height, const std::vector<uint8_t>& rgb);
// The same bytes, for tests.
std::vector<uint8_t> encodePng(int width, int height, const std::vector<uint8_t>& rgb);
