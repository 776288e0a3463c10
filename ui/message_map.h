// Message maps: each window class lists the messages it handles in a static
// table instead of a switch, and one router walks the table.
//
// A class declares its table with entries made by OnMessage, OnCommand and
// OnNotify (and OnControlColours, control_colours.h), chains it to its base
// class's table, and returns it from its virtual Messages():
//
//   const MessageMap<Dialog>& Messages() const override {
//     static const MessageEntry<Dialog> entries[] = {
//         OnMessage<&Zones::OnSize>(WM_SIZE),
//         OnCommand<&Zones::OnReset>(IDC_RESET),
//     };
//     static const MessageMap<Dialog> map(entries, &ToolWindow::Messages());
//     return map;
//   }
//
// Handlers are member functions of the class that lists them:
//   message:      Answer OnX(WPARAM, LPARAM)   std::nullopt: not handled
//                 (OnMessage(first, last) takes a range of messages)
//   command:      void OnX()                   a click, menu item or accelerator
//                                              (or the one notification code given)
//   notification: LRESULT OnX(NMHDR&)
// The first matching entry wins, the derived class's table before its base's.
// What a handled message returns to the platform (the result itself, or TRUE
// with the result stored aside) is decided once, by the router of the window
// kind, not by each handler.
#ifndef STATS_UI_MESSAGE_MAP_H_
#define STATS_UI_MESSAGE_MAP_H_

#include <windows.h>

#include <cstddef>
#include <optional>

// A handler's answer: the message's result, or nothing when the handler
// leaves the message to the platform's default processing.
using Answer = std::optional<LRESULT>;

struct MessageArgs {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

template <class Target>
struct MessageEntry {
  enum Kind { kMessage, kCommand, kNotify };
  // A kMessage entry covers the messages from `message` to `lastMessage`.
  // Notification code of a command entry that takes clicks, menu items and
  // accelerators alike.
  static constexpr int kAnyClick = -1;

  Kind kind;
  UINT message;  // kMessage
  UINT lastMessage;
  int id;        // kCommand, kNotify: the control id
  int code;      // kCommand, kNotify: the notification code, or kAnyClick
  Answer (*call)(Target& target, const MessageArgs& args);

  bool Matches(const MessageArgs& args) const {
    switch (kind) {
      case kMessage:
        return args.message >= message && args.message <= lastMessage;
      case kCommand: {
        if (args.message != WM_COMMAND || LOWORD(args.wParam) != id) return false;
        const int got = HIWORD(args.wParam);
        return code == kAnyClick ? (got == BN_CLICKED || got == 1) : got == code;
      }
      case kNotify: {
        if (args.message != WM_NOTIFY || args.lParam == 0) return false;
        const auto* header = reinterpret_cast<const NMHDR*>(args.lParam);
        return static_cast<int>(header->idFrom) == id && static_cast<int>(header->code) == code;
      }
    }
    return false;
  }
};

// One class's table and the table of the class it derives from.
template <class Target>
class MessageMap {
 public:
  template <std::size_t N>
  MessageMap(const MessageEntry<Target> (&entries)[N], const MessageMap* base = nullptr)
      : m_entries(entries), m_count(N), m_base(base) {}
  explicit MessageMap(const MessageMap* base = nullptr) : m_base(base) {}

  const MessageEntry<Target>* Find(const MessageArgs& args) const {
    for (const MessageMap* map = this; map; map = map->m_base) {
      for (std::size_t i = 0; i < map->m_count; ++i) {
        if (map->m_entries[i].Matches(args)) return &map->m_entries[i];
      }
    }
    return nullptr;
  }

 private:
  const MessageEntry<Target>* m_entries = nullptr;
  std::size_t m_count = 0;
  const MessageMap* m_base = nullptr;
};

namespace message_map_detail {

template <class>
struct ClassOf;
template <class C, class R, class... A>
struct ClassOf<R (C::*)(A...)> {
  using type = C;
};
// A data member (control_colours.h lists one in a table).
template <class C, class M>
struct ClassOf<M C::*> {
  using type = C;
};

}  // namespace message_map_detail

// The entries name the handler as a template argument, so each entry calls it
// directly on the object of the class that listed it.
template <auto Handler, class Target = typename message_map_detail::ClassOf<
                            decltype(Handler)>::type::MapTarget>
MessageEntry<Target> OnMessage(UINT message, UINT lastMessage = 0) {
  using Class = typename message_map_detail::ClassOf<decltype(Handler)>::type;
  return {MessageEntry<Target>::kMessage, message, lastMessage ? lastMessage : message, 0, 0,
          [](Target& target, const MessageArgs& args) -> Answer {
            return (static_cast<Class&>(target).*Handler)(args.wParam, args.lParam);
          }};
}

template <auto Handler, class Target = typename message_map_detail::ClassOf<
                            decltype(Handler)>::type::MapTarget>
MessageEntry<Target> OnCommand(int id, int code = MessageEntry<Target>::kAnyClick) {
  using Class = typename message_map_detail::ClassOf<decltype(Handler)>::type;
  return {MessageEntry<Target>::kCommand, WM_COMMAND, WM_COMMAND, id, code,
          [](Target& target, const MessageArgs&) -> Answer {
            (static_cast<Class&>(target).*Handler)();
            return 0;
          }};
}

template <auto Handler, class Target = typename message_map_detail::ClassOf<
                            decltype(Handler)>::type::MapTarget>
MessageEntry<Target> OnNotify(int id, int code) {
  using Class = typename message_map_detail::ClassOf<decltype(Handler)>::type;
  return {MessageEntry<Target>::kNotify, WM_NOTIFY, WM_NOTIFY, id, code,
          [](Target& target, const MessageArgs& args) -> Answer {
            return (static_cast<Class&>(target).*Handler)(*reinterpret_cast<NMHDR*>(args.lParam));
          }};
}

#endif  // STATS_UI_MESSAGE_MAP_H_
