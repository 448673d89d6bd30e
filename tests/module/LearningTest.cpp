// The candidates a user chooses are learned in the phonetic layouts: the
// server is told, and the same keys offer that candidate first next time.
#include <gmock/gmock.h>

#include "TypingFixture.h"

namespace {

using ::testing::ElementsAre;

class LearningTest : public TypingFixture {};

TEST_P(LearningTest, TheSecondCandidateIsLearnedInLayoutsOneTwoAndThree) {
  struct Case {
    int layout;
    bool learns;
  };
  for (const Case& layout : {Case{1, true}, Case{2, true}, Case{3, true}, Case{4, false}}) {
    SCOPED_TRACE(layout.layout);
    Start(layout.layout);
    Type(u"ami");
    const std::vector<std::u16string> before = Candidates();
    ASSERT_GE(before.size(), 2u);
    ASSERT_EQ(before[1], u"ami");
    Press("Down");
    Press("Enter");
    EXPECT_EQ(Text(), u"ami\r");
    if (layout.learns) {
      EXPECT_THAT(Learned(), ElementsAre(u"ami:ami"));
    } else {
      EXPECT_THAT(Learned(), ElementsAre());
    }
    Type(u"ami");
    EXPECT_EQ(Candidates().at(0), layout.learns ? u"ami" : before[0]);
    // The first candidate teaches nothing.
    Press("Enter");
    EXPECT_EQ(Learned().size(), layout.learns ? 1u : 0u);
    Deactivate();
  }
}

INSTANTIATE_TEST_SUITE_P(Grants, LearningTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
