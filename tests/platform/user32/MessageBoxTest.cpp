// MessageBoxW: recorded as shown, answered with its default button.
#include <gtest/gtest.h>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/user32/MessageBoxes.h"

namespace {

TEST(MessageBoxTest, RecordsTheBoxAndAnswersWithTheDefaultButton) {
  host::ClearMessageBoxes();
  struct Case {
    UINT type;
    int answer;
  };
  const Case kCases[] = {
      {MB_OK | MB_ICONERROR, IDOK},
      {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
      {MB_YESNO, IDYES},
      {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
      {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
      {MB_RETRYCANCEL, IDRETRY},
  };
  for (const Case& c : kCases)
    EXPECT_EQ(MessageBoxW(nullptr, u"text", u"caption", c.type), c.answer);
  EXPECT_EQ(MessageBoxW(nullptr, u"no caption", nullptr, MB_ICONINFORMATION), IDOK);
  std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
  ASSERT_EQ(boxes.size(), std::size(kCases) + 1);
  EXPECT_EQ(boxes[0].text, u"text");
  EXPECT_EQ(boxes[0].caption, u"caption");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(boxes[0].threadId, GetCurrentThreadId());
  EXPECT_EQ(boxes.back().caption, u"Error");

  // An owner that is no window, or a failure, shows nothing.
  host::ClearMessageBoxes();
  EXPECT_EQ(MessageBoxW(reinterpret_cast<HWND>(0x4321), u"t", u"c", MB_OK), 0);
  host::FailCall("MessageBoxW");
  EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", MB_OK), 0);
  host::ClearFailures();
  EXPECT_TRUE(host::MessageBoxes().empty());
}

}  // namespace
