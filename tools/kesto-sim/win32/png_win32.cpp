// The platform's imaging component writes the picture: WIC's PNG encoder
// over a file stream, fed with the rows in the BGR order it takes.
#include <windows.h>
#include <wincodec.h>

#include "tools/kesto-sim/edit_png.h"
#include "tools/shared/utf8.h"

namespace {
// Releases a COM interface at the end of the scope.
template <typename T>
struct Held {
  T* p = nullptr;
  ~Held() {
    if (p) p->Release();
  }
  T* operator->() { return p; }
};

std::vector<uint8_t> bgrOf(const std::vector<uint8_t>& rgb, size_t pixels) {
  std::vector<uint8_t> bgr(rgb.begin(), rgb.begin() + static_cast<long>(pixels * 3));
  for (size_t i = 0; i < bgr.size(); i += 3) std::swap(bgr[i], bgr[i + 2]);
  return bgr;
}

bool encode(IWICImagingFactory* factory, const std::wstring& file, int width, int height,
            std::vector<uint8_t>& bgr) {
  Held<IWICStream> stream;
  Held<IWICBitmapEncoder> encoder;
  Held<IWICBitmapFrameEncode> frame;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  UINT stride = static_cast<UINT>(width) * 3;
  return SUCCEEDED(factory->CreateStream(&stream.p)) &&
         SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
         SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.p)) &&
         SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
         SUCCEEDED(encoder->CreateNewFrame(&frame.p, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
         SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
         SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
         SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride, static_cast<UINT>(bgr.size()), bgr.data())) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}
}  // namespace

bool writePng(const std::string& file, int width, int height, const std::vector<uint8_t>& rgb) {
  size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  if (width <= 0 || height <= 0 || rgb.size() < pixels * 3) return false;
  std::vector<uint8_t> bgr = bgrOf(rgb, pixels);
  std::u16string wide = utf8ToUtf16(file);
  // The calling thread may have COM set up already, in either model.
  HRESULT started = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  bool written = false;
  {
    Held<IWICImagingFactory> factory;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory.p))))
      written = encode(factory.p, std::wstring(wide.begin(), wide.end()), width, height, bgr);
  }
  if (SUCCEEDED(started)) CoUninitialize();
  return written;
}
