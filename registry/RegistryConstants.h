#pragma once

#include <cstdint>

namespace sentrel::reg {

// The numbers of the Windows registry that the program's settings keep: predefined root
// keys, value types, access rights and result statuses. Keeping them lets every caller
// reason about results ("0 = success", "2 = not found") the way the settings code expects.

using RegRoot = std::uint32_t;
using RegType = std::uint32_t;
using RegAccess = std::uint32_t;

// Predefined root keys; each has a folder of the same name in the store.
inline constexpr RegRoot HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr RegRoot HKEY_CURRENT_USER = 0x80000001u;
inline constexpr RegRoot HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr RegRoot HKEY_USERS = 0x80000003u;

// Value types. Only REG_SZ and REG_DWORD are read as values; the others are kept as bytes.
inline constexpr RegType REG_NONE = 0;
inline constexpr RegType REG_SZ = 1;
inline constexpr RegType REG_EXPAND_SZ = 2;
inline constexpr RegType REG_BINARY = 3;
inline constexpr RegType REG_DWORD = 4;

// Access rights of an open key.
inline constexpr RegAccess KEY_QUERY_VALUE = 0x0001;
inline constexpr RegAccess KEY_SET_VALUE = 0x0002;
inline constexpr RegAccess KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr RegAccess KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr RegAccess KEY_NOTIFY = 0x0010;
inline constexpr RegAccess KEY_CREATE_LINK = 0x0020;
inline constexpr RegAccess STANDARD_RIGHTS_READ = 0x20000;
inline constexpr RegAccess WRITE_DAC = 0x40000;

// The masks the program opens keys with.
inline constexpr RegAccess kAccessReadValue = 0x20009;   // read one value
inline constexpr RegAccess kAccessWriteValue = 0x3F;     // write one value, create a key
inline constexpr RegAccess kAccessWriteDac = WRITE_DAC;  // rewrite who may use the key

// Result statuses (Windows system error numbers).
inline constexpr int ERROR_SUCCESS = 0;
inline constexpr int ERROR_FILE_NOT_FOUND = 2;  // key or value missing
inline constexpr int ERROR_ACCESS_DENIED = 5;
inline constexpr int ERROR_INVALID_HANDLE = 6;   // unknown root key, key not open
inline constexpr int ERROR_INVALID_DATA = 13;    // a value whose bytes do not fit its type
inline constexpr int ERROR_WRITE_FAULT = 29;     // the file system refused a write
inline constexpr int ERROR_LOCK_VIOLATION = 33;  // another process held the key too long
inline constexpr int ERROR_INVALID_PARAMETER = 87;
inline constexpr int ERROR_DISK_FULL = 112;
inline constexpr int ERROR_KEY_DELETED = 1018;  // the key was deleted while open
// A stored value of a type other than REG_SZ and REG_DWORD, read as a value.
inline constexpr int kStatusUnsupportedType = -1;

}  // namespace sentrel::reg
