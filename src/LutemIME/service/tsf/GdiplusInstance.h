#pragma once

// GDI+ for the text service objects of the process, which may live on
// several threads: the first object starts it and the last one shuts it
// down. Starting and stopping are serialised, so no object meets GDI+ half
// started, and a release that races a creation never shuts it down under a
// live object.
class GdiplusInstance {
 public:
  // One more object; the first of the process calls GdiplusStartup. A
  // start that fails is not retried by later objects and never shut down.
  static void Acquire();
  // One object fewer; the last calls GdiplusShutdown if the start succeeded.
  static void Release();
};
