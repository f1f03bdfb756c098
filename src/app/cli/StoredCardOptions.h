#pragma once

#include "card/CardSettings.h"

#include <QString>

// The card options and the card font as the window comes up with them from
// the settings file at optionsPath: defaults for what is missing, a stored
// size the list does not offer as no selection (-1), a font size below one
// point as the default.
CardSettings readStoredCardSettings(const QString &optionsPath);
