#include "ui/windows/mem_dc.h"

CMemDC::CMemDC(HDC target) : m_target(target), m_area(), m_memory(target) {
  GetClipBox(target, &m_area);
  const int width = m_area.right - m_area.left;
  const int height = m_area.bottom - m_area.top;
  if (!m_memory.get() || width <= 0 || height <= 0) return;
  m_bitmap.Reset(CreateCompatibleBitmap(target, width, height));
  if (!m_bitmap) return;
  m_selection = std::make_unique<SelectionGuard>(m_memory.get(), m_bitmap.get());
  SetWindowOrgEx(m_memory.get(), m_area.left, m_area.top, nullptr);
  m_ready = true;
}

CMemDC::~CMemDC() {
  if (m_ready) {
    BitBlt(m_target, m_area.left, m_area.top, m_area.right - m_area.left,
           m_area.bottom - m_area.top, m_memory.get(), m_area.left, m_area.top, SRCCOPY);
  }
  // The bitmap leaves the memory DC before either is deleted.
  m_selection.reset();
}
