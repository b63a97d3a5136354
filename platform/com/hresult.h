// Result codes with the values Windows gives them, so that messages show the
// codes a Windows user would recognise.
#pragma once

#include <cstdint>

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using BOOL = int;
using BYTE = std::uint8_t;
using WCHAR = char16_t;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPCSTR = const char*;
using LPSTR = char*;
using UINT = unsigned int;
using LONGLONG = std::int64_t;
using REFERENCE_TIME = std::int64_t;  // 100-nanosecond units

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

constexpr HRESULT MakeHResult(std::uint32_t value) { return static_cast<HRESULT>(value); }

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = MakeHResult(0x80004001);
constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002);
constexpr HRESULT E_POINTER = MakeHResult(0x80004003);
constexpr HRESULT E_ABORT = MakeHResult(0x80004004);
constexpr HRESULT E_FAIL = MakeHResult(0x80004005);
constexpr HRESULT E_UNEXPECTED = MakeHResult(0x8000FFFF);
constexpr HRESULT E_OUTOFMEMORY = MakeHResult(0x8007000E);
constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057);
constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHResult(0x80040110);
constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHResult(0x80040154);
constexpr HRESULT CO_E_NOTINITIALIZED = MakeHResult(0x800401F0);
constexpr HRESULT RPC_E_CHANGED_MODE = MakeHResult(0x80010106);

// Win32 error codes that reach HRESULT_FROM_WIN32.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_WRITE_FAULT = 29;
constexpr DWORD ERROR_READ_FAULT = 30;
constexpr DWORD ERROR_SHARING_VIOLATION = 32;
constexpr DWORD ERROR_HANDLE_EOF = 38;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_INVALID_NAME = 123;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
constexpr DWORD ERROR_DIRECTORY = 267;

constexpr HRESULT HRESULT_FROM_WIN32(DWORD error) {
  return error == 0 ? S_OK : MakeHResult((error & 0x0000FFFFu) | 0x80070000u);
}

// DirectShow codes (FACILITY_ITF).
constexpr HRESULT VFW_E_INVALIDMEDIATYPE = MakeHResult(0x80040200);
constexpr HRESULT VFW_E_NEED_OWNER = MakeHResult(0x80040202);
constexpr HRESULT VFW_E_NO_ACCEPTABLE_TYPES = MakeHResult(0x80040207);
constexpr HRESULT VFW_E_INVALID_DIRECTION = MakeHResult(0x80040208);
constexpr HRESULT VFW_E_NOT_CONNECTED = MakeHResult(0x80040209);
constexpr HRESULT VFW_E_NO_ALLOCATOR = MakeHResult(0x8004020A);
constexpr HRESULT VFW_E_NOT_COMMITTED = MakeHResult(0x80040211);
constexpr HRESULT VFW_E_ALREADY_CONNECTED = MakeHResult(0x80040204);
constexpr HRESULT VFW_E_NOT_STOPPED = MakeHResult(0x80040224);
constexpr HRESULT VFW_E_NOT_IN_GRAPH = MakeHResult(0x8004025F);
constexpr HRESULT VFW_E_CANNOT_CONNECT = MakeHResult(0x80040217);
constexpr HRESULT VFW_E_CANNOT_RENDER = MakeHResult(0x80040218);
constexpr HRESULT VFW_E_NO_CLOCK = MakeHResult(0x80040213);
constexpr HRESULT VFW_E_RUNTIME_ERROR = MakeHResult(0x8004020B);
constexpr HRESULT VFW_E_WRONG_STATE = MakeHResult(0x80040227);
constexpr HRESULT VFW_E_TYPE_NOT_ACCEPTED = MakeHResult(0x8004022A);
constexpr HRESULT VFW_E_SAMPLE_REJECTED = MakeHResult(0x8004022B);
constexpr HRESULT VFW_E_DUPLICATE_NAME = MakeHResult(0x8004023E);
constexpr HRESULT VFW_E_NOT_FOUND = MakeHResult(0x80040216);
constexpr HRESULT VFW_E_UNKNOWN_FILE_TYPE = MakeHResult(0x80040240);
constexpr HRESULT VFW_E_UNSUPPORTED_STREAM = MakeHResult(0x80040265);
constexpr HRESULT VFW_E_FILE_TOO_SHORT = MakeHResult(0x80040241);
constexpr HRESULT VFW_E_INVALID_FILE_FORMAT = MakeHResult(0x8004022F);
constexpr HRESULT VFW_E_NO_INTERFACE = MakeHResult(0x80040215);
constexpr HRESULT VFW_E_TIMEOUT = MakeHResult(0x8004022E);
constexpr HRESULT VFW_S_PARTIAL_RENDER = MakeHResult(0x00040242);
constexpr HRESULT VFW_S_STATE_INTERMEDIATE = MakeHResult(0x00040237);
constexpr HRESULT VFW_S_NO_MORE_ITEMS = MakeHResult(0x00040103);
constexpr HRESULT VFW_S_DUPLICATE_NAME = MakeHResult(0x0004022D);
