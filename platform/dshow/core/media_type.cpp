#include "platform/dshow/core/media_type.h"

#include <cstring>

#include "platform/com/com_runtime.h"

HRESULT CopyMediaType(AM_MEDIA_TYPE* target, const AM_MEDIA_TYPE* source) {
  if (!target || !source) return E_POINTER;
  *target = *source;
  target->pbFormat = nullptr;
  target->cbFormat = 0;
  if (source->cbFormat != 0 && source->pbFormat) {
    target->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(source->cbFormat));
    if (!target->pbFormat) {
      target->pUnk = nullptr;
      return E_OUTOFMEMORY;
    }
    std::memcpy(target->pbFormat, source->pbFormat, source->cbFormat);
    target->cbFormat = source->cbFormat;
  }
  if (target->pUnk) target->pUnk->AddRef();
  return S_OK;
}

void FreeMediaType(AM_MEDIA_TYPE& mt) {
  CoTaskMemFree(mt.pbFormat);
  mt.pbFormat = nullptr;
  mt.cbFormat = 0;
  if (mt.pUnk) {
    mt.pUnk->Release();
    mt.pUnk = nullptr;
  }
}

AM_MEDIA_TYPE* CreateMediaType(const AM_MEDIA_TYPE* source) {
  auto* mt = static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
  if (!mt) return nullptr;
  if (FAILED(CopyMediaType(mt, source))) {
    CoTaskMemFree(mt);
    return nullptr;
  }
  return mt;
}

void DeleteMediaType(AM_MEDIA_TYPE* mt) {
  if (!mt) return;
  FreeMediaType(*mt);
  CoTaskMemFree(mt);
}

MediaType::MediaType() : AM_MEDIA_TYPE{} { formattype = FORMAT_None; }

MediaType::MediaType(const GUID& major, const GUID& sub) : MediaType() {
  majortype = major;
  subtype = sub;
}

MediaType::MediaType(const AM_MEDIA_TYPE& other) : AM_MEDIA_TYPE{} { CopyMediaType(this, &other); }

MediaType::MediaType(const MediaType& other) : MediaType(static_cast<const AM_MEDIA_TYPE&>(other)) {}

MediaType& MediaType::operator=(const MediaType& other) {
  return *this = static_cast<const AM_MEDIA_TYPE&>(other);
}

MediaType& MediaType::operator=(const AM_MEDIA_TYPE& other) {
  if (&other == this) return *this;
  AM_MEDIA_TYPE copy{};
  CopyMediaType(&copy, &other);
  FreeMediaType(*this);
  static_cast<AM_MEDIA_TYPE&>(*this) = copy;
  return *this;
}

MediaType::~MediaType() { FreeMediaType(*this); }

void MediaType::SetFormat(const GUID& formatType, const void* data, ULONG size) {
  CoTaskMemFree(pbFormat);
  pbFormat = nullptr;
  cbFormat = 0;
  formattype = formatType;
  if (size != 0 && data) {
    pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(size));
    std::memcpy(pbFormat, data, size);
    cbFormat = size;
  }
}

void MediaType::SetFormatObject(IUnknown* object) {
  if (object) object->AddRef();
  if (pUnk) pUnk->Release();
  pUnk = object;
}

bool MediaType::MatchesPartial(const AM_MEDIA_TYPE& pattern) const {
  const bool majorOk = pattern.majortype == GUID_NULL || pattern.majortype == majortype;
  const bool subOk = pattern.subtype == GUID_NULL || pattern.subtype == subtype;
  return majorOk && subOk;
}
