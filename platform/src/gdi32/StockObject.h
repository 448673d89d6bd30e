// A stock object of GDI (a brush, pen or font that GetStockObject hands out
// and that no one deletes), and the objects a new DC starts with.
#pragma once

#include <string>

#include "gdi32/GdiObject.h"

namespace platform {

class StockObject : public GdiObject {
 public:
  StockObject(DWORD type, std::string name, COLORREF color = 0)
      : type_(type), name_(std::move(name)), color_(color) {}

  DWORD Type() const override { return type_; }
  std::string Describe() const override { return name_; }
  COLORREF Color() const { return color_; }

 private:
  DWORD type_;
  std::string name_;
  COLORREF color_;
};

}  // namespace platform
