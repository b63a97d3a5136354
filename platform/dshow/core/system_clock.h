// The system reference clock (CLSID_SystemClock): the steady clock in 100 ns
// units. Any thread.
#pragma once

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"

class SystemClock : public RefCount, public IReferenceClock {
 public:
  HRESULT QueryInterface(REFIID riid, void** ppv) override;
  COM_REFCOUNTED

  HRESULT GetTime(REFERENCE_TIME* time) override;
};
