#include "service/candidate/CandidateMeasures.h"

#include <algorithm>

bool CandidateMeasures::Serves(const Entry& entry, const WCHAR* text, uint64_t length,
                               float limit) {
  if (entry.limit != limit) return false;
  // A cut text's walk doubled its prefix while it stayed below half the
  // text: a text at least as long walks the same prefixes, and one with the
  // same units there stops at the same one.
  if (entry.Cut() ? length < entry.length : length != entry.length) return false;
  const size_t units = entry.shown.size();
  return std::equal(entry.shown.begin(), entry.shown.end(), AsChar16(text),
                    AsChar16(text) + units);
}

const CandidateMeasures::Entry* CandidateMeasures::Find(const WCHAR* text, uint64_t length,
                                                        float limit) const {
  if (text == nullptr) return nullptr;
  for (const std::vector<Entry>* list : {&current, &previous}) {
    for (const Entry& entry : *list)
      if (Serves(entry, text, length, limit)) return &entry;
  }
  return nullptr;
}

const CandidateMeasures::Entry& CandidateMeasures::Add(const WCHAR* text, uint64_t length,
                                                       INT shown, float limit, float width) {
  Entry entry;
  entry.shown.assign(AsChar16(text), static_cast<size_t>(std::max(shown, 0)));
  entry.length = length;
  entry.limit = limit;
  entry.width = width;
  current.push_back(std::move(entry));
  return current.back();
}

void CandidateMeasures::NextList() {
  // A list that repeats a text twice keeps one entry for it.
  previous.swap(current);
  current.clear();
}

void CandidateMeasures::Forget() {
  current.clear();
  previous.clear();
}
