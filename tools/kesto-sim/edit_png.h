#pragma once
// The pictures of kesto-sim edit's `shot` step: 8-bit RGB PNG files,
// compressed by a well-kept encoder (WIC on Windows, libpng elsewhere).
#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds width * height pixels, top row first, three bytes each;
// `file` is UTF-8. False when the picture could not be written.
bool writePng(const std::string& file, int width, int height, const std::vector<uint8_t>& rgb);
