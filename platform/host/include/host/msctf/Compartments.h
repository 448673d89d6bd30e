// The compartments of the calling thread's thread manager and of contexts,
// as the host reads them (reading makes no compartment), and the switch
// that decides whether writing an unchanged value notifies.
#pragma once

#include "Platform.h"

namespace host {

struct CompartmentValue {
  VARTYPE type;  // VT_EMPTY (never written, or cleared), VT_I4 or VT_UNKNOWN
  LONG value;    // for VT_I4
};

CompartmentValue ThreadCompartment(REFGUID guid);
CompartmentValue ContextCompartment(ITfContext* context, REFGUID guid);

// Whether ITfCompartment::SetValue of the value already held calls the
// OnChange sinks (false at the start). Process-wide.
void SetCompartmentNotifiesUnchangedWrites(bool notify);

}  // namespace host
