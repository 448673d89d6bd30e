// A dialog template as an RT_DIALOG resource holds it: the DLGTEMPLATE form
// and the extended DLGTEMPLATEEX form (Windows' documentation of both, and
// of their DLGITEMTEMPLATE and DLGITEMTEMPLATEEX items).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "Platform.h"

namespace platform {

// A name or a number, as templates give classes, menus and control texts.
struct NameOrOrdinal {
  std::u16string name;
  WORD ordinal = 0;  // nonzero: the number stands in place of the name
  bool present = false;

  // The name, or "#n" for a number.
  std::u16string Text() const;
};

struct DialogItemTemplate {
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  DWORD id = 0;
  // The predefined classes' numbers (0x0080 to 0x0085) are given as names.
  std::u16string className;
  NameOrOrdinal text;
  std::vector<BYTE> creationData;
};

struct DialogTemplate {
  bool extended = false;
  DWORD helpId = 0;
  DWORD exStyle = 0;
  DWORD style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  NameOrOrdinal menu;
  NameOrOrdinal className;
  std::u16string title;
  // With DS_SETFONT.
  WORD pointSize = 0;
  WORD weight = 0;
  bool italic = false;
  BYTE charset = 0;
  std::u16string typeface;
  std::vector<DialogItemTemplate> items;
};

// Nothing for bytes that end early or are not a dialog template.
std::optional<DialogTemplate> ReadDialogTemplate(const void* data, size_t size);

// Dialog units to pixels by the fixed base of WinDialog.h: x * 6 / 4 and
// y * 13 / 8, rounded as MulDiv rounds.
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

}  // namespace platform
