#pragma once

#include "print/PrintRequest.h"

// Jobs of more pages than this show the progress dialog.
constexpr int ProgressAfterPages = 3;

// The card print command: checks the entry count, selects the printer, reads
// the count and the cards per page, and prints every page full, each card
// arranged afresh. Once the last card is printed, cardCells holds it, arranged
// in full; a job that stops before leaves cardCells alone.
// No two cards of a job show the same face while the list has faces to
// spare; when it has fewer than the job prints, the user is asked first.
// Failures throw MorvaneError for the general error box; every check that
// can stop the command runs before the document begins. Cancelling in the
// progress dialog drops the document. With a numbering in the context the
// job prints a numbered game (see JobNumbering.h).
PrintOutcome printCards(const PrintRequest &request, QStringList &cardCells, const PrintContext &context);
