// Placeholder until the Filter Graph Manager lands: creation is refused.
#include "platform/com/unknown.h"

HRESULT CreateFilterGraphInstance(REFIID /*riid*/, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  return E_NOTIMPL;
}
