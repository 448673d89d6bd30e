// riched20.dll, its RichEdit20W class and EM_STREAMIN.
#include <gtest/gtest.h>

#include <string>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/riched20/RichEdit.h"
#include "host/user32/Desktop.h"
#include "riched20/RtfText.h"

namespace {

struct Source {
  std::string bytes;
  size_t at = 0;
  std::vector<LONG> asked;
  DWORD failAtCall = 0;  // the call that reports an error (from 1)
};

DWORD CALLBACK Feed(DWORD_PTR cookie, LPBYTE buffer, LONG bytes, LONG* done) {
  auto* source = reinterpret_cast<Source*>(cookie);
  source->asked.push_back(bytes);
  if (source->failAtCall == source->asked.size()) return 0x55;
  size_t n = std::min(static_cast<size_t>(bytes), source->bytes.size() - source->at);
  std::copy_n(source->bytes.data() + source->at, n, buffer);
  source->at += n;
  *done = static_cast<LONG>(n);
  return 0;
}

class RichEditTest : public ::testing::Test {
 protected:
  void SetUp() override { host::ResetDesktop(); }
  void TearDown() override {
    host::ResetDesktop();
    host::ClearFailures();
  }
  HWND Create() {
    return CreateWindowExW(0, u"RichEdit20W", u"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                           nullptr, nullptr);
  }
};

TEST_F(RichEditTest, TheClassExistsWhileTheLibraryIsLoaded) {
  EXPECT_EQ(Create(), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
  HMODULE library = LoadLibraryW(u"RICHED20");
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(LoadLibraryW(u"C:\\Windows\\System32\\riched20.dll"), library);
  WCHAR path[MAX_PATH];
  GetModuleFileNameW(library, path, MAX_PATH);
  EXPECT_EQ(std::u16string(path), u"C:\\Windows\\System32\\riched20.dll");
  HWND control = Create();
  EXPECT_NE(control, nullptr);
  DestroyWindow(control);
  FreeLibrary(library);
  EXPECT_NE(Create(), nullptr) << "still loaded once";
  host::ResetDesktop();
  FreeLibrary(library);
  EXPECT_EQ(Create(), nullptr);
  EXPECT_EQ(GetModuleHandleW(u"riched20.dll"), nullptr);
  // Another folder's riched20.dll is not the system's.
  EXPECT_EQ(LoadLibraryW(u"C:\\Elsewhere\\riched20.dll"), nullptr);
  host::FailCall("LoadLibraryW:riched20.dll");
  EXPECT_EQ(LoadLibraryW(u"riched20.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST_F(RichEditTest, StreamInCallsBackUntilNothingIsLeft) {
  HMODULE library = LoadLibraryW(u"riched20.dll");
  HWND control = Create();
  Source source;
  source.bytes = "{\\rtf1\\ansi " + std::string(9000, 'x') + "\\par}";
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0x99, Feed};
  LRESULT read = SendMessageW(control, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  EXPECT_EQ(stream.dwError, 0u);
  // Pieces of 4096 bytes until the callback gives none.
  EXPECT_EQ(source.asked, (std::vector<LONG>{4096, 4096, 4096, 4096}));
  std::optional<host::RichEditInfo> info = host::DescribeRichEdit(control);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->streamedBytes, source.bytes);
  EXPECT_EQ(info->text, std::u16string(9000, u'x') + u"\r");
  EXPECT_EQ(read, 9001);
  // After the stream the caret is at the end; EM_SETSEL moves it.
  EXPECT_EQ(info->selectionStart, 9001);
  SendMessageW(control, EM_SETSEL, 0, 0);
  DWORD start = 1, end = 1;
  SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  SendMessageW(control, EM_SETSEL, 5, -1);
  SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end, 9001u);

  // A callback that reports an error ends the transfer with its code.
  Source failing;
  failing.bytes = std::string(10000, 'y');
  failing.failAtCall = 2;
  EDITSTREAM broken{reinterpret_cast<DWORD_PTR>(&failing), 0, Feed};
  SendMessageW(control, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&broken));
  EXPECT_EQ(broken.dwError, 0x55u);
  EXPECT_EQ(failing.asked.size(), 2u);
  EXPECT_EQ(host::DescribeRichEdit(control)->text, std::u16string(4096, u'y'));
  host::ResetDesktop();
  FreeLibrary(library);
}

TEST(RtfTextTest, ThePlainTextOfADocument) {
  struct Case {
    std::string rtf;
    std::u16string text;
  };
  const Case kCases[] = {
      {"{\\rtf1\\ansi{\\fonttbl{\\f0 Segoe UI;}}{\\colortbl;\\red0\\green0\\blue0;}"
       "\\pard\\f0\\fs20 Hello\\par World}",
       u"Hello\rWorld"},
      {"{\\rtf1 {\\b Bold} and\\tab tab\\line next}", u"Bold and\ttab\vnext"},
      {"{\\rtf1 \\u169\\'a9 2025\\uc2 \\u8212xx!}", u"\u00A9 2025\u2014!"},
      {"{\\rtf1 \\'93quoted\\'94 \\{braces\\} \\\\}", u"\u201Cquoted\u201D {braces} \\"},
      {"{\\rtf1 {\\*\\generator Writer;}{\\info{\\title T}}kept\r\nline}", u"keptline"},
      {"{\\rtf1 a\\~b\\_c\\emdash d}", u"a\u00A0b\u2011c\u2014d"},
      {"{\\rtf1 unclosed \\", u"unclosed "},
  };
  for (const Case& c : kCases) EXPECT_EQ(riched20::RtfText::Of(c.rtf), c.text) << c.rtf;
}

}  // namespace
