// The About box and the licence dialog.
#include "SettingsProgram.h"
#include "host/riched20/RichEdit.h"

namespace settings_program {
namespace {

constexpr int kEula = 1005;
constexpr int kWebsite = 1006;
constexpr int kLicenceText = 1008;

TEST_F(SettingsProgramTest, TheAboutBoxShowsTheProductAndItsNotice) {
  Start(u"/about");
  std::optional<host::DialogInfo> about = Describe();
  ASSERT_TRUE(about);
  EXPECT_EQ(about->title, u"About Lutem");
  EXPECT_TRUE(about->exStyle & WS_EX_TOPMOST);
  EXPECT_NE(Control(-1).icon, nullptr) << "the program's icon";
  EXPECT_NE(Control(1007).text.find(u"Hollin"), std::u16string::npos);
  EXPECT_EQ(Control(kEula).text, u"EULA");
  EXPECT_EQ(Control(kWebsite).text, u"Website");
}

TEST_F(SettingsProgramTest, TheLicenceReachesTheRichEditControl) {
  InstallLicence();
  Start(u"/about");
  HWND about = Dialog();
  Click(kEula);
  std::optional<host::DialogInfo> licence = Describe();
  ASSERT_TRUE(licence);
  EXPECT_EQ(licence->title, u"End-User License Agreement");
  EXPECT_EQ(licence->owner, about);
  EXPECT_FALSE(IsWindowEnabled(about));
  std::optional<host::RichEditInfo> text = host::DescribeRichEdit(Control(kLicenceText).window);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->streamedBytes, ShippedLicence());
  EXPECT_NE(text->text.find(u"End-User License Agreement"), std::u16string::npos);
  // At the top with nothing selected, though the dialog manager selects all
  // of an edit control's text when it gives it the focus.
  EXPECT_EQ(text->selectionStart, 0);
  EXPECT_EQ(text->selectionEnd, 0);
  EXPECT_EQ(licence->focus, Control(kLicenceText).window);
  EXPECT_TRUE(host::MessageBoxes().empty());
  // The rich edit library is loaded only while the licence is shown.
  EXPECT_NE(GetModuleHandleW(u"riched20.dll"), nullptr);
  Click(IDOK);
  EXPECT_EQ(Dialog(), about);
  EXPECT_EQ(GetModuleHandleW(u"riched20.dll"), nullptr);
}

TEST_F(SettingsProgramTest, WithoutTheLicenceFileTheDialogSaysSoAndStillCloses) {
  Start(u"/about");
  Click(kEula);
  std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            u"Could not find or load 'EULA.rtf'.\nPlease place it in the same directory as the "
            u"executable.");
  EXPECT_EQ(boxes[0].caption, u"File Not Found");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_ICONINFORMATION));
  ASSERT_TRUE(Describe());
  EXPECT_EQ(boxes[0].owner, Dialog());
  EXPECT_EQ(Describe()->templateName, u"#130");
  EXPECT_TRUE(host::DescribeRichEdit(Control(kLicenceText).window)->text.empty());
  Click(IDOK);
  EXPECT_EQ(Describe()->templateName, u"#103");
}

// From its first picture on, not only after the first resize.
TEST_F(SettingsProgramTest, TheLicenceOpensAndResizesWithSevenPixelMarginsAndTheButtonCentred) {
  InstallLicence();
  Start(u"/about");
  Click(kEula);
  for (SIZE size : {SIZE{0, 0}, SIZE{800, 600}, SIZE{400, 300}}) {
    if (size.cx != 0)
      Do([size](HWND dialog) { return host::ResizeWindow(dialog, size.cx, size.cy); });
    SCOPED_TRACE(size.cx);
    std::optional<host::DialogInfo> licence = Describe();
    ASSERT_TRUE(licence);
    LONG width = licence->clientRect.right - licence->clientRect.left;
    LONG height = licence->clientRect.bottom - licence->clientRect.top;
    RECT text = Control(kLicenceText).rect;
    RECT button = Control(IDOK).rect;
    EXPECT_EQ(text.left, 7);
    EXPECT_EQ(text.top, 7);
    EXPECT_EQ(width - text.right, 7);
    EXPECT_EQ(button.top - text.bottom, 7);
    EXPECT_EQ(height - button.bottom, 7);
    EXPECT_EQ(button.left, (width - (button.right - button.left)) / 2);
  }
}

// A licence file that is there but cannot be read is reported as a missing
// one, and the dialog stays open, empty.
TEST_F(SettingsProgramTest, AnUnreadableLicenceFileIsReported) {
  std::filesystem::create_directories(InstallFolder() + "/EULA.rtf");
  Start(u"/about");
  Click(kEula);
  std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, u"File Not Found");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_ICONINFORMATION));
  ASSERT_TRUE(Describe());
  EXPECT_EQ(Describe()->templateName, u"#130");
  EXPECT_TRUE(host::DescribeRichEdit(Control(kLicenceText).window)->text.empty());
  Click(IDOK);
  EXPECT_EQ(Describe()->templateName, u"#103");
}

TEST_F(SettingsProgramTest, EscapeClosesTheLicenceThenTheAboutBox) {
  InstallLicence();
  DWORD process = Start(u"/about");
  Click(kEula);
  Do([](HWND dialog) { return host::PressDialogKey(dialog, VK_ESCAPE); });
  ASSERT_TRUE(Describe());
  EXPECT_EQ(Describe()->templateName, u"#103");
  Do([](HWND dialog) { return host::PressDialogKey(dialog, VK_ESCAPE); });
  EXPECT_EQ(Exit(process), 0);
}

TEST_F(SettingsProgramTest, WebsiteOpensTheProductsPageThroughTheShell) {
  Start(u"/about");
  Click(kWebsite);
  std::vector<host::ShellExecution> calls = host::ShellExecutions();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].operation, u"open");
  EXPECT_EQ(calls[0].file.substr(0, 8), u"https://");
  EXPECT_TRUE(calls[0].parameters.empty());
  EXPECT_TRUE(calls[0].directory.empty());
  EXPECT_EQ(calls[0].showCommand, SW_SHOWNORMAL);
}

TEST_F(SettingsProgramTest, WithoutTheRichEditLibraryTheAboutBoxSaysSo) {
  Start(u"/about");
  HWND about = Dialog();
  host::FailCall("LoadLibraryW:riched20.dll");
  Click(kEula);
  std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, u"Failed to load riched20.dll");
  EXPECT_EQ(boxes[0].caption, u"Error");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(boxes[0].owner, about);
  EXPECT_EQ(Dialog(), about) << "no licence dialog";
}

TEST_F(SettingsProgramTest, WithoutTheTextControlTheLicenceDialogEndsAtOnce) {
  Start(u"/about");
  // The licence dialog's window is made, then its text control fails.
  host::FailCall("CreateWindowExW", 2);
  Click(kEula);
  std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, u"Failed to get Rich Edit control handle.");
  EXPECT_EQ(boxes[0].caption, u"Error");
  EXPECT_EQ(Describe()->templateName, u"#103");
}

TEST_F(SettingsProgramTest, WithoutItsOwnPathTheLicenceDialogStaysEmpty) {
  InstallLicence();
  Start(u"/about");
  host::FailCall("GetModuleFileNameW");
  Click(kEula);
  std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, u"Could not determine the application's path.");
  EXPECT_EQ(Describe()->templateName, u"#130");
}

}  // namespace
}  // namespace settings_program
