// A GDI+ string format. A null format stands for the default one: near
// alignment on both axes, character trimming, no flags.
#pragma once

#include "Platform.h"
#include "host/gdiplus/GdiplusCalls.h"

namespace platform {

class StringFormat : public Gdiplus::GpStringFormat {
 public:
  using Public = Gdiplus::GpStringFormat;
  static constexpr const char* kKind = "string format";

  explicit StringFormat(int flags = 0) : flags(flags) {}

  host::GdiplusFormatRecord Record() const { return {align, lineAlign, trimming, flags}; }

  Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
  Gdiplus::StringAlignment lineAlign = Gdiplus::StringAlignmentNear;
  Gdiplus::StringTrimming trimming = Gdiplus::StringTrimmingCharacter;
  int flags;
};

}  // namespace platform
