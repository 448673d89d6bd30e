#include "gdi32/DcPixels.h"

#include "gdi32/Bitmap.h"
#include "gdi32/DeviceContext.h"
#include "gdi32/GdiObjectTable.h"

namespace platform {

bool SelectedBitmapPixels(HDC dc, DcPixels* out) {
  GdiObjectTable& table = GdiObjectTable::Instance();
  std::shared_ptr<Bitmap> bitmap;
  {
    std::lock_guard<std::recursive_mutex> hold(table.Lock());
    auto context = table.FindAs<DeviceContext>(dc);
    if (!context) return false;
    bitmap = table.FindAs<Bitmap>(context->Selected(OBJ_BITMAP));
  }
  if (!bitmap || bitmap->BitsPerPixel() != 32) return false;
  out->width = bitmap->Width();
  out->height = bitmap->Height();
  out->topRow = bitmap->TopRow();
  out->rowStep = bitmap->DownStep();
  out->keepAlive = bitmap;
  return true;
}

}  // namespace platform
