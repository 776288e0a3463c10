// GDI objects with an owner: a brush, pen, font or bitmap is deleted when its
// owner goes, and a selection into a device context is undone when its guard
// goes, so no paint path can leak a handle or leave a DC holding a deleted
// object.
#ifndef STATS_UI_GDI_H_
#define STATS_UI_GDI_H_

#include <windows.h>

#include <utility>

template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : m_handle(handle) {}
  ~GdiObject() { Reset(); }

  GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }

  void Reset(Handle handle = nullptr) {
    if (m_handle) DeleteObject(m_handle);
    m_handle = handle;
  }

 private:
  Handle m_handle = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a DC and puts back what it replaced when it goes.
// A null object selects nothing.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object)
      : m_dc(dc), m_previous(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectionGuard() {
    if (m_previous) SelectObject(m_dc, m_previous);
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// A memory device context, deleted with its owner.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith) : m_dc(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (m_dc) DeleteDC(m_dc);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  HDC get() const { return m_dc; }

 private:
  HDC m_dc;
};

#endif  // STATS_UI_GDI_H_
