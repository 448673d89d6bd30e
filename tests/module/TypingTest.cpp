// Typing, Backspace, Esc and the commits, as a user meets them in an
// application, under every way an application grants edit sessions.
#include <gmock/gmock.h>

#include "TypingFixture.h"

namespace {

using ::testing::ElementsAre;

const std::u16string kAmi = u"\u0986\u09AE\u09BF";  // আমি

class TypingTest : public TypingFixture {};

TEST_P(TypingTest, AmiInLayoutOneIsOneCompositionInTheInputAttribute) {
  Start(1);
  Type(u"a");
  ASSERT_EQ(Text(), u"\u0986");
  Type(u"mi");
  EXPECT_EQ(Text(), kAmi);
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{3}));
  EXPECT_EQ(host::SelectionOf(context_).start, 3);
  EXPECT_EQ(host::ApplicationCharacters(), u"");

  std::vector<host::PropertyRun> attribute = host::PropertyRuns(context_, GUID_PROP_ATTRIBUTE);
  ASSERT_EQ(attribute.size(), 1u);
  EXPECT_EQ(attribute[0].start, 0);
  EXPECT_EQ(attribute[0].end, 3);
  ASSERT_EQ(attribute[0].type, VT_I4);
  GUID guid = GUID_NULL;
  ASSERT_TRUE(host::GuidOfAtom(static_cast<TfGuidAtom>(attribute[0].value), guid));
  EXPECT_TRUE(IsEqualGUID(guid, GUID_DisplayAttributeInput));

  EXPECT_THAT(Candidates(), ElementsAre(kAmi, u"ami"));
  ASSERT_TRUE(CandidateWindow());
  EXPECT_TRUE(CandidateWindow()->visible);
}

INSTANTIATE_TEST_SUITE_P(Grants, TypingTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
