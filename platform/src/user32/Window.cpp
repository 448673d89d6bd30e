#include "user32/Window.h"

namespace platform {

Window::Window(HWND handle, std::shared_ptr<WindowClass> windowClass, DWORD threadId)
    : handle(handle),
      windowClass(std::move(windowClass)),
      threadId(threadId),
      procedure(this->windowClass->procedure),
      extraBytes(static_cast<size_t>(this->windowClass->windowExtra), 0) {
  ++this->windowClass->windowCount;
}

Window::~Window() { --windowClass->windowCount; }

}  // namespace platform
