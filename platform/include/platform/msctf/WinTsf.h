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
#define TF_MOD_RALT 0x0008
#define TF_MOD_RCONTROL 0x0010
#define TF_MOD_RSHIFT 0x0020
#define TF_MOD_LALT 0x0040
#define TF_MOD_LCONTROL 0x0080
#define TF_MOD_LSHIFT 0x0100
#define TF_MOD_ON_KEYUP 0x0200
#define TF_MOD_IGNORE_ALL_MODIFIER 0x0400
