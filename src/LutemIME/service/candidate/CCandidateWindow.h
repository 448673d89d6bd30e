#pragma once

#include <memory>
#include <vector>

#include "Platform.h"
#include "common/ThemeColors.h"
#include "service/candidate/CBaseWindow.h"
#include "service/candidate/CandidateMeasures.h"
#include "service/candidate/CandidatePageModel.h"
#include "service/candidate/CandidatePicture.h"
#include "service/candidate/GdiplusHandles.h"
#include "suggest/CCandidateListItem.h"
#include "suggest/LutemIMEArray.h"

class MeasuringGraphics;

// What a click on a row calls: object is the one given with the callback
// (the candidate-list element), action 0 chooses the selected candidate.
// The callback may delete the window.
using CandidateWindowCallback = HRESULT (*)(void* object, UINT action);

// The window that shows one page of candidates: a top-most, non-activating
// layered pop-up drawn with GDI+ into an off-screen bitmap and handed to the
// screen with UpdateLayeredWindow. Each row holds a label and a candidate;
// the selected row is highlighted with a bar at its left; dots at the right
// edge show the pages. It follows its monitor's DPI, answers clicks and the
// wheel, and takes a new theme when the settings program announces one.
//
// GDI+ must be running while the object lives (the text service starts it).
// The owner creates the window with Create (the class "LutemIME.
// CandidateWindow"), destroys it with Destroy and then deletes the object.
// Without a window every operation works on the stored fields and nothing
// is drawn.
class CCandidateWindow : public CBaseWindow {
 public:
  // labels: the engine's candidate labels, not owned; their count is the
  // page size and the number of rows. widthChars: the width, in letters
  // "W", that the element gives the window first.
  CCandidateWindow(const LutemIMEArray<unsigned long>* labels, CandidateWindowCallback callback,
                   void* callbackContext, UINT widthChars);
  ~CCandidateWindow() override;

  void Move(int x, int y) override;
  // Shown without activation, and painted.
  void Show(BOOL show) override;
  LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
  // A click on a row selects its item, paints and calls the callback.
  void OnLButtonDown(POINT point) override;
  // The hand cursor over the window, the arrow elsewhere.
  void OnMouseMove(POINT point) override;

  // Copies the colours; a visible window is painted in them at once.
  void SetColors(const ThemeColors& colors);
  const ThemeColors& Colors() const { return colors; }

  // Appends a copy of the item's text and measures it. Nothing is appended
  // when the copy cannot be made.
  void AddString(const CCandidateListItem& item);
  // AddString for every item in order, measured on one graphics; a
  // candidate the list before this one held is not laid out again.
  void AddStrings(const LutemIMEArray<CCandidateListItem>& list);
  // Frees every item, empties the pages and selects 0; whether the pages
  // are pinned is kept.
  void ClearList();
  // Room for seven rows whatever the count, and the widest candidate (at
  // least 148 pixels at 96 DPI), but no wider than the work area of the
  // window's monitor; the top-left corner stays.
  void ResizeToContent();
  // Paints the whole window, unless it is hidden: a hidden layered window
  // shows nothing, and it is painted when it is shown (WM_SHOWWINDOW). A
  // picture that would come out as the one on the screen is not painted or
  // handed over again.
  void Render();

  UINT ItemCount() const { return static_cast<UINT>(items.Count()); }
  // Null past the end.
  const CCandidateListItem* GetItem(UINT index) const { return items.GetAt(index); }
  UINT Selection() const { return pages.Selection(); }
  // Unchecked, as the number keys and the element write it; paint after.
  void SetSelection(UINT index) { pages.SetSelection(index); }
  const std::vector<UINT>& PageStarts() const { return pages.PageStarts(); }
  UINT PageSize() const { return pages.PageSize(); }
  BOOL PagesPinned() const { return pages.PagesPinned(); }
  void SetPagesPinned(BOOL pinned) { pages.SetPagesPinned(pinned); }

  // The page operations (CandidatePageModel.h has their rules). MovePage and
  // MoveSelection paint when they moved; the rest leave painting to the
  // caller.
  HRESULT SetPageIndex(const UINT* values, UINT count) { return pages.SetPageIndex(values, count); }
  HRESULT SetPageIndexFromCount(UINT count) { return pages.SetPageIndexFromCount(count); }
  bool CurrentPage(UINT* page) const { return pages.CurrentPage(page); }
  bool ItemAtRow(UINT row, UINT* item) const { return pages.ItemAtRow(row, item); }
  BOOL RebuildPagesAroundSelection() { return pages.RebuildPagesAroundSelection(); }
  HRESULT IsLastPageShort(BOOL* isShort) const { return pages.IsLastPageShort(isShort); }
  HRESULT FillLastPage(UINT* page, UINT* first) { return pages.FillLastPage(page, first); }
  BOOL MovePage(int direction);
  BOOL MoveSelection(int delta);
  BOOL WrapSelection(int delta) { return pages.WrapSelection(delta); }
  BOOL JumpSelection(UINT index) { return pages.JumpSelection(index); }

  // Row metrics, in pixels at the window's DPI.
  UINT ItemHeight() const { return itemHeight; }
  UINT MinWidth() const { return minWidth; }
  void SetMinWidth(UINT width) { minWidth = width; }
  UINT Widest() const { return widest; }
  UINT Dpi() const { return dpi; }
  // Candidates measured and drawn whole, however long (off by default:
  // only as much as can show is laid out, to the same size and picture).
  void SetWholeText(bool whole);

 private:
  // The painting itself, hidden or not.
  void Paint();
  enum class RowHit { NoPages, Miss, Row };

  // The font for the DPI and the row metrics measured with it.
  void CreateFont();
  // Measures the item at index (its graphics made when first needed).
  void AppendItem(const CCandidateListItem& item, std::unique_ptr<MeasuringGraphics>* measuring);
  void MeasureWidest(size_t index, std::unique_ptr<MeasuringGraphics>* measuring);
  void RememberPage(UINT page, UINT first, CandidatePicture* picture) const;
  RECT WorkArea(const RECT& place) const;
  RowHit RowAt(POINT point, UINT* item);
  float Scale() const { return static_cast<float>(dpi) / 96.0f; }
  int Scaled(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi), 96); }

  void OnThemeUpdate();
  void OnSetCursor(HWND hwnd, WORD mouseMessage);
  void OnMouseWheel(short delta);
  void OnVScroll(WORD code, WORD position);
  void OnWindowPosChanged(HWND hwnd, const WINDOWPOS* position);
  void OnDpiChanged(HWND hwnd, UINT newDpi, const RECT* suggested);

  ThemeColors colors;
  LutemIMEArray<CCandidateListItem> items;
  CandidatePageModel pages;
  GdiplusPtr<Gdiplus::GpSolidFill> backgroundBrush;
  GdiplusPtr<Gdiplus::GpFont> font;
  uint64_t fontNumber = 0;
  UINT itemHeight = 0;
  UINT minWidth = 0;
  UINT widthChars;
  UINT widest = 0;
  const LutemIMEArray<unsigned long>* labels;
  CandidateWindowCallback callback;
  void* callbackContext;
  UINT dpi = USER_DEFAULT_SCREEN_DPI;
  bool wholeText = false;
  // How far each item was laid out (its units up to there) and whether that
  // cut it; the widths of this list and the one before.
  std::vector<uint64_t> shownUnits;
  std::vector<float> shownLimits;  // the width each was laid out against
  CandidateMeasures measures;
  // What is on the screen, as last handed over; empty when unknown.
  CandidatePicture presented;
  bool painted = false;  // a picture was handed to this window
};
