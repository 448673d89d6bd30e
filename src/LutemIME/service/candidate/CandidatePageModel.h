#pragma once

#include <cstdint>
#include <vector>

#include "Platform.h"

// The pages of the candidate list: which items form a page, which page is
// current, how the selection and the pages move, and how a short last page is
// filled up when the window paints. Plain numbers only, so the candidate
// window owns one and forwards to it, and tests drive it without a window.
//
// N is the item count (the window's items), P the page size (the number of
// candidate labels), S the selection. Page starts are item indexes, normally
// ascending from 0; a start may equal or pass N, a page without items. Any
// values (an application may set them) are safe: nothing here indexes items.
class CandidatePageModel {
 public:
  // P below 1 counts as 1: it divides in every rebuild and page move.
  explicit CandidatePageModel(UINT pageSize);

  UINT PageSize() const { return pageSize; }
  UINT ItemCount() const { return itemCount; }
  // The window calls this whenever its item count changes.
  void SetItemCount(UINT count) { itemCount = count; }

  // The selection is written as given, unchecked (the number keys and the
  // commit write it directly); every reader checks it against N.
  UINT Selection() const { return selection; }
  void SetSelection(UINT index) { selection = index; }

  BOOL PagesPinned() const { return pagesPinned; }
  void SetPagesPinned(BOOL pinned) { pagesPinned = pinned; }

  const std::vector<UINT>& PageStarts() const { return pageStarts; }
  UINT PageCount() const { return static_cast<UINT>(pageStarts.size()); }

  // The list was emptied: no items, no pages, selection 0. The pinned flag
  // lives as long as the window.
  void Clear();

  // The page starts become the count values given (count 0 empties them).
  // E_INVALIDARG for null values with a count; E_OUTOFMEMORY leaves the
  // pages as they were.
  HRESULT SetPageIndex(const UINT* values, UINT count);
  // The layout of a new list of count items: count / P + 1 starts at 0, P,
  // 2P...; a count that is a multiple of P ends with an empty page.
  HRESULT SetPageIndexFromCount(UINT count);

  // The page that holds S: the last page whose start is not greater than S
  // (page 0 when even the second start is greater). False without pages.
  bool CurrentPage(UINT* page) const;
  // The item shown on row (0-based) of the current page; false when there
  // is none (no pages, row not below P, or the item not below N). A click
  // on a row and a number key both land here.
  bool ItemAtRow(UINT row, UINT* item) const;

  // Lays the pages out so that S begins one. TRUE without a change when
  // N < P; FALSE, nothing changed, when S is not below N or no memory.
  BOOL RebuildPagesAroundSelection();
  // Whether the current page is the first, last or only one and starts past
  // N - P (unsigned, so never when N < P). S_FALSE and FALSE without pages.
  HRESULT IsLastPageShort(BOOL* isShort) const;
  // Called by every paint with the current page: settles the first item to
  // draw and, when a short first or last page is not pinned, lays the pages
  // out again so that the page is full. E_FAIL when it left everything
  // alone (*first is still the page's start), S_OK when it acted.
  HRESULT FillLastPage(UINT* page, UINT* first);
  // The window's page move: S keeps its row on the target page, or the last
  // item when that row is empty. FALSE without pages or past either end.
  BOOL MovePage(int direction);
  // The window's one-step move (+1 or -1): no wrap-around; FALSE at either
  // end. Rebuilds around the new selection unless it moves within a short
  // first or last page, which it pins instead.
  BOOL MoveSelection(int delta);

  // The candidate list element's one-step move and the mouse wheel: wraps
  // from the first item to the last and back, and pins the pages (the page
  // that holds the new selection is shown as laid out). FALSE without items.
  BOOL WrapSelection(int delta);
  // Selects index (0xFFFFFFFF: the last item) and lays the pages out around
  // it. FALSE for an index not below N (nothing changed) or when the pages
  // could not be laid out for want of memory (the selection moved).
  BOOL JumpSelection(UINT index);

 private:
  bool IsPageShort(UINT page) const;
  BOOL RebuildAround(UINT index);

  UINT pageSize;
  UINT itemCount = 0;
  UINT selection = 0;
  std::vector<UINT> pageStarts;
  BOOL pagesPinned = FALSE;
};
