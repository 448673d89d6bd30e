// Text Services Framework basics: client ids, preserved keys, modifier masks.
#pragma once

#include "platform/base/WinTypes.h"

typedef DWORD TfClientId;
#define TF_CLIENTID_NULL ((TfClientId)0)

struct TF_PRESERVEDKEY {
  UINT uVKey;
  UINT uModifiers;
};

#define TF_MOD_ALT 0x0001
#define TF_MOD_CONTROL 0x0002
#define TF_MOD_SHIFT 0x0004
