#pragma once

#include "app/cli/CommandLine.h"

class QTextStream;

// morvane --export: the card list made into a PDF file by the window's
// export job, with the card options of the settings file and the answers
// of the command line. Messages go to err in the window's words; a numbered
// game's code goes to out. Returns the exit status. Needs a
// QGuiApplication, which may run on any platform plugin.
int exportCards(const CommandLine &line, QTextStream &out, QTextStream &err, bool errIsTerminal);
