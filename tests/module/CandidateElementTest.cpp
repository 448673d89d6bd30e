// The candidate-list element as applications and TSF hold and call it: an
// element kept after its list closed, the application's own values, a
// choice made after the focus moved, and the conversion list's colours.
#include <gmock/gmock.h>

#include "TypingFixture.h"
#include "host/user32/LayeredPicture.h"

namespace {

using ::testing::ElementsAre;

const std::u16string kAmi = u"\u0986\u09AE\u09BF";  // আমি

class CandidateElementTest : public TypingFixture {
 protected:
  // The live element as an application gets it from TSF, with a reference.
  ITfCandidateListUIElementBehavior* Element() {
    std::optional<host::LiveCandidateList> list = List();
    if (!list) return nullptr;
    ITfUIElementMgr* manager = nullptr;
    if (FAILED(App().threadMgr()->QueryInterface(IID_ITfUIElementMgr,
                                                 reinterpret_cast<void**>(&manager))))
      return nullptr;
    ITfUIElement* element = nullptr;
    manager->GetUIElement(list->id, &element);
    manager->Release();
    if (element == nullptr) return nullptr;
    ITfCandidateListUIElementBehavior* behavior = nullptr;
    element->QueryInterface(IID_ITfCandidateListUIElementBehavior,
                            reinterpret_cast<void**>(&behavior));
    element->Release();
    return behavior;
  }
};

TEST_P(CandidateElementTest, AnElementHeldPastItsListAnswersAsEmptyAndChoosesNothing) {
  host::SetUIElementShow(false);
  Start(1);
  Type(u"ami");
  ITfCandidateListUIElementBehavior* element = Element();
  ASSERT_NE(element, nullptr);
  Press("Enter");
  ASSERT_EQ(Composition(), std::nullopt);
  Type(u"ami");  // a new list, a new element

  UINT count = 99;
  EXPECT_EQ(element->GetCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
  BSTR text = nullptr;
  EXPECT_EQ(element->GetString(0, &text), E_FAIL);
  EXPECT_EQ(element->Finalize(), S_OK);
  host::PumpMessages();
  EXPECT_EQ(Text(), kAmi + u"\r" + kAmi) << "the old element commits nothing";
  EXPECT_TRUE(Composition());
  element->Release();  // the last reference: the element goes now
  host::PumpMessages();
  EXPECT_TRUE(Composition());
}

TEST_P(CandidateElementTest, ValuesFromTheApplicationAreCheckedAndAnIndexPastTheEndNamesNothing) {
  host::SetUIElementShow(false);
  Start(1);
  Type(u"ami");
  ITfCandidateListUIElementBehavior* element = Element();
  ASSERT_NE(element, nullptr);

  EXPECT_EQ(element->SetSelection(2), E_INVALIDARG);
  EXPECT_EQ(element->SetSelection(1), S_OK);
  UINT selection = 0;
  element->GetSelection(&selection);
  EXPECT_EQ(selection, 1u);

  BSTR text = reinterpret_cast<BSTR>(1);
  EXPECT_EQ(element->GetString(2, &text), E_FAIL);
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(element->GetString(1, &text), S_OK);
  EXPECT_EQ(std::u16string(AsChar16(text), SysStringLen(text)), u"ami");
  SysFreeString(text);

  EXPECT_EQ(element->SetPageIndex(nullptr, 1), E_INVALIDARG);
  UINT descending[] = {0, 5, 3};
  EXPECT_EQ(element->SetPageIndex(descending, 3), E_INVALIDARG);
  UINT starts[] = {0, 1};
  EXPECT_EQ(element->SetPageIndex(starts, 2), S_OK);
  UINT read[2] = {};
  UINT pages = 0;
  EXPECT_EQ(element->GetPageIndex(read, 2, &pages), S_OK) << "every start fitted";
  EXPECT_EQ(pages, 2u);
  EXPECT_THAT(read, ElementsAre(0u, 1u));
  EXPECT_EQ(element->GetPageIndex(read, 1, &pages), S_FALSE);
  UINT page = 9;
  EXPECT_EQ(element->GetCurrentPage(&page), S_OK);
  EXPECT_EQ(page, 1u) << "item 1 begins the second page";

  EXPECT_EQ(element->Finalize(), S_OK);
  host::PumpMessages();
  EXPECT_EQ(Text(), u"ami");
  element->Release();
}

TEST_P(CandidateElementTest, AChoiceMadeAfterTheFocusMovedChangesNoDocument) {
  // The word ended where it was typed when the user left it, and its list
  // with it: an application still holding the element chooses nothing.
  Start(1);
  Type(u"ami");
  ITfCandidateListUIElementBehavior* element = Element();
  ASSERT_NE(element, nullptr);
  ITfDocumentMgr* other = App().CreateDocument();
  App().Focus(other);
  host::PumpMessages();
  EXPECT_FALSE(CandidateWindow() && CandidateWindow()->visible);
  element->SetSelection(1);
  element->Finalize();
  host::PumpMessages();
  EXPECT_EQ(Text(), u"\u0986\u09AE\u09BF");
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_EQ(host::DocumentText(host::TsfApplication::TopContext(other)), u"");
  EXPECT_TRUE(Learned().empty());
  element->Release();
}

TEST_P(CandidateElementTest, TheConversionListIsDrawnInTheUsersTheme) {
  InstallShippedThemes(u"lutem_dark");
  // The list kept while typing cannot be begun, so the composition goes on
  // without one, and Enter asks for the conversion list instead.
  host::FailCall("ITfSource::AdviseSink:IID_ITfTextLayoutSink");
  Start(1);
  Type(u"a");
  host::ClearFailures();
  ASSERT_EQ(List(), std::nullopt);
  Press("Enter");
  ASSERT_TRUE(List());
  ASSERT_TRUE(CandidateWindow());
  std::optional<host::LayeredPicture> picture = host::LayeredPictureOf(CandidateWindow()->window);
  ASSERT_TRUE(picture);
  // Below the last row, inside the border: the panel's colour.
  const uint32_t panel =
      picture->picture.At(picture->picture.width / 2, picture->picture.height - 4);
  EXPECT_EQ(panel, 0xFF202124u) << std::hex << panel << ": lutem_dark's window background";
  Press("Enter");
  EXPECT_EQ(Text(), u"\u0986\r");
}

INSTANTIATE_TEST_SUITE_P(Grants, CandidateElementTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
