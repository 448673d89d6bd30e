// One document's text as the stand-in's TSF keeps it for a context: the
// UTF-16 text, the application's selection (one, with an active end), the
// spans that follow edits (ranges, compositions), the property values per
// unit, the locks granted on it and whether the application lets anything
// write to it. Every change of the text goes through Replace, so spans,
// the selection and properties always agree with the text.
//
// The selection is the application's caret: both its ends have forward
// gravity (TextSpan's rule), so text inserted at the caret lands before it,
// as typing does.
//
// GUID_PROP_COMPOSING is not stored: it is VT_I4 1 over the text of every
// composition that is open and has no value elsewhere, as TSF keeps it.
//
// Objects that outlive their context (a range, a property or a composition
// a text service still holds) keep the document alive; owner() is the
// context until that context goes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Platform.h"
#include "msctf/EditLocks.h"
#include "msctf/TextProperties.h"

namespace platform {

class TextSpan;

struct TextSelection {
  LONG start = 0;
  LONG end = 0;
  TfActiveSelEnd activeEnd = TF_AE_NONE;
  BOOL interim = FALSE;
};
bool operator==(const TextSelection& a, const TextSelection& b);
inline bool operator!=(const TextSelection& a, const TextSelection& b) { return !(a == b); }

class TextDocument {
 public:
  TextDocument() = default;
  TextDocument(const TextDocument&) = delete;
  TextDocument& operator=(const TextDocument&) = delete;

  const std::u16string& text() const { return text_; }
  LONG length() const { return static_cast<LONG>(text_.size()); }
  // Replaces [start, end) (clamped to the text) by text.
  void Replace(LONG start, LONG end, std::u16string_view text);
  // The units a TSF text argument names: count units, or up to the NUL for
  // -1; none for a null pointer.
  static std::u16string_view Units(const WCHAR* text, LONG count);

  const TextSelection& selection() const { return selection_; }
  // Clamped to the text, start <= end.
  void Select(LONG start, LONG end, TfActiveSelEnd activeEnd, BOOL interim);

  PropertyValue ValueAt(REFGUID property, LONG index) const;
  // The runs of uniform value that cover [start, end), those without a
  // value included.
  std::vector<PropertyRun> Runs(REFGUID property, LONG start, LONG end) const;
  TextProperties& properties() { return properties_; }

  // The spans of open compositions (GUID_PROP_COMPOSING).
  void AddComposing(const TextSpan* span);
  void RemoveComposing(const TextSpan* span);

  EditLocks& locks() { return locks_; }
  bool readOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

  ITfContext* owner() const { return owner_; }
  void SetOwner(ITfContext* owner) { owner_ = owner; }

 private:
  friend class TextSpan;
  void Attach(TextSpan* span);
  void Detach(TextSpan* span);

  std::u16string text_;
  TextSelection selection_;
  std::vector<TextSpan*> spans_;
  std::vector<const TextSpan*> composing_;
  TextProperties properties_;
  EditLocks locks_;
  bool readOnly_ = false;
  ITfContext* owner_ = nullptr;
};

}  // namespace platform
