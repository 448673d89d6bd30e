#include "service/module/DllInstance.h"

HINSTANCE DllInstance = nullptr;
