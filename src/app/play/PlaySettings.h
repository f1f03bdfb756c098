#pragma once

#include <QString>

// The room's own settings, in "Play.ini" beside the program's settings file:
// kept apart from the card options, which they have nothing to do with.
struct PlaySettings
{
    bool asked = false; // the user agreed once to listen on the network
    int port = 0;       // 0: a free one
    int cardsPerPhone = 1;
};

QString playSettingsPath();
PlaySettings readPlaySettings(const QString &path);
void writePlaySettings(const QString &path, const PlaySettings &settings);
