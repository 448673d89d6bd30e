#include "msctf/TextDocument.h"

#include <algorithm>

#include "msctf/TextSpan.h"

namespace platform {

bool operator==(const TextSelection& a, const TextSelection& b) {
  return a.start == b.start && a.end == b.end && a.activeEnd == b.activeEnd &&
         a.interim == b.interim;
}

void TextDocument::Replace(LONG start, LONG end, std::u16string_view text) {
  start = std::clamp<LONG>(start, 0, length());
  end = std::clamp<LONG>(end, start, length());
  LONG inserted = static_cast<LONG>(text.size());
  text_.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), text);
  properties_.Replace(start, end, inserted);
  for (TextSpan* span : spans_) span->Follow(start, end, inserted);
  selection_.start = TextSpan::Follow(selection_.start, TF_GRAVITY_FORWARD, start, end, inserted);
  selection_.end = TextSpan::Follow(selection_.end, TF_GRAVITY_FORWARD, start, end, inserted);
}

std::u16string_view TextDocument::Units(const WCHAR* text, LONG count) {
  if (text == nullptr) return std::u16string_view();
  if (count >= 0) return std::u16string_view(AsChar16(text), static_cast<size_t>(count));
  return std::u16string_view(AsChar16(text));
}

void TextDocument::Select(LONG start, LONG end, TfActiveSelEnd activeEnd, BOOL interim) {
  selection_.start = std::clamp<LONG>(std::min(start, end), 0, length());
  selection_.end = std::clamp<LONG>(std::max(start, end), 0, length());
  selection_.activeEnd = activeEnd;
  selection_.interim = interim;
}

PropertyValue TextDocument::ValueAt(REFGUID property, LONG index) const {
  if (!IsEqualGUID(property, GUID_PROP_COMPOSING)) return properties_.Get(property, index);
  for (const TextSpan* span : composing_) {
    if (span->start() <= index && index < span->end()) return PropertyValue{VT_I4, 1};
  }
  return PropertyValue{};
}

std::vector<PropertyRun> TextDocument::Runs(REFGUID property, LONG start, LONG end) const {
  std::vector<PropertyRun> runs;
  start = std::clamp<LONG>(start, 0, length());
  end = std::clamp<LONG>(end, start, length());
  // The column is found once, not per unit: a long composition's runs are
  // asked for at every key.
  const bool composing = IsEqualGUID(property, GUID_PROP_COMPOSING);
  const PropertyValue* values = composing ? nullptr : properties_.Values(property);
  for (LONG i = start; i < end; ++i) {
    const PropertyValue value = composing ? ValueAt(property, i)
                                : values  ? values[i]
                                          : PropertyValue{};
    if (runs.empty() || runs.back().value != value) {
      runs.push_back(PropertyRun{i, i + 1, value});
    } else {
      runs.back().end = i + 1;
    }
  }
  return runs;
}

void TextDocument::AddComposing(const TextSpan* span) { composing_.push_back(span); }

void TextDocument::RemoveComposing(const TextSpan* span) {
  composing_.erase(std::remove(composing_.begin(), composing_.end(), span), composing_.end());
}

void TextDocument::Attach(TextSpan* span) { spans_.push_back(span); }

void TextDocument::Detach(TextSpan* span) {
  // Spans mostly go in the reverse order of their making.
  auto found = std::find(spans_.rbegin(), spans_.rend(), span);
  if (found != spans_.rend()) spans_.erase(std::next(found).base());
}

}  // namespace platform
