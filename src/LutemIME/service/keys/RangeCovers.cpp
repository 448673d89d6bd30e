#include "service/keys/RangeCovers.h"

BOOL RangeCovers(TfEditCookie editCookie, ITfRange* test, ITfRange* cover) {
  if (test == nullptr || cover == nullptr) return FALSE;
  LONG start = 0;
  if (FAILED(cover->CompareStart(editCookie, test, TF_ANCHOR_START, &start)) || start > 0)
    return FALSE;
  LONG end = 0;
  if (FAILED(cover->CompareEnd(editCookie, test, TF_ANCHOR_END, &end)) || end < 0) return FALSE;
  return TRUE;
}
