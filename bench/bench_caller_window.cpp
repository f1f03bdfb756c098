// The caller window from the Game menu's command to its first frame drawn,
// as F5 opens it: the game file checked, the window made, the game opened
// (its cards made and indexed) and every control painted. Then Check Card:
// from a typed card number to the card drawn as printed, its called cells
// dabbed and its winning lines framed, at the size the dialog gives it on a
// 1920 x 1080 screen. The game is recorded and opened as the caller opens it
// (timed too), then called until cards have won.
//
//   bench_caller_window [cards]
#include "BenchUtil.h"
#include "app/caller/CheckedCard.h"
#include "app/caller/UnitFrmCaller.h"
#include "game/CallSession.h"
#include "game/CallTexts.h"
#include "game/CalledGame.h"
#include "game/GameCode.h"
#include "game/GameFile.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Processor time of this process: on a busy machine the wall clock also
// counts other programs' turns.
class SplitMix : public IRandomSource
{
public:
    std::uint32_t below(std::uint32_t m) override
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::uint32_t>(((z ^ (z >> 31)) >> 32) * m >> 32);
    }

private:
    std::uint64_t m_state = 42;
};

void run(const char *name, const QStringList &entries, int sizeIndex, int cards, int calls)
{
    QTemporaryDir dir;
    GameRecord record;
    record.seed = 0xBE4C4ULL + std::uint64_t(sizeIndex);
    record.code = gameCode(record.seed);
    record.created = QDateTime::currentDateTime();
    record.entries = entries;
    record.settings.sizeIndex = sizeIndex;
    record.cardsPerPage = 4;
    record.cards = std::uint64_t(cards);
    const QString path = dir.filePath(record.code + QStringLiteral(".mrvgame"));
    writeGameRecord(path, record);

    {
        // What F5 does, up to the first frame: the menu command reads the
        // file, the window opens it and is shown and painted.
        const double cpuStart = cpuMs();
        const double windowMs = medianMs(1, [&] {
            readGameRecord(path);
            TFrmCaller window(CallerServices{});
            window.resize(1600, 900);
            window.openGame(path);
            window.show();
            QCoreApplication::processEvents();
            window.grab();
        });
        std::printf("%s, %d cards: F5 to the caller window drawn in %.0f ms wall, %.0f ms CPU (target < 1000)\n", name,
                    cards, windowMs, cpuMs() - cpuStart);
    }

    std::unique_ptr<CalledGame> game;
    const double cpuBefore = cpuMs();
    const double openMs = medianMs(1, [&] { game = CalledGame::openRecord(path); });
    const double openCpuMs = cpuMs() - cpuBefore;
    SplitMix draws;
    for (int i = 0; i < calls; ++i)
        game->session().callNext(draws);
    const double inches = printedCellInches(game->record().settings, game->record().cardsPerPage);

    // The card box of the dialog at 1920 x 1080: about 940 x 820 pixels.
    QImage screen(940, 820, QImage::Format_RGB32);
    int card = 0;
    int won = 0;
    const auto check = [&] {
        card = card % cards + 1;
        const CardCheck result = game->session().check(card);
        won += result.won() ? 1 : 0;
        const QString verdict = verdictText(result, game->session().pattern(), cards);
        const QStringList cells = game->cards()->cells(std::uint64_t(card));
        QPainter painter(&screen);
        painter.fillRect(screen.rect(), Qt::lightGray);
        paintCheckedCard(painter, screen.rect(), game->record().settings, cells, result, inches);
        painter.drawText(10, 810, verdict);
    };
    const double first = medianMs(1, check);
    const double median = medianMs(201, check);
    std::printf("%s, %d cards: the caller opens the game (reads, makes and indexes every card) in %.0f ms wall, "
                "%.0f ms CPU (target < 1500); peak resident %.0f MiB (target < 150)\n",
                name, cards, openMs, openCpuMs, peakRssMiB());
    std::printf("%s, %d cards, %d calls: Check Card draws in %.2f ms median over 201 cards (first %.2f ms; target < "
                "20); %d of them had won\n",
                name, cards, calls, median, first, won);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int cards = argc > 1 ? std::atoi(argv[1]) : 500;
    QStringList numbers;
    for (int i = 1; i <= 75; ++i)
        numbers.append(QString::number(i));
    run("75 numbers, 5 x 5", numbers, 1, cards, 30);
    QStringList phrases;
    for (int i = 1; i <= 80; ++i)
        phrases.append(QStringLiteral("Someone says the word number %1").arg(i));
    run("phrases, 7 x 7", phrases, 2, cards, 40);
    return 0;
}
