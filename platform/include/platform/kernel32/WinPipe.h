// Named pipes, both ends. Message-type pipes keep each write as one message;
// a client handle starts in byte read mode, as on Windows. PIPE_NOWAIT on
// either end makes ReadFile with nothing there fail with ERROR_NO_DATA and
// ConnectNamedPipe with no client waiting fail with ERROR_PIPE_LISTENING.
// FlushFileBuffers waits until the other end has read what was written, or
// has closed. CreateNamedPipeW keeps the security descriptor it is given (or
// Windows' default) and CreateFileW checks the caller against it.
#pragma once

#include "platform/kernel32/WinFile.h"

#define PIPE_ACCESS_INBOUND 0x00000001
#define PIPE_ACCESS_OUTBOUND 0x00000002
#define PIPE_ACCESS_DUPLEX 0x00000003
#define FILE_FLAG_FIRST_PIPE_INSTANCE 0x00080000

#define PIPE_TYPE_BYTE 0x00000000
#define PIPE_TYPE_MESSAGE 0x00000004
#define PIPE_READMODE_BYTE 0x00000000
#define PIPE_READMODE_MESSAGE 0x00000002
#define PIPE_WAIT 0x00000000
#define PIPE_NOWAIT 0x00000001
#define PIPE_ACCEPT_REMOTE_CLIENTS 0x00000000
#define PIPE_REJECT_REMOTE_CLIENTS 0x00000008

#define PIPE_UNLIMITED_INSTANCES 255

HANDLE CreateNamedPipeW(LPCWSTR name, DWORD openMode, DWORD pipeMode, DWORD maxInstances,
                        DWORD outBufferSize, DWORD inBufferSize, DWORD defaultTimeOut,
                        LPSECURITY_ATTRIBUTES securityAttributes);
BOOL ConnectNamedPipe(HANDLE pipe, LPOVERLAPPED overlapped);
BOOL DisconnectNamedPipe(HANDLE pipe);
BOOL SetNamedPipeHandleState(HANDLE pipe, LPDWORD mode, LPDWORD maxCollectionCount,
                             LPDWORD collectDataTimeout);
// The process that created the pipe's server end, asked on either end.
BOOL GetNamedPipeServerProcessId(HANDLE pipe, PULONG serverProcessId);
BOOL PeekNamedPipe(HANDLE pipe, LPVOID buffer, DWORD bufferSize, LPDWORD bytesRead,
                   LPDWORD totalBytesAvail, LPDWORD bytesLeftThisMessage);
