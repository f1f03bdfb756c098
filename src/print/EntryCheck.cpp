#include "print/EntryCheck.h"
#include <QCoreApplication>

int RequiredEntryCount(int sizeIndex, bool freeSpace)
{
    const int side = cardSide(sizeIndex);
    return side * side - (freeSpace ? 1 : 0);
}

bool checkEntryCount(qsizetype entries, const CardSettings &settings, IPrompts &prompts)
{
    const int required = RequiredEntryCount(settings.sizeIndex, settings.freeSpace);
    // Tickets hold the numbers 1 to 90 whatever the list holds.
    if (entries >= required || settings.kind == CardKind::Tickets90)
        return true;
    prompts.information(QCoreApplication::translate(
                            "EntryCheck", "Your bingo card needs %1 words at least, please add more words, then try "
                                          "to print it again.")
                            .arg(required));
    return false;
}
