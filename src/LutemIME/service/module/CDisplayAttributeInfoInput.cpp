#include "service/module/CDisplayAttributeInfoInput.h"

#include "service/module/TextServiceGuids.h"

CDisplayAttributeInfoInput::CDisplayAttributeInfoInput() {
  guid = &GUID_DisplayAttributeInput;
  description = TEXT("Lutem Text Service Display Attribute Input");
}
