// The phrase operations and marks, on a fake page.
#include "fakepage.h"

#include "platform/error.h"
#include "player/marks.h"
#include "player/phrases.h"

#include <gtest/gtest.h>

namespace playertest {
namespace {

struct ClassCase {
    QString before;
    QString highlighted;
    QString plain;
};

TEST(PhraseOperations, MoveBetweenTheTwoPairsOfClasses)
{
    const ClassCase cases[] = {
        {"text", "instext", "text"},
        {"instext", "instext", "text"},
        {"comm", "inscomm", "comm"},
        {"inscomm", "inscomm", "comm"},
        // Anything else is an ordinary phrase; the unit marking is lost.
        {"cycle", "instext", "text"},
        {"", "instext", "text"},
        {"Comm", "instext", "text"},
    };
    for (const ClassCase& c : cases) {
        SCOPED_TRACE(c.before.toStdString());
        FakePage page({"text", c.before});
        highlightPhrase(page.document(), 2);
        EXPECT_EQ(page.className(2), c.highlighted);
        page.setClassName(2, c.before);
        unhighlightPhrase(page.document(), 2);
        EXPECT_EQ(page.className(2), c.plain);
        // Both write every time, even when nothing changes.
        EXPECT_EQ(page.log(), QStringList({"t2=" + c.highlighted, "t2=" + c.plain}));
    }
}

TEST(PhraseOperations, RevealClicksTheAnchorOnly)
{
    FakePage page(3);
    revealPhrase(page.document(), 3);
    EXPECT_EQ(page.log(), QStringList{"a3"});
    EXPECT_EQ(page.className(3), "text");
}

TEST(PhraseOperations, MissingElementOrPageFails)
{
    FakePage page(2);
    EXPECT_THROW(highlightPhrase(page.document(), 3), platform::Error);
    EXPECT_THROW(revealPhrase(page.document(), 0), platform::Error);
    EXPECT_THROW(unhighlightPhrase(platform::Variant(), 1), platform::Error);
}

TEST(Marks, AreReadAsNumbersWhenUsed)
{
    const platform::StringList marks({"2830", "6955", "", "x"});
    EXPECT_EQ(mark(marks, 1), 2830);
    EXPECT_EQ(mark(marks, 2), 6955);
    EXPECT_EQ(phraseStart(marks, 1), 0);
    EXPECT_EQ(phraseStart(marks, 3), 6955);
    const auto message = [&](int k) {
        try {
            mark(marks, k);
        } catch (const platform::Error& error) {
            return error.message();
        }
        return QString();
    };
    EXPECT_EQ(message(3), "'' is not a valid integer value");
    EXPECT_EQ(message(4), "'x' is not a valid integer value");
    EXPECT_EQ(message(5), "List index out of bounds (4)");
}

} // namespace
} // namespace playertest
