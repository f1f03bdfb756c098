#pragma once

#include <QString>

// The help document's name, next to the executable.
inline constexpr const char *HelpFileName = "help.html";

// The help document in the given executable folder, with exactly one
// separator between the folder and the name.
QString helpFileBeside(const QString &executableFolder);

// The help document to open: the one beside the executable when it exists,
// else the installed copy in installedDataFolder (given relative to the
// executable folder, or absolute) when that exists, else the one beside the
// executable all the same, so the desktop reports the missing file itself.
QString helpFileTarget(const QString &executableFolder, const QString &installedDataFolder);
