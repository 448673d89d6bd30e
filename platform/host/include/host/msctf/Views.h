// The view of a context's document as the application lays it out, for
// ITfContextView: where the text stands on the screen and how big each
// unit is. Text runs on one line from (left, top), advance pixels per
// UTF-16 unit, lineHeight pixels per line; a CR, an LF or a CR LF pair
// starts the next line. The view's window is a top-level window of that
// rectangle (left, top, width, height) that the application made with the
// context. Moving, resizing or destroying the view tells the context's
// ITfTextLayoutSinks.
#pragma once

#include "Platform.h"

namespace host {

struct ViewLayout {
  LONG left = 100;
  LONG top = 100;
  LONG width = 800;
  LONG height = 600;
  LONG advance = 8;
  LONG lineHeight = 20;
};

ViewLayout ViewLayoutOf(ITfContext* context);
// Moves or resizes the view (and its window): OnLayoutChange(TF_LC_CHANGE);
// after DestroyView, a new view and window: OnLayoutChange(TF_LC_CREATE).
void SetViewLayout(ITfContext* context, const ViewLayout& layout);
// The application destroys the view and its window:
// OnLayoutChange(TF_LC_DESTROY). Until a new layout, GetTextExt and
// GetScreenExt give TF_E_NOLAYOUT and GetWnd a null window.
void DestroyView(ITfContext* context);
// The view's window, or null.
HWND ViewWindow(ITfContext* context);

}  // namespace host
