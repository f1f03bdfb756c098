#include "app/cli/HeadlessExport.h"

#include "app/adapters/PdfFilePrintService.h"
#include "app/cli/CommandLineText.h"
#include "app/cli/ConsoleProgress.h"
#include "app/cli/ConsolePrompts.h"
#include "app/cli/StoredCardOptions.h"
#include "app/preview/ExportPaper.h"
#include "card/Error.h"
#include "card/WholeNumber.h"
#include "card/WordList.h"
#include "docs/CardListDocument.h"
#include "docs/Folders.h"
#include "docs/IniFile.h"
#include "game/GameFolder.h"
#include "game/NumberedGame.h"
#include "print/CardPrintJob.h"
#include "print/EntryCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <optional>
#include <sys/stat.h>

namespace {

// The window's card count box takes no more and no fewer.
constexpr int MinCards = 1;
constexpr int MaxCards = 99999;

PrintRequest requestFor(const CommandLine &line)
{
    PrintRequest request;
    request.settings = readStoredCardSettings(OptionsFilePath());
    if (line.kind)
        request.settings.kind = *line.kind;
    QStringList entries;
    try {
        ReadCardList(line.list, entries);
    } catch (const MorvaneError &e) {
        // A terminal has no title bar to say which file a message is about.
        throw MorvaneError(CommandLineText::tr("Cannot read the list \"%1\": %2")
                               .arg(QFileInfo(line.list).absoluteFilePath(), e.message()));
    }
    // In the order the window's list keeps them, which a numbered game records.
    WordList words;
    words.insertMany(entries);
    request.words = cardEntries(request.settings.kind, words.items());
    request.cardCountText = line.cards;
    request.cardsPerPageText = line.perPage;
    if (request.settings.kind == CardKind::Tickets90) {
        // Strips per page, as the window offers them.
        const QList<int> choices = cardsPerPageChoices(request.settings.kind);
        const qsizetype strips = line.perPage.toInt();
        if (strips < 1 || strips > choices.size())
            throw MorvaneError(
                CommandLineText::tr("'%1' strips per page cannot be printed: use 1 or 2.").arg(line.perPage));
        request.cardsPerPageText = QString::number(choices.at(strips - 1));
    }
    return request;
}

// The cards replace the output: never the list they are made from, under
// whatever name or link it is given.
void refuseTheListAsOutput(const CommandLine &line)
{
    struct stat list
    {
    };
    struct stat output
    {
    };
    if (::stat(QFile::encodeName(line.list).constData(), &list) == 0
        && ::stat(QFile::encodeName(line.output).constData(), &output) == 0 && list.st_dev == output.st_dev
        && list.st_ino == output.st_ino)
        throw MorvaneError(
            CommandLineText::tr("\"%1\" is the card list being exported: the cards cannot be written over it.")
                .arg(line.output));
}

int exportOrThrow(const CommandLine &line, QTextStream &out, QTextStream &err, bool errIsTerminal)
{
    const PrintRequest request = requestFor(line);
    refuseTheListAsOutput(line);
    ConsolePrompts prompts(err, line.force);
    if (!checkEntryCount(request.words.size(), request.settings, prompts))
        return ExitStatus::Refused;
    // A count that is no number is the job's to refuse, after the same checks as in the window.
    const std::optional<std::int32_t> cards = tryStrToInt(line.cards);
    if (cards && (*cards < MinCards || *cards > MaxCards)) {
        writeMessage(err,
                     CommandLineText::tr("The number of cards must be from %1 to %2.").arg(MinCards).arg(MaxCards));
        return ExitStatus::Refused;
    }

    // The paper the window's exports are made on, unless the command names one.
    const ExportPaper stored = readExportPaper(IniFile(OptionsFilePath()));
    PdfFilePrintService file(line.output, line.paper ? QPageSize(*line.paper) : stored.pageSize(), stored.orientation);
    ConsoleProgressFactory progress(err, errIsTerminal);
    ClockRandomSource random;
    std::optional<NumberedGame> game;
    if (line.number)
        game.emplace(request, GamesPath(), newGameSeed(GamesPath()));
    const PrintContext context{file, prompts, random, &progress, game ? &game->numbering() : nullptr};
    QStringList cells;
    switch (printCards(request, cells, context)) {
    case PrintOutcome::Refused:
        return ExitStatus::Refused;
    case PrintOutcome::Cancelled:
        writeMessage(err, CommandLineText::tr("Interrupted: nothing was written."));
        return ExitStatus::Interrupted;
    case PrintOutcome::Printed:
        break;
    }
    if (game && game->recorded()) {
        out << game->code() << '\n';
        out.flush();
    }
    return ExitStatus::Done;
}

} // namespace

int exportCards(const CommandLine &line, QTextStream &out, QTextStream &err, bool errIsTerminal)
{
    try {
        return exportOrThrow(line, out, err, errIsTerminal);
    } catch (const MorvaneError &e) {
        writeMessage(err, errorBoxText(e.message()));
        return ExitStatus::Refused;
    }
}
