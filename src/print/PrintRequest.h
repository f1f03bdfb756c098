#pragma once

#include "card/CardSettings.h"
#include "card/Prompts.h"
#include "card/RandomSource.h"
#include "print/CardNumbering.h"
#include "print/PrintService.h"
#include "print/Progress.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the print commands read from the main window when they run.
struct PrintRequest
{
    QStringList words;
    CardSettings settings;
    int printerPosition = -1; // the printer list's selected position
    QString cardCountText;    // the card count box's text
    QString cardsPerPageText; // the cards-per-page list's text
};

// The services a print job works through. progress may be null: no dialog.
// With numbering, the card job prints a numbered game.
struct PrintContext
{
    IPrintService &service;
    IPrompts &prompts;
    IRandomSource &random;
    IProgressFactory *progress = nullptr;
    const CardNumbering *numbering = nullptr;
    JobKind kind = JobKind::Print;
    // Arranges every card from this seed, card by card as numbered games do,
    // so that the cards a preview showed are the cards printed. A
    // numbering's own seed comes first.
    std::optional<std::uint64_t> seed = std::nullopt;
    // The user agreed to repeated cards already, when the preview opened.
    bool repeatsAgreed = false;
};

enum class PrintOutcome { Refused, Printed, Cancelled };
