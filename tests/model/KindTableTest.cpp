#include "KindTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace morvane;

// Records, settings files and generated code hold kind words: each word
// must read back as its own kind, and nothing else as any.
TEST(KindTable, EveryKindWordReadsBackAsItsKindAndNothingElseDoes)
{
    std::set<std::string_view> words;
    for (const KindInfo& kind : KindTable::All()) {
        words.insert(kind.word);
        EXPECT_EQ(KindTable::FromWord(kind.word), kind.kind) << kind.word;
    }
    EXPECT_EQ(words.size(), KindCount);
    for (const std::string_view other : {"-1", "", "图片 ", "箭头", "TEXT"})
        EXPECT_EQ(KindTable::FromWord(other), std::nullopt) << other;
}
