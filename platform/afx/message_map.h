// Message maps: each window class lists the messages and command ids it
// handles, and the framework looks a message up in the class's own map first,
// then in its base classes' maps.
#pragma once

#include "platform/win32/user/drop_files.h"
#include "platform/win32/user/winuser.h"

class CCmdTarget;

// One handler: `message` (and for WM_COMMAND the command `id`) selects it;
// `call` casts the target to the class that declared the entry.
struct AFX_MSGMAP_ENTRY {
  UINT message;
  UINT id;
  LRESULT (*call)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*base)();
  const AFX_MSGMAP_ENTRY* entries;  // ends with an entry whose `call` is null
};

// The entry of `map` or its bases for `message` and `id`; null when none.
const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT id);

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                    \
  { 0, 0, nullptr }                                                          \
  }                                                                          \
  ;                                                                          \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

#define AFX_ENTRY(message, id, body)                                                                   \
  {message, id,                                                                                        \
   [](CCmdTarget* target, [[maybe_unused]] WPARAM wParam, [[maybe_unused]] LPARAM lParam) -> LRESULT { \
     [[maybe_unused]] auto* self = static_cast<ThisClass*>(target);                                    \
     body;                                                                                             \
   }},

#define ON_COMMAND(id, handler) AFX_ENTRY(WM_COMMAND, id, self->handler(); return 0)
#define ON_BN_CLICKED(id, handler) ON_COMMAND(id, handler)
#define ON_WM_SYSCOMMAND() \
  AFX_ENTRY(WM_SYSCOMMAND, 0, self->OnSysCommand(static_cast<UINT>(wParam), lParam); return 0)
#define ON_WM_PAINT() AFX_ENTRY(WM_PAINT, 0, self->OnPaint(); return 0)
#define ON_WM_CLOSE() AFX_ENTRY(WM_CLOSE, 0, self->OnClose(); return 0)
#define ON_WM_QUERYDRAGICON() \
  AFX_ENTRY(WM_QUERYDRAGICON, 0, return reinterpret_cast<LRESULT>(self->OnQueryDragIcon()))
#define ON_WM_DROPFILES() \
  AFX_ENTRY(WM_DROPFILES, 0, self->OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0)
