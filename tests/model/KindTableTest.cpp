#include "KindTable.h"
#include "ComponentKind.h"

#include <gtest/gtest.h>

#include <set>

using namespace morvane;

TEST(KindTable, EveryKindWordHasOneRecordAndNothingElseHasAny)
{
    std::set<std::string_view> words;
    for (const KindInfo& kind : KindTable::All())
        words.insert(kind.word);
    EXPECT_EQ(words.size(), KindTable::All().size());
    EXPECT_EQ(words.size(), 18u);
    EXPECT_EQ(KindTable::Find("-1"), nullptr);
    EXPECT_EQ(KindTable::Find(""), nullptr);
    EXPECT_EQ(&KindTable::Text(), KindTable::Find(ComponentKind::Text));
}

TEST(KindTable, CompanionsBelongToTheirOwnerAndOpenItsPanel)
{
    const KindInfo* carousel = KindTable::Find(ComponentKind::Carousel);
    ASSERT_EQ(carousel->companions.size(), 2u);
    EXPECT_EQ(carousel->companions[0].kind, ComponentKind::LeftArrow);
    EXPECT_EQ(carousel->companions[0].anchor, Anchor::BottomLeft);
    EXPECT_EQ(carousel->companions[1].kind, ComponentKind::RightArrow);
    EXPECT_EQ(carousel->companions[1].anchor, Anchor::BottomRight);
    for (const Companion& companion : carousel->companions) {
        const KindInfo* arrow = KindTable::Find(companion.kind);
        EXPECT_EQ(arrow->owner, ComponentKind::Carousel);
        EXPECT_EQ(arrow->panel, ComponentKind::Carousel);
        EXPECT_TRUE(arrow->settingsPrefix.empty());
    }
    // Only the kinds whose code fixes their size go without handles.
    std::set<std::string_view> unframed;
    for (const KindInfo& kind : KindTable::All())
        if (!kind.framed)
            unframed.insert(kind.word);
    EXPECT_EQ(unframed, (std::set<std::string_view>{ComponentKind::QrCode, ComponentKind::Like}));
}
