#include "user32/DialogTemplate.h"

#include "user32/ResourceReader.h"

namespace platform {
namespace {

constexpr WORD kOrdinalMark = 0xFFFF;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

NameOrOrdinal ReadNameOrOrdinal(ResourceReader& in) {
  NameOrOrdinal value;
  size_t start = in.Position();
  WORD first = in.Word();
  if (first == 0) return value;
  value.present = true;
  if (first == kOrdinalMark) {
    value.ordinal = in.Word();
    return value;
  }
  in.Seek(start);
  value.name = in.String();
  return value;
}

// The predefined control classes, by the numbers templates give them.
std::u16string ClassName(const NameOrOrdinal& value) {
  if (value.ordinal == 0) return value.name;
  switch (value.ordinal) {
    case 0x0080:
      return u"Button";
    case 0x0081:
      return u"Edit";
    case 0x0082:
      return u"Static";
    case 0x0083:
      return u"ListBox";
    case 0x0084:
      return u"ScrollBar";
    case 0x0085:
      return u"ComboBox";
    default:
      return value.Text();
  }
}

void ReadFont(ResourceReader& in, DialogTemplate& dialog) {
  if (!(dialog.style & DS_SETFONT)) return;
  dialog.pointSize = in.Word();
  if (dialog.extended) {
    dialog.weight = in.Word();
    dialog.italic = in.Byte() != 0;
    dialog.charset = in.Byte();
  }
  dialog.typeface = in.String();
}

DialogItemTemplate ReadItem(ResourceReader& in, bool extended) {
  DialogItemTemplate item;
  in.AlignToDword();
  if (extended) {
    item.helpId = in.Dword();
    item.exStyle = in.Dword();
    item.style = in.Dword();
  } else {
    item.style = in.Dword();
    item.exStyle = in.Dword();
  }
  item.x = static_cast<short>(in.Word());
  item.y = static_cast<short>(in.Word());
  item.cx = static_cast<short>(in.Word());
  item.cy = static_cast<short>(in.Word());
  item.id = extended ? in.Dword() : in.Word();
  item.className = ClassName(ReadNameOrOrdinal(in));
  item.text = ReadNameOrOrdinal(in);
  WORD extra = in.Word();
  // The classic form counts its own size word; the extended form does not.
  size_t bytes = extended ? extra : (extra >= 2 ? extra - 2u : 0u);
  for (size_t i = 0; i < bytes && in.Ok(); ++i) item.creationData.push_back(in.Byte());
  return item;
}

}  // namespace

std::u16string NameOrOrdinal::Text() const {
  if (ordinal == 0) return name;
  std::u16string text = u"#";
  for (char c : std::to_string(ordinal)) text += static_cast<char16_t>(c);
  return text;
}

std::optional<DialogTemplate> ReadDialogTemplate(const void* data, size_t size) {
  ResourceReader in(data, size);
  DialogTemplate dialog;
  WORD version = in.Word();
  WORD signature = in.Word();
  dialog.extended = version == 1 && signature == kExtendedSignature;
  if (dialog.extended) {
    dialog.helpId = in.Dword();
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
  } else {
    in.Seek(0);
    dialog.style = in.Dword();
    dialog.exStyle = in.Dword();
  }
  WORD count = in.Word();
  dialog.x = static_cast<short>(in.Word());
  dialog.y = static_cast<short>(in.Word());
  dialog.cx = static_cast<short>(in.Word());
  dialog.cy = static_cast<short>(in.Word());
  dialog.menu = ReadNameOrOrdinal(in);
  dialog.className = ReadNameOrOrdinal(in);
  dialog.title = in.String();
  ReadFont(in, dialog);
  for (WORD i = 0; i < count && in.Ok(); ++i) dialog.items.push_back(ReadItem(in, dialog.extended));
  if (!in.Ok()) return std::nullopt;
  return dialog;
}

int DialogUnitsToPixelsX(int units) { return MulDiv(units, kBaseUnitX, 4); }

int DialogUnitsToPixelsY(int units) { return MulDiv(units, kBaseUnitY, 8); }

}  // namespace platform
