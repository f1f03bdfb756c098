#pragma once

#include "card/Prompts.h"
#include "card/WordList.h"

// True when the text holds nothing but blanks and control characters.
bool isEmptyEntry(const QString &text);

// Decides whether a typed entry may be added: refuses an empty one with a
// message, and asks once for every equal entry already in the list (the first
// No ends it). The caller adds the text, untrimmed, when this returns true.
bool confirmNewEntry(const QString &text, const WordList &words, IPrompts &prompts);
