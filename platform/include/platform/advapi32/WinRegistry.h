// The registry: keys and values under HKEY_CLASSES_ROOT, HKEY_CURRENT_USER
// and HKEY_LOCAL_MACHINE (three separate trees here), names compared without
// regard to case, values kept as their type and bytes. Subkeys enumerate in
// the order of their names, as Windows' hives keep them. RegDeleteKeyW
// refuses a key that has subkeys (ERROR_ACCESS_DENIED), as Windows does.
// Failure switches, each failing with ERROR_ACCESS_DENIED: "RegCreateKeyExW",
// "RegOpenKeyW", "RegOpenKeyExW", "RegSetValueExW", "RegEnumKeyExW",
// "RegDeleteKeyW".
#pragma once

#include "platform/base/WinHandle.h"

struct HKEY__;
typedef HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef DWORD REGSAM;
typedef LONG LSTATUS;

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)((LONG)0x80000000))
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)((LONG)0x80000001))
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)((LONG)0x80000002))

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_WOW64_64KEY 0x0100
#define KEY_WOW64_32KEY 0x0200
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_QWORD 11

#define REG_OPTION_NON_VOLATILE 0x00000000
#define REG_OPTION_VOLATILE 0x00000001

#define REG_CREATED_NEW_KEY 0x00000001
#define REG_OPENED_EXISTING_KEY 0x00000002

LSTATUS RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                        REGSAM desired, LPSECURITY_ATTRIBUTES securityAttributes, PHKEY result,
                        LPDWORD disposition);
LSTATUS RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM desired, PHKEY result);
// The older form: opens with every access right.
LSTATUS RegOpenKeyW(HKEY key, LPCWSTR subKey, PHKEY result);
// name gets the subkey's name and a NUL; nameLength is the buffer's size in
// characters on entry and the name's length on return. A name that does not
// fit gives ERROR_MORE_DATA; an index past the last subkey
// ERROR_NO_MORE_ITEMS. No key has a class, and the write time is not kept
// (zero).
LSTATUS RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameLength, LPDWORD reserved,
                      LPWSTR keyClass, LPDWORD classLength, PFILETIME lastWriteTime);
LSTATUS RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                       DWORD dataSize);
LSTATUS RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD dataSize);
LSTATUS RegEnumValueW(HKEY key, DWORD index, LPWSTR valueName, LPDWORD valueNameLength,
                      LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize);
LSTATUS RegDeleteKeyW(HKEY key, LPCWSTR subKey);
LSTATUS RegDeleteValueW(HKEY key, LPCWSTR valueName);
LSTATUS RegCloseKey(HKEY key);
