#pragma once

#include <string>
#include <string_view>

// A text setting that every UI thread of the process reads and writes (an
// application with several UI threads activates a text service on each):
// a reader takes a copy under the settings' one lock, so it never sees a
// buffer that another thread is freeing.
class SharedSettingText {
 public:
  explicit SharedSettingText(std::u16string_view initial);
  SharedSettingText(const SharedSettingText&) = delete;
  SharedSettingText& operator=(const SharedSettingText&) = delete;

  std::u16string Get() const;
  void Set(std::u16string value);

  SharedSettingText& operator=(std::u16string value) {
    Set(std::move(value));
    return *this;
  }
  operator std::u16string() const { return Get(); }
  bool operator==(std::u16string_view other) const { return Get() == other; }

 private:
  std::u16string value_;
};
