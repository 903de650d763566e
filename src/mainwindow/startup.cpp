#include "mainwindow/startup.h"

#include "mainwindow/nothing_due_window.h"
#include "platform/platform.h"
#include "widgets/core_values.h"

#include <QDir>

namespace {

// The archive lives in the working folder the program was started in.
QString archiveFolder()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

// Names the archive, its folder and the reason; the program ends after it.
void reportArchiveError(Platform& platform, const QString& failed, const std::string& reason)
{
    platform.message(
        nullptr,
        QStringLiteral("Impossibile %1 l'archivio %2 nella cartella\r\n%3\r\n"
                       "Motivo: %4\r\n\r\nIl programma sarà chiuso.")
            .arg(failed, kArchiveName, archiveFolder(), QString::fromStdString(reason)),
        Platform::Icon::Warning);
}

bool openArchive(Platform& platform, CardFile& file)
{
    const IoResult opened = file.open(localPath(QDir::current().filePath(kArchiveName)));
    if (opened)
        return true;
    if (opened.inUse) {
        // This copy has read nothing yet and writes nothing: the one already open keeps the card.
        platform.message(nullptr,
                         QStringLiteral("Tempestina10 è già aperto sull'archivio %1 nella "
                                        "cartella\r\n%2\r\n\r\nUsare la finestra già aperta: "
                                        "questa copia sarà chiusa.")
                             .arg(kArchiveName, archiveFolder()),
                         Platform::Icon::Warning);
        return false;
    }
    reportArchiveError(platform, QStringLiteral("aprire"), opened.reason);
    return false;
}

bool readCard(Platform& platform, CardFile& file, DeadlineCard& card)
{
    const IoResult read = file.read(kShownCard, card);
    if (!read) {
        // Closed unwritten: an empty card saved at exit would replace the real one.
        file.close();
        reportArchiveError(platform, QStringLiteral("leggere"), read.reason);
        return false;
    }
    return true;
}

// Plays the notices of the card as the boxes will show it; colour steps are kept for the
// main window. False when the user chose to quit.
bool giveNotices(Platform& platform, const DeadlineCard& card, QDate today,
                 std::vector<NoticeStep>& colours)
{
    const ShownSlots shown = shownSlots(card);
    return playNotices(
        platform, startupNotices(shown.dates, shown.days, toYearMonthDay(today)),
        [&colours](NoticeStep&& step) { colours.push_back(std::move(step)); },
        [&platform] {
            NothingDueWindow window;
            return platform.runModal(&window) != NothingDueWindow::Quit;
        });
}

} // namespace

bool playNotices(Platform& platform, std::vector<NoticeStep> steps,
                 const std::function<void(NoticeStep&&)>& colour,
                 const std::function<bool()>& offerQuit)
{
    for (NoticeStep& step : steps) {
        switch (step.kind) {
        case NoticeStep::Kind::Message:
            platform.message(nullptr, QString::fromStdString(step.text),
                             step.icon == NoticeStep::Icon::Information
                                 ? Platform::Icon::Information
                                 : Platform::Icon::None);
            break;
        case NoticeStep::Kind::ColourDaysBox:
        case NoticeStep::Kind::ColourDateBox:
            colour(std::move(step));
            break;
        case NoticeStep::Kind::OfferQuit:
            if (!offerQuit())
                return false;
            break;
        }
    }
    return true;
}

Startup startUp(Platform& platform, std::unique_ptr<CardFile> file)
{
    StartedCard started{std::move(file), {}, {}, {}};
    if (!openArchive(platform, *started.file) || !readCard(platform, *started.file, started.card))
        return {std::nullopt, Startup::Stop::ArchiveError};
    // One reading of the day for all the notices, and for the main window's date after them.
    started.judgedOn = platform.today();
    if (!giveNotices(platform, started.card, started.judgedOn, started.colours))
        return {std::nullopt, Startup::Stop::UserClosed};
    return {std::move(started), Startup::Stop::None};
}
