/* A windowed program for the Wine stage's own check, built 32-bit and
 * 64-bit: it proves that windows reach the Xvfb screen and that the fonts
 * give Bengali glyphs (the 32-bit build, where 32-bit programs run, also
 * that wine32 runs windowed programs). It follows the protocol of
 * screenshots.sh: once its window is drawn it prints "LUTEM SCREEN READY
 * screen-check", waits for a line on standard input, and ends with code 0. */
#include <windows.h>
#include <gdiplus.h>
#include <stdio.h>

/* Draws with GDI+'s flat API, as the candidate window does, so the check
 * covers the fonts GDI+ finds. */
static void DrawLine(HDC dc, const wchar_t* text, float size, float y) {
  GpGraphics* graphics = NULL;
  GpFontFamily* family = NULL;
  GpFont* font = NULL;
  GpSolidFill* brush = NULL;
  RectF box = {16.0f, y, 800.0f, 200.0f};
  GdipCreateFromHDC(dc, &graphics);
  GdipSetTextRenderingHint(graphics, TextRenderingHintAntiAliasGridFit);
  GdipCreateFontFamilyFromName(L"FreeSans", NULL, &family);
  GdipCreateFont(family, size, FontStyleRegular, UnitPixel, &font);
  GdipCreateSolidFill(0xFF000000, &brush);
  GdipDrawString(graphics, text, -1, font, &box, NULL, (GpBrush*)brush);
  GdipDeleteBrush((GpBrush*)brush);
  GdipDeleteFont(font);
  GdipDeleteFontFamily(family);
  GdipDeleteGraphics(graphics);
}

static LRESULT CALLBACK Paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    UINT dpi = GetDpiForWindow(window);
    float size = 20.0f * dpi / 96.0f;
    wchar_t line[64];
    /* "Lutem" and the Bengali word for Bengali (U+09AC U+09BE U+0982 U+09B2 U+09BE) */
    DrawLine(dc, L"Lutem \x09AC\x09BE\x0982\x09B2\x09BE", size, 16.0f);
    swprintf(line, 64, L"32-bit, %u DPI", dpi);
    DrawLine(dc, line, size, 16.0f + 2.0f * size);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int main(void) {
  GdiplusStartupInput startup = {1, NULL, FALSE, FALSE};
  ULONG_PTR token;
  if (GdiplusStartup(&token, &startup, NULL) != Ok) return 1;
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  WNDCLASSW windowClass = {0};
  windowClass.lpfnWndProc = Paint;
  windowClass.hInstance = GetModuleHandleW(NULL);
  windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
  windowClass.lpszClassName = L"LutemScreenProbe";
  if (!RegisterClassW(&windowClass)) return 1;
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Lutem screen probe",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 480, 240, NULL, NULL,
                                windowClass.hInstance, NULL);
  if (window == NULL) return 1;
  UpdateWindow(window);
  MSG message;
  while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  puts("LUTEM SCREEN READY screen-check");
  fflush(stdout);
  char reply[16];
  if (fgets(reply, sizeof reply, stdin) == NULL) return 1;
  DestroyWindow(window);
  GdiplusShutdown(token);
  return 0;
}
