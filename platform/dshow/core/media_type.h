// Copying and freeing AM_MEDIA_TYPE, and an owning wrapper for it.
#pragma once

#include "platform/dshow/core/dshow.h"

// Deep copy: the format block is duplicated and pUnk AddRef'd.
HRESULT CopyMediaType(AM_MEDIA_TYPE* target, const AM_MEDIA_TYPE* source);
// Frees the format block and releases pUnk; the structure itself stays.
void FreeMediaType(AM_MEDIA_TYPE& mt);
// A heap copy for enumerators; DeleteMediaType frees it.
AM_MEDIA_TYPE* CreateMediaType(const AM_MEDIA_TYPE* source);
void DeleteMediaType(AM_MEDIA_TYPE* mt);

// Owns an AM_MEDIA_TYPE; copies deeply.
class MediaType : public AM_MEDIA_TYPE {
 public:
  MediaType();
  MediaType(const GUID& major, const GUID& sub);
  explicit MediaType(const AM_MEDIA_TYPE& other);
  MediaType(const MediaType& other);
  MediaType& operator=(const MediaType& other);
  MediaType& operator=(const AM_MEDIA_TYPE& other);
  ~MediaType();

  // Replaces the format block with a copy of `size` bytes.
  void SetFormat(const GUID& formatType, const void* data, ULONG size);
  // Replaces pUnk (AddRef'd).
  void SetFormatObject(IUnknown* object);
  // Major and subtype match, GUID_NULL in `pattern` matching anything.
  bool MatchesPartial(const AM_MEDIA_TYPE& pattern) const;
};
