// Damaged models: every length and count, the start, the targets, the symbol
// tables and the weights of a model stream, damaged one at a time, and every
// byte of it flipped. Each damage either fails to load, leaving nothing
// behind, or (where the damaged value is as good as any other: a weight, a
// text, a label) gives a model that queries safely. None may take long or
// much memory: without the checks, some of these took seconds and gigabytes
// in the library's reader or in the symbol index.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>

#include "ModelStreamFields.h"
#include "conversion/CodePoints.h"
#include "modelbuild/AesCipher.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelTestFiles.h"
#include "suggest/ModelStreamCheck.h"

namespace {

using Words = std::vector<std::string>;

const std::string kKha = Utf8FromCodePoints(U"\u0996\u09BE");
const std::string kKa = Utf8FromCodePoints(U"\u0995\u09BE");
const std::string kA = Utf8FromCodePoints(U"\u0985");

LanguageModelBuilder Fixture() {
  LanguageModelBuilder builder("+");
  builder.AddWord(KeyUnits("(kh)a", "+"), kKha, 1.0f);
  builder.AddWord(KeyUnits("ka", "+"), kKa, 2.0f);
  builder.AddWord(KeyUnits("a", "+"), kA, 0.5f);
  return builder;
}

const ModelStreamFields& Fields() {
  static const ModelStreamFields fields(Fixture().Fst());
  return fields;
}

// Every reader of the model asks these after a load, failed or not, and a
// reader that wrongly took a failed load for ready must still find nothing.
void ExpectQueriesAreSafe(bool loaded) {
  for (const char* query : {"kha", "ka", "a", "khaka", "kah"}) {
    const Words words = DecodeWithLanguageModel(query, true);
    if (!loaded) {
      EXPECT_EQ(Words{}, words) << query;
    }
  }
}

class LanguageModelDamageTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetLanguageModelGlobals(); }
};

TEST_F(LanguageModelDamageTest, TheFieldMapSpellsTheLibrarysOwnBytes) {
  EXPECT_EQ(Fixture().Plaintext(), Fields().bytes());
  ASSERT_TRUE(PublishLanguageModelBytes(Fields().bytes()));
  EXPECT_EQ((Words{kKha}), DecodeWithLanguageModel("kha", true));
}

struct Damage {
  const char* what;
  std::string bytes;
};

std::vector<Damage> TargetedDamage() {
  const ModelStreamFields& f = Fields();
  const int64_t huge = int64_t{1} << 40;
  const int64_t states = Fixture().Fst().NumStates();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float minusInfinity = -std::numeric_limits<float>::infinity();
  std::string flippedMagic = f.bytes();
  flippedMagic[f.Field("magic").offset + 1] ^= 0x01;
  std::string otherType = f.bytes();
  otherType[f.Field("fsttype").offset] = 'V';
  std::string tableMagic = f.bytes();
  tableMagic[f.Field("osyms.magic").offset] ^= 0x40;
  // Input symbols 3 and 4 are "k" and "h": the second spelled as the first.
  std::string sameText = f.bytes();
  sameText[f.Field("isyms[4]").offset] = sameText[f.Field("isyms[3]").offset];
  std::string sameKey = f.With("isyms[4].key", 3);

  return {
      // The header.
      {"magic", flippedMagic},
      {"FST type", otherType},
      {"FST type length 2^31 - 1", f.With("fsttype.length", std::numeric_limits<int32_t>::max())},
      {"arc type length -1", f.With("arctype.length", -1)},
      {"no output table", f.With("flags", 1)},
      {"unknown flag", f.With("flags", 0x13)},
      {"start at the state count", f.With("start", states)},
      {"start -1", f.With("start", -1)},
      {"start 2^32, which narrows to 0", f.With("start", int64_t{1} << 32)},
      {"state count 2^40", f.With("numstates", huge)},
      {"state count unknown", f.With("numstates", -1)},
      {"state count 0", f.With("numstates", 0)},
      {"arc count 2^40", f.With("numarcs", huge)},
      // The symbol tables.
      {"symbol table magic", tableMagic},
      {"table name length 2^31 - 1", f.With("isyms.name.length", std::numeric_limits<int32_t>::max())},
      {"symbol count 2^40", f.With("isyms.size", huge)},
      {"symbol count -1", f.With("osyms.size", -1)},
      {"symbol length 2^31 - 1", f.With("isyms[3].length", std::numeric_limits<int32_t>::max())},
      {"symbol length -2", f.With("osyms[3].length", -2)},
      {"symbol key 2^40", f.With("isyms[3].key", huge)},
      {"symbol key -5", f.With("osyms[3].key", -5)},
      {"symbol key given twice", sameKey},
      {"symbol text given twice", sameText},
      // The states.
      {"final weight NaN", f.WithFloat("state[1].final", nan)},
      {"final weight minus infinity", f.WithFloat("state[1].final", minusInfinity)},
      {"arc count 2^40", f.With("state[0].narcs", huge)},
      {"arc count -1", f.With("state[0].narcs", -1)},
      // The arcs.
      {"target at the state count", f.With("state[0].arc[0].nextstate", states)},
      {"target -1", f.With("state[0].arc[0].nextstate", -1)},
      {"target 2^31 - 1", f.With("state[2].arc[0].nextstate", std::numeric_limits<int32_t>::max())},
      {"input label -3", f.With("state[0].arc[1].ilabel", -3)},
      {"output label -1", f.With("state[2].arc[0].olabel", -1)},
      {"arc weight NaN", f.WithFloat("state[0].arc[0].weight", nan)},
      {"arc weight minus infinity", f.WithFloat("state[0].arc[0].weight", minusInfinity)},
      // Cut short inside each part.
      {"cut in the header", f.bytes().substr(0, f.Field("start").offset + 3)},
      {"cut in the input table", f.bytes().substr(0, f.Field("isyms[4].key").offset)},
      {"cut in the output table", f.bytes().substr(0, f.Field("osyms[3]").offset)},
      {"cut in a state", f.bytes().substr(0, f.Field("state[1].narcs").offset + 2)},
      {"cut in an arc", f.bytes().substr(0, f.Field("state[2].arc[0].nextstate").offset)},
  };
}

