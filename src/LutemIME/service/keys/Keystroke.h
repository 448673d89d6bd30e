#pragma once

#include "Platform.h"

// One composition key: a virtual key with its TF_MOD_* modifiers and the key
// function it stands for.
struct _KEYSTROKE {
  UINT virtualKey;
  UINT modifiers;
  UINT function;
};
