// PathRemoveFileSpecW and PathAppendW.
#include <gtest/gtest.h>

#include <string>

#include "Platform.h"

namespace {

TEST(PathTest, RemoveFileSpecKeepsTheRoot) {
  struct Case {
    std::u16string path;
    BOOL removed;
    std::u16string after;
  };
  const Case kCases[] = {
      {u"C:\\Program Files (x86)\\Hollin\\LutemSettings.exe", TRUE,
       u"C:\\Program Files (x86)\\Hollin"},
      {u"C:\\dir\\", TRUE, u"C:\\dir"},
      {u"C:\\file.txt", TRUE, u"C:\\"},
      {u"C:\\", FALSE, u"C:\\"},
      {u"C:file", TRUE, u"C:"},
      {u"\\file", TRUE, u"\\"},
      {u"file.txt", TRUE, u""},
      {u"", FALSE, u""},
      {u"\\\\server\\share\\file", TRUE, u"\\\\server\\share"},
      {u"\\\\server\\share", FALSE, u"\\\\server\\share"},
      // Only the backslash separates.
      {u"/usr/bin/tool", TRUE, u""},
  };
  for (const Case& c : kCases) {
    WCHAR buffer[MAX_PATH];
    std::copy(c.path.begin(), c.path.end(), buffer);
    buffer[c.path.size()] = 0;
    EXPECT_EQ(PathRemoveFileSpecW(buffer), c.removed) << std::string(c.path.begin(), c.path.end());
    EXPECT_EQ(std::u16string(buffer), c.after) << std::string(c.path.begin(), c.path.end());
  }
  EXPECT_FALSE(PathRemoveFileSpecW(nullptr));
}

TEST(PathTest, AppendJoinsWithOneBackslashAndCanonicalises) {
  struct Case {
    std::u16string first;
    std::u16string more;
    std::u16string joined;
  };
  const Case kCases[] = {
      {u"C:\\Program Files (x86)\\Hollin", u"EULA.rtf",
       u"C:\\Program Files (x86)\\Hollin\\EULA.rtf"},
      {u"C:\\dir\\", u"\\file", u"C:\\dir\\file"},
      {u"C:\\", u"file", u"C:\\file"},
      {u"C:\\a\\b", u"..\\c", u"C:\\a\\c"},
      {u"C:\\a", u".\\..\\..\\c", u"C:\\c"},
      {u"C:\\a", u"D:\\other", u"D:\\other"},
      {u"", u"file", u"file"},
  };
  for (const Case& c : kCases) {
    WCHAR buffer[MAX_PATH];
    std::copy(c.first.begin(), c.first.end(), buffer);
    buffer[c.first.size()] = 0;
    EXPECT_TRUE(PathAppendW(buffer, c.more.c_str()));
    EXPECT_EQ(std::u16string(buffer), c.joined);
  }
  // A result of MAX_PATH units or more is refused and changes nothing.
  std::u16string longPath = u"C:\\" + std::u16string(250, u'a');
  WCHAR buffer[MAX_PATH];
  std::copy(longPath.begin(), longPath.end(), buffer);
  buffer[longPath.size()] = 0;
  EXPECT_FALSE(PathAppendW(buffer, u"0123456789"));
  EXPECT_EQ(std::u16string(buffer), longPath);
  EXPECT_FALSE(PathAppendW(buffer, nullptr));
}

}  // namespace
