#include "service/candidate/CandidatePageModel.h"

#include <new>

CandidatePageModel::CandidatePageModel(UINT pageSize) : pageSize(pageSize == 0 ? 1 : pageSize) {}

void CandidatePageModel::Clear() {
  itemCount = 0;
  selection = 0;
  pageStarts.clear();
}

HRESULT CandidatePageModel::SetPageIndex(const UINT* values, UINT count) {
  if (values == nullptr && count != 0) return E_INVALIDARG;
  try {
    std::vector<UINT> starts(values, values + count);
    pageStarts.swap(starts);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

HRESULT CandidatePageModel::SetPageIndexFromCount(UINT count) {
  const UINT pages = count / pageSize + 1;
  try {
    std::vector<UINT> starts(pages);
    for (UINT page = 0; page < pages; ++page) starts[page] = page * pageSize;
    pageStarts.swap(starts);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

bool CandidatePageModel::CurrentPage(UINT* page) const {
  if (page == nullptr || pageStarts.empty()) return false;
  const size_t count = pageStarts.size();
  for (size_t k = 1; k < count; ++k) {
    if (pageStarts[k] > selection) {
      *page = static_cast<UINT>(k - 1);
      return true;
    }
  }
  *page = static_cast<UINT>(count - 1);
  return true;
}

bool CandidatePageModel::ItemAtRow(UINT row, UINT* item) const {
  UINT page = 0;
  if (item == nullptr || row >= pageSize || !CurrentPage(&page)) return false;
  const uint64_t index = uint64_t{pageStarts[page]} + row;  // a start near 2^32 must not wrap to 0
  if (index >= itemCount) return false;
  *item = static_cast<UINT>(index);
  return true;
}

BOOL CandidatePageModel::RebuildPagesAroundSelection() {
  const uint64_t n = itemCount;
  const uint64_t p = pageSize;
  const uint64_t s = selection;
  if (n < p) return TRUE;
  // A selection past the items would lay out pages up to it, billions of
  // them for an index an application set.
  if (s >= n) return FALSE;

  uint64_t pages;
  if (s == 0)
    pages = n > p ? (n - 1) / p + 1 : 1;
  else
    pages = n > s + p ? (n - 2) / p + 2 : (s - 1) / p + 2;

  try {
    std::vector<UINT> starts;
    starts.reserve(pages);
    starts.push_back(0);
    const UINT offset = static_cast<UINT>(s % p);
    if (offset != 0 && starts.size() < pages) starts.push_back(offset);
    while (starts.size() < pages) starts.push_back(starts.back() + pageSize);
    pageStarts.swap(starts);
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
  return TRUE;
}

BOOL CandidatePageModel::RebuildAround(UINT index) {
  const UINT kept = selection;
  selection = index;
  const BOOL rebuilt = RebuildPagesAroundSelection();
  selection = kept;
  return rebuilt;
}

bool CandidatePageModel::IsPageShort(UINT page) const {
  const size_t count = pageStarts.size();
  if (page >= count) return false;
  if (count >= 2 && page != 0 && page != count - 1) return false;
  return pageStarts[page] > itemCount - pageSize;  // unsigned: never when N < P
}

HRESULT CandidatePageModel::IsLastPageShort(BOOL* isShort) const {
  if (isShort == nullptr) return E_INVALIDARG;
  UINT page = 0;
  if (!CurrentPage(&page)) {
    *isShort = FALSE;
    return S_FALSE;
  }
  *isShort = IsPageShort(page) ? TRUE : FALSE;
  return S_OK;
}

HRESULT CandidatePageModel::FillLastPage(UINT* page, UINT* first) {
  if (page == nullptr || first == nullptr) return E_INVALIDARG;
  if (*page >= pageStarts.size()) {
    *first = 0;
    return E_FAIL;
  }
  UINT current = *page;
  *first = pageStarts[current];

  BOOL isShort = FALSE;
  IsLastPageShort(&isShort);
  if (!isShort || pagesPinned) return E_FAIL;

  const UINT lastFull = itemCount - pageSize;
  const UINT lastPage = static_cast<UINT>(pageStarts.size() - 1);
  if (*first > lastFull && current == lastPage) {
    // The last page takes the last P items.
    RebuildAround(lastFull);
    CurrentPage(&current);
    *page = current;
    *first = pageStarts[current];
  } else if (*first < pageSize && current == 0) {
    RebuildAround(0);
  }
  pagesPinned = FALSE;
  return S_OK;
}

BOOL CandidatePageModel::MovePage(int direction) {
  if (direction == 0) return TRUE;
  UINT current = 0;
  if (!CurrentPage(&current)) return FALSE;
  const int64_t target = int64_t{current} + direction;
  if (target < 0 || target >= static_cast<int64_t>(pageStarts.size())) return FALSE;

  if (selection % pageSize == 0 && selection == pageStarts[current]) pagesPinned = TRUE;
  // The same row on the target page; unsigned, as the starts may be any values.
  selection = pageStarts[static_cast<size_t>(target)] - pageStarts[current] + selection;
  if (selection >= itemCount) selection = itemCount == 0 ? 0 : itemCount - 1;
  return TRUE;
}

BOOL CandidatePageModel::MoveSelection(int delta) {
  const UINT next = selection + static_cast<UINT>(delta);  // -1 from item 0 wraps past N
  if (next >= itemCount) return FALSE;

  BOOL isShort = FALSE;
  IsLastPageShort(&isShort);
  BOOL rebuild = TRUE;
  if (isShort && pageStarts.size() >= 2) {
    pagesPinned = TRUE;
    rebuild = next < pageStarts.back() ? TRUE : FALSE;
  }
  selection = next;
  if (rebuild) RebuildPagesAroundSelection();
  return TRUE;
}

BOOL CandidatePageModel::WrapSelection(int delta) {
  if (itemCount == 0) return FALSE;
  const int64_t next = int64_t{selection} + delta;
  if (next < 0)
    selection = itemCount - 1;
  else if (next >= itemCount)
    selection = 0;
  else
    selection = static_cast<UINT>(next);
  pagesPinned = TRUE;
  return TRUE;
}

BOOL CandidatePageModel::JumpSelection(UINT index) {
  if (itemCount == 0) return FALSE;
  const UINT target = index == 0xFFFFFFFF ? itemCount - 1 : index;
  if (target >= itemCount) return FALSE;
  selection = target;
  return RebuildPagesAroundSelection();
}
