#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Platform.h"

// The widths of the candidates of the list shown and of the list before it,
// so that a key whose list repeats a candidate does not lay it out again.
// A candidate is kept as far as it was laid out (MeasuringGraphics::
// VisibleLength): a text cut at a prefix stands for every longer text with
// that prefix, since such a text is laid out to the same prefix and the same
// width; a text kept whole stands only for itself. Entries belong to one
// font: the window forgets them all when its font changes.
class CandidateMeasures {
 public:
  struct Entry {
    std::u16string shown;  // the units laid out
    uint64_t length = 0;   // the whole text's
    float limit = 0;       // the width it was laid out against
    float width = 0;
    bool Cut() const { return shown.size() < length; }
  };

  // The entry that gives text's width against limit, or null.
  const Entry* Find(const WCHAR* text, uint64_t length, float limit) const;
  // Keeps the measure of text (its first `shown` units were laid out).
  const Entry& Add(const WCHAR* text, uint64_t length, INT shown, float limit, float width);
  // A new list: the one shown becomes the one before.
  void NextList();
  void Forget();

 private:
  static bool Serves(const Entry& entry, const WCHAR* text, uint64_t length, float limit);

  std::vector<Entry> current;
  std::vector<Entry> previous;
};
