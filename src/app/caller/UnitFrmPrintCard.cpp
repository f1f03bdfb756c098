#include "app/caller/UnitFrmPrintCard.h"

#include "app/adapters/PdfFilePrintService.h"
#include "card/CommandGuard.h"
#include "game/CardRange.h"
#include "game/CardReprint.h"
#include "game/GameCards.h"
#include "print/PrinterList.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

TFrmPrintCard::TFrmPrintCard(GameCards &cards, const Services &services, const QString &cardsText, QWidget *parent)
    : QDialog(parent),
      m_cards(cards),
      m_services(services)
{
    setObjectName(QStringLiteral("FrmPrintCard"));
    setWindowTitle(QCoreApplication::translate("TFrmPrintCard", "Print Card"));

    EdtCards = named(new QLineEdit(cardsText, this), "EdtCards");
    EdtCards->setPlaceholderText(QStringLiteral("17, 20-25"));
    CboPrinters = named(new QComboBox(this), "CboPrinters");
    BtnPrint = named(new QPushButton(QCoreApplication::translate("TFrmPrintCard", "P&rint"), this), "BtnPrint");
    BtnPrint->setDefault(true);
    BtnExportPdf =
        named(new QPushButton(QCoreApplication::translate("TFrmPrintCard", "&Export PDF..."), this), "BtnExportPdf");
    BtnCancel = named(new QPushButton(QCoreApplication::translate("TFrmPrintCard", "Cancel"), this), "BtnCancel");

    auto *form = new QFormLayout;
    form->addRow(QCoreApplication::translate("TFrmPrintCard", "&Cards (1 to %1):").arg(m_cards.count()), EdtCards);
    form->addRow(QCoreApplication::translate("TFrmPrintCard", "&Printer To Use:"), CboPrinters);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BtnPrint);
    buttons->addWidget(BtnExportPdf);
    buttons->addWidget(BtnCancel);
    auto *root = new QVBoxLayout(this);
    root->addLayout(form);
    root->addWidget(
        new QLabel(QCoreApplication::translate(
                       "TFrmPrintCard",
                       "Each card is printed as the game printed it, in its place on the page, with its number line."),
                   this));
    root->addLayout(buttons);

    try {
        const PrinterChoice choice = FillPrinterList(m_services.printService);
        CboPrinters->addItems(choice.names);
        CboPrinters->setCurrentIndex(choice.selected);
    } catch (const MorvaneError &) {
        // Printers without a default: the list stays empty, an export to
        // PDF still works, and Print reports the service's own message.
    }

    connect(BtnPrint, &QPushButton::clicked, this, &TFrmPrintCard::BtnPrintClick);
    connect(BtnExportPdf, &QPushButton::clicked, this, &TFrmPrintCard::BtnExportPdfClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    EdtCards->setFocus();
    EdtCards->selectAll();
}

std::optional<std::vector<std::uint64_t>> TFrmPrintCard::typedCards()
{
    try {
        return parseCardNumbers(EdtCards->text(), m_cards.count());
    } catch (const MorvaneError &e) {
        m_services.prompts.information(e.message());
        EdtCards->setFocus();
        return std::nullopt;
    }
}

void TFrmPrintCard::BtnPrintClick()
{
    const auto numbers = typedCards();
    if (!numbers)
        return;
    const PrintContext context{m_services.printService, m_services.prompts, m_services.random, m_services.progress};
    PrintOutcome outcome = PrintOutcome::Refused;
    runCommand(m_services.prompts,
               [&] { outcome = reprintCards(m_cards, *numbers, CboPrinters->currentIndex(), context); });
    if (outcome == PrintOutcome::Printed)
        accept();
}

void TFrmPrintCard::BtnExportPdfClick()
{
    const auto numbers = typedCards();
    if (!numbers)
        return;
    const auto path = m_services.prompts.saveFileName(
        {QCoreApplication::translate("TFrmPrintCard", "Export Bingo Cards"),
         QCoreApplication::translate("TFrmPrintCard", "PDF File (*.pdf)"), QStringLiteral("pdf")});
    if (!path)
        return;
    PrintOutcome outcome = PrintOutcome::Refused;
    runCommand(m_services.prompts, [&] {
        // The same job as printing, on a PDF file standing in for the printer.
        PdfFilePrintService file(*path, PdfFilePrintService::localePaper());
        const PrintContext context{file, m_services.prompts, m_services.random, m_services.progress};
        outcome = reprintCards(m_cards, *numbers, -1, context);
    });
    if (outcome == PrintOutcome::Printed)
        accept();
}
