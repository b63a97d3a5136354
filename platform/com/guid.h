// GUIDs: class and interface identifiers, printed and parsed in the registry
// form {A28F324B-DDC5-4999-AA25-D3A7E25EF7A8}.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::array<std::uint8_t, 8> Data4;

  friend constexpr bool operator==(const GUID&, const GUID&) = default;
  friend constexpr bool operator<(const GUID& a, const GUID& b) {
    if (a.Data1 != b.Data1) return a.Data1 < b.Data1;
    if (a.Data2 != b.Data2) return a.Data2 < b.Data2;
    if (a.Data3 != b.Data3) return a.Data3 < b.Data3;
    return a.Data4 < b.Data4;
  }
};

using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;
using REFGUID = const GUID&;

constexpr GUID GUID_NULL{0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hexadecimal.
std::string GuidToString(const GUID& guid);

// Accepts the form above, braces optional, either case; nothing else.
std::optional<GUID> GuidFromString(std::string_view text);
