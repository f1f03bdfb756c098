#include "print/CardPrintJob.h"

#include "card/Error.h"
#include "card/WholeNumber.h"
#include "print/EntryCheck.h"
#include "print/FaceCount.h"
#include "print/JobNumbering.h"
#include "print/PageLayout.h"
#include "print/PrintCard.h"
#include "print/PrintMessages.h"
#include "print/PrintSetup.h"
#include "print/UniqueCards.h"
#include <QCoreApplication>

PrintOutcome printCards(const PrintRequest &request, QStringList &cardCells, const PrintContext &context)
{
    const CardSettings &settings = request.settings;
    if (!checkEntryCount(request.words.size(), settings, context.prompts))
        return PrintOutcome::Refused;

    IPrintService &service = context.service;
    service.selectPrinter(request.printerPosition);
    DocumentGuard document(service);
    const PageGeometry page = preparePage(service, settings);

    const int cards = strToInt(request.cardCountText);
    const int perPage = layoutCardsPerPage(strToInt(request.cardsPerPageText));
    const int pages = pageCount(cards, perPage);
    const int columns = settings.side();
    const int rows = columns + (settings.heading ? 1 : 0);
    const CardPageLayout layout = layoutCardPage(perPage, page, columns, rows);
    if (layout.cellSide <= 0)
        throw MorvaneError(PrintMessages::areaTooSmall());

    const FaceCount faces = countFaces(request.words, settings.sizeIndex, settings.freeSpace);
    const std::uint64_t cardsToPrint = std::uint64_t(pages) * std::uint64_t(perPage);
    if (faces.count < cardsToPrint
        && !context.prompts.question(
            QCoreApplication::translate("CardPrintJob", "These entries make only %1 different cards. Print anyway, "
                                                        "repeating some cards?")
                .arg(faces.count),
            DefaultButton::No))
        return PrintOutcome::Refused;

    service.beginDoc();
    std::unique_ptr<IProgress> progress;
    if (pages > ProgressAfterPages && context.progress)
        progress = context.progress->start(pages, context.kind);
    ICanvas &canvas = service.canvas();
    CellTextMemo memo;
    JobNumbering numbering(context.numbering, context.random);
    numbering.layOut(canvas, page, layout, columns, rows, cardsToPrint);
    UniqueCards unique(request.words, settings, numbering.random(), faces);
    // The cards are arranged here; cardCells takes the last one, arranged in
    // full, once it is printed. Slots a standard-number card does not reach
    // keep the previous card's strings, as they would in cardCells itself.
    QStringList cells = cardCells;
    std::uint64_t card = 0;
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            service.newPage();
        for (const CardSlot &slot : layout.slots) {
            const bool last = ++card == cardsToPrint;
            numbering.beginCard();
            unique.arrange(cells, last ? UniqueCards::Arrangement::Full : UniqueCards::Arrangement::ShownCells);
            PrintCard(canvas, settings, cells, slot.x, slot.y, columns, rows, layout.cellSide, &memo);
            numbering.endCard(canvas);
        }
        if (progress) {
            progress->setPagesDone(p + 1);
            if (progress->cancelled())
                return PrintOutcome::Cancelled; // the guard drops the document
        }
    }
    if (card > 0)
        cardCells = std::move(cells);
    document.endDoc();
    numbering.documentEnded();
    return PrintOutcome::Printed;
}
