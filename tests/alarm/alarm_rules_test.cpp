// The alarm's rules without a window: the "Pari a" display, the target, the counter's step,
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

TEST(AlarmRules, counterStepReadsTheTextAsANumber)
{
    EXPECT_EQ(nextCount("0"), "1");
    EXPECT_EQ(nextCount("59"), "60");
    EXPECT_EQ(nextCount("3599"), "3600");
    EXPECT_EQ(nextCount(""), "1");
    EXPECT_EQ(nextCount("12abc"), "13");
    // A huge text never overflows into a negative count.
    EXPECT_EQ(nextCount("99999999999999999999999").front(), '9');
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
