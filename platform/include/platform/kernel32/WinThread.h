// Threads, waitable handles and critical sections. A critical section is
// recursive for its owning thread, as on Windows; handles are checked, so a
// closed or foreign handle fails with ERROR_INVALID_HANDLE instead of crashing.
#pragma once

#include <mutex>

#include "platform/base/WinHandle.h"
#include "platform/base/WinTypes.h"

#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_TIMEOUT 0x00000102L
#define WAIT_FAILED ((DWORD)0xFFFFFFFF)

typedef DWORD(WINAPI* PTHREAD_START_ROUTINE)(LPVOID parameter);
typedef PTHREAD_START_ROUTINE LPTHREAD_START_ROUTINE;

// Only creation flags 0 (start at once) are provided.
HANDLE CreateThread(LPSECURITY_ATTRIBUTES attributes, SIZE_T stackSize,
                    LPTHREAD_START_ROUTINE startAddress, LPVOID parameter, DWORD creationFlags,
                    LPDWORD threadId);
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
// The calling thread's id: nonzero, unique for the life of the process, the
// one CreateThread reported for a thread it made.
DWORD GetCurrentThreadId();

struct CRITICAL_SECTION {
  alignas(std::recursive_mutex) unsigned char storage[sizeof(std::recursive_mutex)];
};
typedef CRITICAL_SECTION* LPCRITICAL_SECTION;

void InitializeCriticalSection(LPCRITICAL_SECTION section);
// The spin count is accepted and not used. Windows Vista and later never fail
// this call; failure switch "InitializeCriticalSectionAndSpinCount" (FALSE,
// ERROR_NOT_ENOUGH_MEMORY, the section left uninitialised) reaches the
// callers' older failure paths.
BOOL InitializeCriticalSectionAndSpinCount(LPCRITICAL_SECTION section, DWORD spinCount);
void EnterCriticalSection(LPCRITICAL_SECTION section);
void LeaveCriticalSection(LPCRITICAL_SECTION section);
BOOL TryEnterCriticalSection(LPCRITICAL_SECTION section);
void DeleteCriticalSection(LPCRITICAL_SECTION section);
