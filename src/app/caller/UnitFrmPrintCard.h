#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

class GameCards;
class IPrintService;
class IPrompts;
class IProgressFactory;
class IRandomSource;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Print Card": cards of a recorded game, by number or range ("17,
// 20-25"), printed again on a chosen printer or exported to PDF, each as
// its game printed it.
class TFrmPrintCard : public QDialog
{
    Q_OBJECT

public:
    struct Services
    {
        IPrintService &printService;
        IPrompts &prompts;
        IProgressFactory *progress;
        IRandomSource &random;
    };

    TFrmPrintCard(GameCards &cards, const Services &services, const QString &cardsText, QWidget *parent = nullptr);

    void BtnPrintClick();
    void BtnExportPdfClick();

    QLineEdit *EdtCards = nullptr;
    QComboBox *CboPrinters = nullptr;
    QPushButton *BtnPrint = nullptr;
    QPushButton *BtnExportPdf = nullptr;
    QPushButton *BtnCancel = nullptr;

private:
    // The cards typed, or nothing after telling the user what is wrong.
    std::optional<std::vector<std::uint64_t>> typedCards();

    GameCards &m_cards;
    Services m_services;
};
