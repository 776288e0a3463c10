// ToolWindowSet: the four tool windows as the control window sees them. Each
// is open or not; opening creates a new window object, initialised afresh
// (topmost when the on-top option is set at that moment), closing destroys it
// and frees it, exactly once. All calls run on the user-interface thread.
#ifndef STATS_UI_CONTROL_TOOL_WINDOW_SET_H_
#define STATS_UI_CONTROL_TOOL_WINDOW_SET_H_

enum class ToolWindowKind {
  kZoneFlags,           // the zone check boxes, never shown
  kMultiplier,          // the multiplier window
  kExtendedMultiplier,  // the continent pages
  kZoneSearch,          // the forty zone buttons
};
constexpr int kToolWindowKinds = 4;

class ToolWindowSet {
 public:
  virtual ~ToolWindowSet() = default;

  virtual bool Exists(ToolWindowKind window) = 0;
  // `shown` false creates the window hidden (the zone flags).
  virtual void Open(ToolWindowKind window, bool shown) = 0;
  // Does nothing when the window is not open.
  virtual void Close(ToolWindowKind window) = 0;
};

// The order in which every window is closed when the windows end: the
// extended multiplier, the zone buttons, the zone flags, the multiplier.
constexpr ToolWindowKind kClosingOrder[] = {ToolWindowKind::kExtendedMultiplier,
                                        ToolWindowKind::kZoneSearch, ToolWindowKind::kZoneFlags,
                                        ToolWindowKind::kMultiplier};

#endif  // STATS_UI_CONTROL_TOOL_WINDOW_SET_H_
