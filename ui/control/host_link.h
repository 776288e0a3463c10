// HostLink: the plug-in's one channel towards the host, its automation object
// "Qalo2.Application". Used only on the user-interface thread, never while the
// plug-in's lock is held: a call completes only when the host's own thread
// answers it, and that thread may be waiting for the lock in an export.
//
// Texts are the plug-in's 8-bit ANSI texts; the DLL's link converts them to and
// from the automation string type. Every call answers false when the host
// object returned an error; the caller then ends what it was doing, without a
// message (a box on every keystroke would bury the operator).
#ifndef STATS_UI_CONTROL_HOST_LINK_H_
#define STATS_UI_CONTROL_HOST_LINK_H_

#include <string>

// The entry field of the host that holds the call being typed.
constexpr int kCallEntryField = 5;

class HostLink {
 public:
  virtual ~HostLink() = default;

  // True when a host object was found; without one every command is skipped
  // and the reads are not made.
  virtual bool Connected() const = 0;

  // Passes one command text to the host; true (and nothing sent) without a
  // host object.
  virtual bool SendCommand(const std::string& command) = 0;

  // The text of one entry field; a result that is not a string reads as empty.
  virtual bool ReadEntryField(int field, std::string& text) = 0;

  // The host's current operating frequency in hertz.
  virtual bool ReadFrequency(double& hertz) = 0;
};

#endif  // STATS_UI_CONTROL_HOST_LINK_H_
