// GdiplusStartup and GdiplusShutdown (gdiplusinit.h), from the GDI+
// documentation: every GDI+ call made before the first startup or after the
// last shutdown fails with GdiplusNotInitialized; startups nest, each token
// ends one; an unknown token is ignored. Versions 1 to 3 are accepted.
// Failure switch (host/FailureSwitch.h): "GdiplusStartup" (GenericError).
#pragma once

#include "platform/gdiplus/GdiplusTypes.h"

namespace Gdiplus {

enum DebugEventLevel { DebugEventLevelFatal, DebugEventLevelWarning };
typedef VOID(WINAPI* DebugEventProc)(DebugEventLevel level, CHAR* message);
typedef Status(WINAPI* NotificationHookProc)(ULONG_PTR* token);
typedef VOID(WINAPI* NotificationUnhookProc)(ULONG_PTR token);

struct GdiplusStartupInput {
  UINT32 GdiplusVersion;
  DebugEventProc DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;

  GdiplusStartupInput(DebugEventProc debugEventCallback = nullptr,
                      BOOL suppressBackgroundThread = FALSE, BOOL suppressExternalCodecs = FALSE)
      : GdiplusVersion(1),
        DebugEventCallback(debugEventCallback),
        SuppressBackgroundThread(suppressBackgroundThread),
        SuppressExternalCodecs(suppressExternalCodecs) {}
};

struct GdiplusStartupOutput {
  NotificationHookProc NotificationHook;
  NotificationUnhookProc NotificationUnhook;
};

extern "C" {
Status WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                             GdiplusStartupOutput* output);
VOID WINAPI GdiplusShutdown(ULONG_PTR token);
}

}  // namespace Gdiplus
