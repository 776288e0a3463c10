// CMemDC: off-screen drawing for one paint. Everything drawn into it between
// construction and destruction, in the target's own coordinates, reaches the
// target in one block copy when it goes, so the picture never flickers. Only
// the part of the target that needs painting (its clip box) is buffered; the
// bitmap starts undefined, so its user paints every pixel of that part.
#ifndef STATS_UI_WINDOWS_MEM_DC_H_
#define STATS_UI_WINDOWS_MEM_DC_H_

#include <windows.h>

#include <memory>

#include "ui/gdi.h"

class CMemDC {
 public:
  explicit CMemDC(HDC target);
  ~CMemDC();
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  // The DC to draw into: the memory DC, or the target itself when no memory
  // DC could be made (the picture is then drawn directly).
  HDC get() const { return m_ready ? m_memory.get() : m_target; }

 private:
  HDC m_target;
  RECT m_area;
  MemoryDc m_memory;
  Bitmap m_bitmap;
  std::unique_ptr<SelectionGuard> m_selection;  // puts back the displaced bitmap
  bool m_ready = false;
};

#endif  // STATS_UI_WINDOWS_MEM_DC_H_
