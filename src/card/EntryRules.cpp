#include "card/EntryRules.h"

#include "card/Trim.h"
#include <QCoreApplication>

bool isEmptyEntry(const QString &text)
{
    return trimBlanks(text).isEmpty();
}

bool confirmNewEntry(const QString &text, const WordList &words, IPrompts &prompts)
{
    if (isEmptyEntry(text)) {
        prompts.information(QCoreApplication::translate("EntryRules", "Please don't add an empty string."));
        return false;
    }
    const QString question =
        QCoreApplication::translate("EntryRules",
                                    "The word '%1' has already been added into the list, do you want to add it again?")
            .arg(text);
    for (qsizetype i = 0; i < words.count(); ++i) {
        if (words.at(i) == text && !prompts.question(question, DefaultButton::No))
            return false;
    }
    return true;
}
