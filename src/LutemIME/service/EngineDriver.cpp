#include "service/EngineDriver.h"

#include <algorithm>

void EngineDriver::SetKeys(CCompositionProcessorEngine& engine, std::u16string_view keys) {
  WCHAR* text = nullptr;
  if (!keys.empty()) {
    text = new WCHAR[keys.size()];
    std::copy(keys.begin(), keys.end(), text);
  }
  delete[] engine.keyBuffer.text;
  engine.keyBuffer = {keys.size(), text};
}

void EngineDriver::Convert(CCompositionProcessorEngine& engine) {
  WCHAR* converted = nullptr;
  if (engine.keyBuffer.length != 0)
    converted = engine.ConvertKeystrokes({engine.keyBuffer.length, engine.keyBuffer.text});
  delete[] engine.convertedText;
  engine.convertedText = converted;
}

void EngineDriver::Type(CCompositionProcessorEngine& engine, std::u16string_view keys,
                        LutemIMEArray<CCandidateListItem>* list) {
  SetKeys(engine, keys);
  Convert(engine);
  engine.BuildCandidateList(list);
}
