// The alarm's rules without a window: the "Pari a" display, the target, the counter,
// the caption and the sound of each type.

#include "alarm/alarm_rules.h"

#include <gtest/gtest.h>

using namespace alarmrules;

TEST(AlarmRules, minutesDisplayAndTargetFollowTheWorkedValues)
{
    struct Row {
        int minutes;
        const char* amount;
        const char* unit;
        const char* target;
    };
    for (const Row& row : {Row{1, "1", "Min.", "60"}, Row{45, "45", "Min.", "2700"},
                           Row{59, "59", "Min.", "3540"}, Row{60, "1:0", "Ore.", "3600"},
                           Row{61, "1:1", "Ore.", "3660"}, Row{90, "1:30", "Ore.", "5400"},
                           Row{125, "2:5", "Ore.", "7500"}, Row{480, "8:0", "Ore.", "28800"}}) {
        SCOPED_TRACE(row.minutes);
        EXPECT_EQ(minutesDisplay(row.minutes), (MinutesDisplay{row.amount, row.unit}));
        EXPECT_EQ(targetSeconds(row.minutes), row.target);
    }
}

TEST(AlarmRules, counterIsTheWholeSecondsElapsedAndReachesOnlyANumberTarget)
{
    struct Row {
        std::int64_t armedAt, now;
        std::int64_t seconds;
        const char* target;
        bool reached;
    };
    for (const Row& row : {
             Row{5000, 5000, 0, "60", false},             // armed this instant
             Row{5000, 64999, 59, "60", false},           // a millisecond short of the minute
             Row{5000, 65000, 60, "60", true},            // the minute
             Row{5000, 5000 + 1860000, 1860, "60", true}, // woken 30 minutes later: at once
             Row{5000, 4000, 0, "60", false},             // a reading before arming counts none
             Row{0, 3600000, 3600, "3600", true},
             Row{0, 3600000, 3600, "", false}, // no target is ever reached
             Row{0, 3600000, 3600, "60x", false},
             Row{0, 3600000, 3600, "0", false},
         }) {
        SCOPED_TRACE(row.now);
        EXPECT_EQ(elapsedSeconds(row.armedAt, row.now), row.seconds);
        EXPECT_EQ(targetReached(row.seconds, row.target), row.reached);
    }
}

TEST(AlarmRules, captionCountsOnlyWhileMinimised)
{
    EXPECT_EQ(tickCaption(true, "0"), "Allarme Attivo da: 0 sec.");
    EXPECT_EQ(tickCaption(true, "59"), "Allarme Attivo da: 59 sec.");
    EXPECT_EQ(tickCaption(false, "59"), "Tempestina10");
}

TEST(AlarmRules, soundOfATypeIsMatchedExactly)
{
    EXPECT_EQ(soundFile("Telefonata", "x.wav"), "tel.wav");
    EXPECT_EQ(soundFile("Appuntamento", ""), "appu.wav");
    EXPECT_EQ(soundFile("Impegno", ""), "imp.wav");
    EXPECT_EQ(soundFile("Mio Allarme", "campana.wav"), "campana.wav");
    EXPECT_EQ(soundFile("Mio Allarme", ""), "");
    EXPECT_EQ(soundFile("telefonata", ""), std::nullopt);
    EXPECT_EQ(soundFile("Telefonata ", ""), std::nullopt);
    EXPECT_EQ(soundFile("Pranzo", "campana.wav"), std::nullopt);
}
