#pragma once

// The small range and property steps every composition operation takes.

#include "Platform.h"
#include "service/tsf/ComRef.h"

// The range of the context's default selection, when it has exactly one;
// nothing when the selection cannot be read.
ComRef<ITfRange> DefaultSelection(TfEditCookie editCookie, ITfContext* context);

// Makes range the context's only selection, with no active end.
void SelectRange(TfEditCookie editCookie, ITfContext* context, ITfRange* range);

// The composition's range; nothing when it has none to give (ended).
ComRef<ITfRange> CompositionRange(ITfComposition* composition);

// Sets a VT_I4 property of the context over range; nothing when the property
// cannot be had.
void SetRangeProperty(TfEditCookie editCookie, ITfContext* context, REFGUID property,
                      ITfRange* range, LONG value);
// Clears a property of the context over range.
void ClearRangeProperty(TfEditCookie editCookie, ITfContext* context, REFGUID property,
                        ITfRange* range);
