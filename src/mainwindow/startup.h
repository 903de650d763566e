#pragma once
// The start of the program, before its main window exists: the archive opened and card 1
// read, the start notices given from the card and, when nothing falls due today, the window
// that lets the user quit at once.

#include "core/card_file.h"
#include "core/startup_notices.h"

#include <functional>
#include <memory>
#include <optional>
#include <QDate>
#include <QString>
#include <vector>

class Platform;

inline const QString kArchiveName = QStringLiteral("Archivio.DAT");
// The one card the program shows and saves.
inline constexpr int kShownCard = 1;

// What the main window is made from: the open, locked archive, its card, the day the notices
// judged it on and the colours they gave the slots, in the order they were given.
struct StartedCard {
    std::unique_ptr<CardFile> file;
    DeadlineCard card;
    QDate judgedOn;
    std::vector<NoticeStep> colours;
};

struct Startup {
    enum class Stop { None, UserClosed, ArchiveError };
    std::optional<StartedCard> started; // empty when the program must end
    Stop stop = Stop::None;
};

// Plays the notices of a day in their order: each message through the platform, each colour
// step through colour, the offer to quit through offerQuit, whose false ends the playing.
// False when it ended so.
bool playNotices(Platform& platform, std::vector<NoticeStep> steps,
                 const std::function<void(NoticeStep&&)>& colour,
                 const std::function<bool()>& offerQuit);

// Opens Archivio.DAT in the working folder through file (created when missing), reads the
// card, gives the notices and the nothing-due window. A failure has been told to the user.
Startup startUp(Platform& platform, std::unique_ptr<CardFile> file = std::make_unique<CardFile>());
