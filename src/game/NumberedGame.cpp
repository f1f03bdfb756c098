#include "game/NumberedGame.h"

#include "card/Error.h"
#include "card/WholeNumber.h"
#include "game/GameCode.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"
#include "print/PageLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Whole seconds, as the file keeps them.
QDateTime createdNow()
{
    const QDateTime now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    return now.toOffsetFromUtc(now.offsetFromUtc());
}

} // namespace

NumberedGame::NumberedGame(const PrintRequest &request, QString gamesFolder, std::uint64_t seed)
    : m_folder(std::move(gamesFolder))
{
    m_record.code = gameCode(seed);
    m_record.seed = seed;
    m_record.entries = request.words;
    m_record.settings = request.settings;
    // As the job prints it: too large a size counts as the largest, and the
    // canvas draws a size below one point at one point.
    m_record.settings.fontSize = std::max(1, clampedFontSize(request.settings.fontSize));
    // The job refuses a text that is no number before it begins.
    m_record.cardsPerPage = layoutCardsPerPage(request.settings.kind, strToIntDef(request.cardsPerPageText, 1));
    // Refused before a single card is made: a record the reader refuses
    // would leave cards whose game can never be called.
    GameRecord largest = m_record;
    largest.cards = GameRecord::MaxCards;
    largest.created = createdNow();
    if (calledGameFileSize(largest) > MaxGameFileSize)
        throw MorvaneError(QCoreApplication::translate(
            "NumberedGame", "These entries are too many or too long for a numbered game: with its calls kept, its "
                            "record would grow too large to be opened again. Print the cards without numbers, or use "
                            "fewer or shorter entries."));
    m_numbering.seed = seed;
    m_numbering.code = m_record.code;
    m_numbering.kind = request.settings.kind;
    m_numbering.documentEnding = [this](std::uint64_t cards) { documentEnding(cards); };
    m_numbering.documentFailed = [this] { documentFailed(); };
}

QString NumberedGame::path() const
{
    return gameFilePath(m_folder, m_record.code);
}

void NumberedGame::documentEnding(std::uint64_t cards)
{
    // A count of 0 ends an empty document: there is no game to keep.
    if (cards == 0)
        return;
    m_record.cards = cards;
    m_record.created = createdNow();
    m_madeFolder = !QFileInfo::exists(m_folder);
    try {
        writeGameRecord(path(), m_record);
        // Kept means opened again as the caller will open it.
        readGameRecord(path());
    } catch (...) {
        documentFailed();
        throw;
    }
    m_recorded = true;
}

void NumberedGame::documentFailed()
{
    QFile::remove(path());
    if (m_madeFolder)
        QDir().rmdir(m_folder);
    m_recorded = false;
}
