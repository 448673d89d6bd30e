#include "service/module/CDisplayAttributeInfoConverted.h"

#include "service/module/TextServiceGuids.h"

CDisplayAttributeInfoConverted::CDisplayAttributeInfoConverted() {
  guid = &GUID_DisplayAttributeConverted;
  description = TEXT("Lutem Text Service Display Attribute Converted");
}
