// Menu templates written byte by byte, as a resource compiler lays them out,
// for the menu tests: the shape of the language-bar menu in the normal and
// the extended form.
#pragma once

#include <vector>

#include "ResourceBytes.h"

namespace testmenus {

using testresources::Bytes;

// POPUP "LutemIMEMenu" { POPUP "Keyboard Layout" { 40004 "Lutem Phonetic",
// 40005 "Khipro", SEPARATOR, 40011 "Lutem (Fixed)" (grayed) }, SEPARATOR,
// POPUP "Output Encoding" { 40007 "Unicode", 40009 "ANSI" },
// 40001 "Settings...", 40002 "&About Lutem" }
inline std::vector<BYTE> NormalTemplate() {
  Bytes b;
  b.Word(0);  // version
  b.Word(0);  // header size
  auto item = [&](WORD flags, WORD id, std::u16string_view text) {
    b.Word(flags);
    b.Word(id);
    b.Text(text);
  };
  auto popup = [&](WORD flags, std::u16string_view text) {
    b.Word(flags | MF_POPUP);
    b.Text(text);
  };
  popup(MF_END, u"LutemIMEMenu");
  popup(0, u"Keyboard Layout");
  item(0, 40004, u"Lutem Phonetic");
  item(0, 40005, u"Khipro");
  item(0, 0, u"");
  item(MF_END | MF_GRAYED, 40011, u"Lutem (Fixed)");
  item(0, 0, u"");
  popup(0, u"Output Encoding");
  item(0, 40007, u"Unicode");
  item(MF_END, 40009, u"ANSI");
  item(0, 40001, u"Settings...");
  item(MF_END, 40002, u"&About Lutem");
  return b.data;
}

// The same menu in the extended form.
inline std::vector<BYTE> ExtendedTemplate() {
  Bytes b;
  b.Word(1);   // version
  b.Word(4);   // offset of the items from the end of this field
  b.Dword(0);  // help id
  auto item = [&](DWORD type, DWORD state, DWORD id, WORD flags, std::u16string_view text) {
    b.Align();
    b.Dword(type);
    b.Dword(state);
    b.Dword(id);
    b.Word(flags);
    b.Text(text);
    if (flags & 0x01) {
      b.Align();
      b.Dword(0);  // the popup's help id
    }
  };
  constexpr WORD kPopup = 0x01;
  constexpr WORD kLast = 0x80;
  item(0, 0, 0, kPopup | kLast, u"LutemIMEMenu");
  item(0, 0, 0, kPopup, u"Keyboard Layout");
  item(0, 0, 40004, 0, u"Lutem Phonetic");
  item(0, 0, 40005, 0, u"Khipro");
  item(MFT_SEPARATOR, 0, 0, 0, u"");
  item(0, MFS_GRAYED, 40011, kLast, u"Lutem (Fixed)");
  item(MFT_SEPARATOR, 0, 0, 0, u"");
  item(0, 0, 0, kPopup, u"Output Encoding");
  item(0, 0, 40007, 0, u"Unicode");
  item(0, 0, 40009, kLast, u"ANSI");
  item(0, 0, 40001, 0, u"Settings...");
  item(0, 0, 40002, kLast, u"&About Lutem");
  return b.data;
}

}  // namespace testmenus
