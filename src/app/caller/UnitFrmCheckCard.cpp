#include "app/caller/UnitFrmCheckCard.h"

#include "app/CardPaintBox.h"
#include "app/caller/CheckedCard.h"
#include "game/CallTexts.h"
#include "game/CalledGame.h"
#include "game/PrizeCheck.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <QCoreApplication>
#include <algorithm>

namespace {

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A row or a column is framed whole, any other shape cell by cell.
WinLine prizeFrame(std::uint64_t cells, int columns)
{
    int lowRow = 64, highRow = -1, lowColumn = 64, highColumn = -1;
    for (int k = 0; k < 64; ++k) {
        if ((cells >> k & 1) == 0)
            continue;
        lowRow = std::min(lowRow, k / columns);
        highRow = std::max(highRow, k / columns);
        lowColumn = std::min(lowColumn, k % columns);
        highColumn = std::max(highColumn, k % columns);
    }
    const WinLine::Kind kind = lowRow == highRow         ? WinLine::Row
                               : lowColumn == highColumn ? WinLine::Column
                                                         : WinLine::FullCard;
    return {kind, 0, cells};
}

} // namespace

TFrmCheckCard::TFrmCheckCard(CalledGame &game, QWidget *parent)
    : QDialog(parent),
      m_game(game),
      m_cellInches(printedCellInches(game.record().settings, game.record().cardsPerPage))
{
    setObjectName(QStringLiteral("FrmCheckCard"));
    setWindowTitle(QCoreApplication::translate("TFrmCheckCard", "Check Card"));

    const bool tickets = game.record().settings.kind == CardKind::Tickets90;
    auto *numberLabel = new QLabel(tickets ? QCoreApplication::translate("TFrmCheckCard", "&Ticket number:")
                                           : QCoreApplication::translate("TFrmCheckCard", "Card &number:"),
                                   this);
    EdtCardNumber = named(new QLineEdit(this), "EdtCardNumber");
    // No validator: one would drop a stray character unseen, and "1 7" would
    // check card 17. What is typed is read whole, or refused.
    EdtCardNumber->setMaxLength(32);
    numberLabel->setBuddy(EdtCardNumber);
    BtnCheck = named(new QPushButton(QCoreApplication::translate("TFrmCheckCard", "&Check"), this), "BtnCheck");
    BtnCheck->setDefault(true);
    auto *card = named(new CardPaintBox(this), "PBCard");
    card->setPaintHandler([this](QPainter &painter) { paintCard(painter); });
    card->setTextHandler([this] { return cardText(); });
    card->setAccessibleName(tickets ? QCoreApplication::translate("TFrmCheckCard", "Ticket")
                                    : QCoreApplication::translate("TFrmCheckCard", "Card"));
    card->setMinimumSize(240, 240);
    PBCard = card;
    LblVerdict = named(new QLabel(this), "LblVerdict");
    LblVerdict->setWordWrap(true);
    LblVerdict->setAlignment(Qt::AlignCenter);
    BtnClose = named(new QPushButton(QCoreApplication::translate("TFrmCheckCard", "C&lose"), this), "BtnClose");
    BtnClose->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(numberLabel);
    top->addWidget(EdtCardNumber, 1);
    top->addWidget(BtnCheck);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(BtnClose);
    auto *root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(PBCard, 1);
    root->addWidget(LblVerdict);
    root->addLayout(bottom);

    connect(BtnCheck, &QPushButton::clicked, this, &TFrmCheckCard::BtnCheckClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
    if (parent)
        resize(std::max(480, parent->width() / 2), std::max(520, parent->height() * 9 / 10));
    EdtCardNumber->setFocus();
}

void TFrmCheckCard::BtnCheckClick()
{
    const QString text = EdtCardNumber->text().trimmed();
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (digits.match(text).hasMatch()) {
        showCard(text.toInt());
        return;
    }
    // The card and verdict of the number before must not stand under a
    // number that was not read.
    m_check = CardCheck();
    m_cells.clear();
    PBCard->update();
    LblVerdict->setText(
        text.isEmpty() ? QCoreApplication::translate("TFrmCheckCard", "Type the number of a card, then press Check.")
                       : QCoreApplication::translate("TFrmCheckCard",
                                                     "\"%1\" is not a card number: type its digits alone, such as 17.")
                             .arg(text));
    EdtCardNumber->selectAll();
    EdtCardNumber->setFocus();
}

void TFrmCheckCard::showCard(int card)
{
    const CallSession &session = m_game.session();
    m_check = session.check(card);
    m_cells = m_check.inGame && m_game.cards() ? m_game.cards()->cells(std::uint64_t(card)) : QStringList();
    if (session.prizeWins().empty()) {
        LblVerdict->setText(verdictText(m_check, session.pattern(), session.cardCount()));
    } else {
        // A game in stages is won by its prizes, not by the pattern: the
        // card's prizes are framed in place of the pattern's lines.
        const std::vector<HeldPrize> held = heldPrizes(session, card);
        LblVerdict->setText(heldPrizesText(held, session.prizeWins().prizes(), card, session.cardCount(),
                                           m_game.record().settings.kind));
        m_check.winningLines.clear();
        const int columns = std::max(1, m_check.side);
        for (const HeldPrize &h : held) {
            for (std::uint64_t cells : h.shapes)
                m_check.winningLines.push_back(prizeFrame(cells, columns));
        }
    }
    static_cast<CardPaintBox *>(PBCard)->cardChanged();
    EdtCardNumber->setText(QString::number(card));
    // The next number typed replaces this one.
    EdtCardNumber->selectAll();
}

void TFrmCheckCard::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    QFont big = LblVerdict->font();
    big.setBold(true);
    big.setPixelSize(std::max(14, height() / 28));
    LblVerdict->setFont(big);
}

void TFrmCheckCard::paintCard(QPainter &painter)
{
    painter.fillRect(PBCard->rect(), palette().window());
    if (!m_check.inGame)
        return;
    paintCheckedCard(painter, PBCard->rect(), m_game.record().settings, m_cells, m_check, m_cellInches);
}

CardTextTable TFrmCheckCard::cardText() const
{
    if (!m_check.inGame)
        return {};
    const CardShape shape = cardShape(m_game.record().settings);
    CardTextTable table;
    if (shape.blankCells) {
        for (int row = 0; row < shape.bodyRows; ++row)
            table.rows.append(m_cells.mid(row * shape.columns, shape.columns));
    } else {
        table = cardTextTable(m_game.record().settings, m_cells);
    }
    for (int row = 1; row <= table.rowCount(); ++row)
        for (int column = 1; column <= table.columnCount(); ++column)
            table.called.push_back(m_check.isCalled(row, column));
    return table;
}