TEST_F(LanguageModelDamageTest, EachDamagedFieldFailsTheLoad) {
  ASSERT_TRUE(PublishLanguageModelBytes(Fields().bytes()));  // failures must not leave it behind
  for (const Damage& d : TargetedDamage()) {
    EXPECT_FALSE(CheckModelStream(d.bytes)) << d.what;
    EXPECT_FALSE(PublishLanguageModelBytes(d.bytes)) << d.what;
    ExpectNoModelPublished();
    ExpectQueriesAreSafe(false);
  }
}

TEST_F(LanguageModelDamageTest, DamagedFilesFailThroughTheFileReaderToo) {
  LanguageModelScratch scratch;
  std::mutex lock;
  for (const Damage& d : TargetedDamage()) {
    EXPECT_FALSE(LoadLanguageModel(scratch.Write("Lutem_LM.bin", EncipherLanguageModel(d.bytes)), lock))
        << d.what;
    ExpectNoModelPublished();
  }
}

// Flips of every byte: a flip in what gives the stream its shape (a magic
// number, the flags, a length, a count, the start, a target) must fail the
// load, since with this small model no such value can grow by 128 or more
// and still fit; a flip anywhere else may give another sound model, which
// must then query safely.
TEST_F(LanguageModelDamageTest, EveryByteFlippedFailsOrQueriesSafely) {
  const ModelStreamFields& f = Fields();
  std::map<ModelStreamField::Kind, int> failures;
  for (size_t offset = 0; offset < f.bytes().size(); ++offset) {
    const ModelStreamField& field = f.FieldAt(offset);
    for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
      std::string bytes = f.bytes();
      bytes[offset] = static_cast<char>(bytes[offset] ^ flip);
      const bool loaded = PublishLanguageModelBytes(bytes);
      if (!loaded) {
        ++failures[field.kind];
        ExpectNoModelPublished();
      }
      ExpectQueriesAreSafe(loaded);
      const bool shapeGrowsBy128 = flip != 0x01 && field.kind != ModelStreamField::Content;
      if (shapeGrowsBy128) {
        EXPECT_FALSE(loaded) << field.name << " ^ " << int(flip);
      }
      ResetLanguageModelGlobals();
    }
  }
  for (auto kind : {ModelStreamField::Magic, ModelStreamField::Flags, ModelStreamField::Length,
                    ModelStreamField::Count, ModelStreamField::Start, ModelStreamField::Target})
    EXPECT_GT(failures[kind], 0) << kind;
}

// A cycle of arcs that read no key gives one key string endless paths; the
// model is refused. Cycles that read keys, and epsilon arcs off any cycle,
// are what models are made of.
TEST_F(LanguageModelDamageTest, CyclesThatReadNoKeyFailTheLoad) {
  using B = LanguageModelBuilder;
  struct Case {
    const char* what;
    void (*add)(B&);
    bool loads;
  };
  const Case cases[] = {
      {"epsilon self-loop", [](B& b) { b.AddArc(B::kStart, B::kStart, 0, 0, 0.0f); }, false},
      {"epsilon self-loop with a weight",
       [](B& b) { b.AddArc(B::kWordEnd, B::kWordEnd, 0, 0, 1.0f); }, false},
      {"epsilon loop through three states writing a word",
       [](B& b) {
         const auto x = b.AddState(), y = b.AddState();
         b.AddArc(B::kStart, x, 0, 0, 0.0f);
         b.AddArc(x, y, 0, b.OutputLabel(kA), 0.5f);
         b.AddArc(y, B::kStart, 0, 0, 0.0f);
       },
       false},
      {"loop that reads a key", [](B& b) { b.AddArc(B::kStart, B::kStart, b.InputLabel("a"), 0, 0.0f); }, true},
      {"epsilon arcs off any cycle",
       [](B& b) {
         const auto x = b.AddState();
         b.AddArc(B::kStart, x, 0, 0, 0.0f);
         b.AddArc(x, B::kWordEnd, 0, b.OutputLabel(kA), 3.0f);
       },
       true},
  };
  for (const Case& c : cases) {
    LanguageModelBuilder builder = Fixture();
    c.add(builder);
    EXPECT_EQ(c.loads, PublishLanguageModelBytes(builder.Plaintext())) << c.what;
    ExpectQueriesAreSafe(c.loads);
    ResetLanguageModelGlobals();
  }
}

// Keys are labels up to 2^31 - 1; the index visits the table's own entries,
// so a far key costs no more than a near one.
TEST_F(LanguageModelDamageTest, FarKeysLoadAndAreIndexedCheaply) {
  for (int64_t far : {int64_t{10000000}, int64_t{std::numeric_limits<int32_t>::max()}}) {
    ASSERT_TRUE(PublishLanguageModelBytes(Fields().With("osyms[4].key", far))) << far;
    EXPECT_EQ(1u, OutputLabelPieces.count(static_cast<int32_t>(far))) << far;
    EXPECT_EQ(ModelOutputSymbols->NumSymbols() - 2, OutputLabelPieces.size()) << far;
    ExpectQueriesAreSafe(true);
    ResetLanguageModelGlobals();
  }
}

}  // namespace
