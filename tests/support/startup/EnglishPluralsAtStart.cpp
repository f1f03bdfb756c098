// Every test program reads its counted texts in English as the program
// does: "1 card", "2 cards".
#include "card/EnglishPlurals.h"

#include <QCoreApplication>

namespace {

void installPlurals()
{
    installEnglishPlurals(*QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installPlurals)
