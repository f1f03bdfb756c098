#pragma once

#include <QString>

// The per-user product folder and the paths inside it.

// Joins two path parts with exactly one "/" between them, whatever separators
// the parts end or begin with. An empty folder gives the name unchanged.
QString joinPath(const QString &folder, const QString &name);

// The per-user application-data folder of the product (on Linux
// ~/.local/share/Morvane, honouring XDG_DATA_HOME unless it is relative).
// Empty when the platform cannot name one. Needs the application name
// "Morvane" to be set.
QString productFolder();

// "Options.ini" in the product folder; empty when there is no product folder.
QString OptionsFilePath();

// "SampleLists" in the product folder, ending with a separator; empty when
// there is no product folder.
QString SampleListsPath();

// "Games" in the product folder, where numbered games are recorded, ending
// with a separator; empty when there is no product folder.
QString GamesPath();
