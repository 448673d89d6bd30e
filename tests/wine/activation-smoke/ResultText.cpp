#include "ResultText.h"

#include <cstdio>

std::string ResultText(HRESULT result) {
  switch (result) {
    case S_OK: return "S_OK";
    case S_FALSE: return "S_FALSE";
    case E_NOTIMPL: return "E_NOTIMPL";
    case E_FAIL: return "E_FAIL";
    case E_INVALIDARG: return "E_INVALIDARG";
    case E_NOINTERFACE: return "E_NOINTERFACE";
    case E_UNEXPECTED: return "E_UNEXPECTED";
    case CONNECT_E_ADVISELIMIT: return "CONNECT_E_ADVISELIMIT";
    case CONNECT_E_CANNOTCONNECT: return "CONNECT_E_CANNOTCONNECT";
    case CONNECT_E_NOCONNECTION: return "CONNECT_E_NOCONNECTION";
    default: break;
  }
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
  return text;
}
