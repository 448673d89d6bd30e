// Compositions: the range a text service owns while the user composes, the
// context's door to start one, and the sink told when the application ends
// it. Slot order and signatures as in the SDK's msctf.idl, as the Text
// Services Framework reference lists them.
#pragma once

#include "platform/msctf/WinTsf.h"

struct ITfContextComposition : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE StartComposition(TfEditCookie ecWrite,
                                                     ITfRange* pCompositionRange,
                                                     ITfCompositionSink* pSink,
                                                     ITfComposition** ppComposition) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumCompositions(IEnumITfCompositionView** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindComposition(TfEditCookie ecRead, ITfRange* pTestRange,
                                                    IEnumITfCompositionView** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE TakeOwnership(TfEditCookie ecWrite,
                                                  ITfCompositionView* pComposition,
                                                  ITfCompositionSink* pSink,
                                                  ITfComposition** ppComposition) = 0;
};

struct ITfComposition : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetRange(ITfRange** ppRange) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShiftStart(TfEditCookie ecWrite, ITfRange* pNewStart) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShiftEnd(TfEditCookie ecWrite, ITfRange* pNewEnd) = 0;
  virtual HRESULT STDMETHODCALLTYPE EndComposition(TfEditCookie ecWrite) = 0;
};

struct ITfCompositionSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnCompositionTerminated(TfEditCookie ecWrite,
                                                            ITfComposition* pComposition) = 0;
};

inline constexpr IID IID_ITfContextComposition = {
    0xd40c8aae, 0xac92, 0x4fc7, {0x9a, 0x11, 0x0e, 0xe0, 0xe2, 0x3a, 0xa3, 0x9b}};
inline constexpr IID IID_ITfComposition = {
    0x20168d64, 0x5a8f, 0x4a5a, {0xb7, 0xbd, 0xcf, 0xa2, 0x9f, 0x4d, 0x0f, 0xd9}};
inline constexpr IID IID_ITfCompositionSink = {
    0xa781718c, 0x579a, 0x4b15, {0xa2, 0x80, 0x32, 0xb8, 0x57, 0x7a, 0xcc, 0x5e}};
