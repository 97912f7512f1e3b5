// libpng's simplified writing interface does the whole file in one call.
#include <png.h>

#include "tools/kesto-sim/edit_png.h"

bool writePng(const std::string& file, int width, int height, const std::vector<uint8_t>& rgb) {
  if (width <= 0 || height <= 0 || rgb.size() < static_cast<size_t>(width) * height * 3) return false;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  bool written = png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), width * 3, nullptr) != 0;
  png_image_free(&image);
  return written;
}
