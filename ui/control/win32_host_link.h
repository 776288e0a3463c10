// Win32HostLink: HostLink over the host's automation object, found among the
// running objects as "Qalo2.Application" and called late-bound by dispatch id
// (2 ReadFrequency, 8 ReadEntryField, 16 SendCommand), without a type library.
//
// Threads: Connect initialises COM on the calling thread as a single-threaded
// apartment; every call and Disconnect must come from that same thread (the
// user-interface thread). Disconnect releases the interface and ends the COM
// initialisation; the destructor does the same if it was not done.
#ifndef STATS_UI_CONTROL_WIN32_HOST_LINK_H_
#define STATS_UI_CONTROL_WIN32_HOST_LINK_H_

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "ui/control/host_link.h"

class Win32HostLink : public HostLink {
 public:
  Win32HostLink() = default;
  ~Win32HostLink() override { Disconnect(); }
  Win32HostLink(const Win32HostLink&) = delete;
  Win32HostLink& operator=(const Win32HostLink&) = delete;

  // Finds the host object; without one the link stays unconnected.
  void Connect();
  void Disconnect();

  bool Connected() const override { return m_hostDispatch != nullptr; }
  bool SendCommand(const std::string& command) override;
  bool ReadEntryField(int field, std::string& text) override;
  bool ReadFrequency(double& hertz) override;

 private:
  IDispatch* m_hostDispatch = nullptr;
  bool m_comInitialised = false;
};

// The plug-in's 8-bit texts and the automation strings: to UTF-16 from the
// ANSI code page, back with the calling thread's ANSI code page.
std::wstring AnsiToWide(const std::string& text, UINT codePage = CP_ACP);
std::string WideToAnsi(const wchar_t* text, int length);

#endif  // STATS_UI_CONTROL_WIN32_HOST_LINK_H_
