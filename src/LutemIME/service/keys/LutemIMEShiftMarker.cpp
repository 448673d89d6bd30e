// Layout 8's Shift marker and the keys that do not take it.
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/LutemIME.h"

namespace {

constexpr int32_t kLowercaseLayout = 8;
constexpr WCHAR kShiftMarker = 0xF8FE;

}  // namespace

bool LutemIME::DropShiftMarkerBeforeKey(TfEditCookie ec, ITfContext* context) {
  if (CurrentLayout != kLowercaseLayout || engine == nullptr) return false;
  CCompositionProcessorEngine::KeyBuffer& keys = engine->keyBuffer;
  uint64_t length = keys.length;
  while (length != 0 && keys.text[length - 1] == kShiftMarker) --length;
  if (length == keys.length) return false;
  // The marker writes nothing, so the composed text and the list stay as
  // they are; the text keeps its storage, as after a Backspace.
  keys.length = length;
  if (length != 0 || composition == nullptr) return false;
  CancelComposition(ec, context);
  return true;
}
