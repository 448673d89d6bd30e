#pragma once

#include "Platform.h"

// The About box (resource 103): the product, its version and legal notice,
// and buttons for the licence text and the product's web page.
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
