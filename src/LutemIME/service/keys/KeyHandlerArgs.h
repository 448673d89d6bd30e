#pragma once

#include "Platform.h"

// What a key handler gets: the edit session's cookie and context (not
// owned), the key's code after classification, its character (0 for none)
// and the function it stands for.
struct KeyHandlerArgs {
  TfEditCookie editCookie;
  ITfContext* context;
  UINT code;
  WCHAR character;
  UINT function;
};
