// Screenshots for a person to look at, of a window (the window tests) or of
// the whole screen (the stand-in host's live contest): the rectangle copied
// from the screen and written as a PNG file (no compression, so no library is
// needed).
#ifndef STATS_TOOLS_HOST_SCREENSHOT_H_
#define STATS_TOOLS_HOST_SCREENSHOT_H_

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace screenshot {

inline std::uint32_t Crc(const unsigned char* data, size_t size, std::uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline void PutBig32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

inline void Chunk(std::vector<unsigned char>& png, const char* type,
                  const std::vector<unsigned char>& data) {
  PutBig32(png, static_cast<std::uint32_t>(data.size()));
  std::vector<unsigned char> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  PutBig32(png, Crc(body.data(), body.size()));
}

// rgb: width * height pixels, 3 bytes each, top row first.
inline bool WritePng(const std::string& path, int width, int height,
                     const std::vector<unsigned char>& rgb) {
  std::vector<unsigned char> raw;  // each row: filter byte 0, then its pixels
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), rgb.begin() + static_cast<long>(y) * width * 3,
               rgb.begin() + static_cast<long>(y + 1) * width * 3);
  }
  std::vector<unsigned char> z = {0x78, 0x01};  // zlib stream of stored blocks
  for (size_t pos = 0; pos < raw.size() || pos == 0;) {
    const size_t n = std::min<size_t>(65535, raw.size() - pos);
    const bool last = pos + n == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<unsigned char>(n & 0xFF));
    z.push_back(static_cast<unsigned char>(n >> 8));
    z.push_back(static_cast<unsigned char>(~n & 0xFF));
    z.push_back(static_cast<unsigned char>((~n >> 8) & 0xFF));
    z.insert(z.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + n));
    pos += n;
    if (last) break;
  }
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  PutBig32(z, b << 16 | a);

  std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<unsigned char> header;
  PutBig32(header, static_cast<std::uint32_t>(width));
  PutBig32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, no interlace
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", z);
  Chunk(png, "IEND", {});
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && ok;
}

// The pixels of a screen rectangle, 3 bytes each, top row first.
inline std::vector<unsigned char> CaptureScreen(const RECT& r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  std::vector<unsigned char> rgb;
  if (width <= 0 || height <= 0) return rgb;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap && bits) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const unsigned char*>(bits);
    rgb.reserve(static_cast<size_t>(width) * height * 3);
    for (int i = 0; i < width * height; ++i) {
      rgb.push_back(p[i * 4 + 2]);
      rgb.push_back(p[i * 4 + 1]);
      rgb.push_back(p[i * 4]);
    }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return rgb;
}

// The window as the screen shows it, written to `path`.
inline bool WriteWindowPng(HWND window, const std::string& path) {
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  const std::vector<unsigned char> rgb = CaptureScreen(r);
  if (rgb.empty()) return false;
  return WritePng(path, r.right - r.left, r.bottom - r.top, rgb);
}

// The whole screen, written to `path`.
inline bool WriteScreenPng(const std::string& path) {
  const RECT r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const std::vector<unsigned char> rgb = CaptureScreen(r);
  if (rgb.empty()) return false;
  return WritePng(path, r.right, r.bottom, rgb);
}

// The window painted afresh, then saved as screenshots/<name>.png of the
// working folder; `settle` runs the program's own message loop in between.
template <typename Settle>
inline bool SaveRepainted(HWND window, const std::string& name, Settle settle) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  settle();
  CreateDirectoryA("screenshots", nullptr);
  return WriteWindowPng(window, "screenshots/" + name + ".png");
}

}  // namespace screenshot

#endif  // STATS_TOOLS_HOST_SCREENSHOT_H_
