// File > Print Preview..., Options > Large Print, and the export's paper.
#include "app/UnitMain.h"

#include "app/adapters/PdfFilePrintService.h"
#include "app/preview/UnitFrmPrintPreview.h"
#include "card/Error.h"
#include "card/SecureSeed.h"
#include "docs/Folders.h"
#include "docs/IniFile.h"
#include "game/GameFolder.h"
#include "game/NumberedGame.h"
#include "print/CardPrintJob.h"
#include "print/EntryCheck.h"
#include "print/PrintPreview.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QSpinBox>

#include <memory>

namespace {

const QString Section = QStringLiteral("Options");
const QString LargePrintKey = QStringLiteral("LargePrint");

} // namespace

void TFrmMain::MnuFilePrintPreviewClick()
{
    guarded([this] {
        const PrintRequest request = printRequest();
        IPrompts &prompts = *m_services.prompts;
        // Asked here first: the seed below is not worth taking for a list
        // the preview refuses.
        if (!checkEntryCount(request.words.size(), request.settings, prompts))
            return;

        // The cards shown come from a seed: a numbered game's own, recorded
        // once printed, or one for these cards alone.
        std::unique_ptr<NumberedGame> game;
        std::uint64_t seed = 0;
        if (MnuNumberCards->isChecked()) {
            const QString folder = GamesPath();
            if (folder.isEmpty())
                throw MorvaneError(
                    QCoreApplication::translate("TFrmMain", "There is no folder to record numbered games in"));
            seed = newGameSeed(folder);
            game = std::make_unique<NumberedGame>(request, folder, seed);
        } else {
            seed = secureSeed();
        }
        const CardNumbering *numbering = game ? &game->numbering() : nullptr;

        // With no printer at all the preview shows the export's paper.
        IPrintService &printer = *m_services.printService;
        const bool printerThere = request.printerPosition >= 0 || printer.defaultPrinterPosition() >= 0;
        std::unique_ptr<PdfFilePrintService> exportService;
        if (!printerThere)
            exportService =
                std::make_unique<PdfFilePrintService>(QString(), m_exportPaper.pageSize(), m_exportPaper.orientation);
        IPrintService &shown = printerThere ? printer : *exportService;
        std::unique_ptr<PrintPreview> preview = PrintPreview::open(request, CardCells, shown, prompts, seed, numbering);
        if (!preview)
            return;

        const auto printPreviewed = [&](IPrintService &service, JobKind kind) {
            PrintContext context{service, prompts, *m_services.random, m_services.progress, numbering, kind};
            context.seed = seed;
            context.repeatsAgreed = true;
            return printCards(request, CardCells, context) == PrintOutcome::Printed;
        };
        PreviewCommands commands;
        commands.print = [&] {
            bool printed = false;
            guarded([&] { printed = printPreviewed(printer, JobKind::Print); });
            repaintCard();
            return printed;
        };
        commands.exportPdf = [&](const ExportPaper &paper) {
            bool written = false;
            guarded([&] {
                const auto path = prompts.saveFileName({QCoreApplication::translate("TFrmMain", "Export Bingo Cards"),
                                                        QCoreApplication::translate("TFrmMain", "PDF File (*.pdf)"),
                                                        QStringLiteral("pdf"), documentFolder()});
                if (!path)
                    return;
                PdfFilePrintService file(*path, paper.pageSize(), paper.orientation);
                written = printPreviewed(file, JobKind::Export);
            });
            repaintCard();
            return written;
        };
        const int position = request.printerPosition >= 0 ? request.printerPosition : printer.defaultPrinterPosition();
        const QString printerName = printer.printers().value(position);
        TFrmPrintPreview dialog(std::move(preview), printerThere ? &printer : nullptr, printerName,
                                std::move(exportService), m_exportPaper, prompts, std::move(commands), this);
        dialog.exec();
    });
}

void TFrmMain::MnuLargePrintClick()
{
    repaintCard();
}

void TFrmMain::readPrintOptions(const IniFile &ini)
{
    // Large print changes what is printed, so only a plain 1 turns it on.
    MnuLargePrint->setChecked(ini.readInteger(Section, LargePrintKey, 0) == 1);
    m_largePrintStored = MnuLargePrint->isChecked();
    m_exportPaper = readExportPaper(ini);
}

void TFrmMain::writePrintOptions(IniFile &ini)
{
    // Left out while never used, so the file of a user who does not use
    // them stays as it always was.
    if (MnuLargePrint->isChecked() || m_largePrintStored)
        ini.writeBool(Section, LargePrintKey, MnuLargePrint->isChecked());
    writeExportPaper(ini, m_exportPaper);
}
