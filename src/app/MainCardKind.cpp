// Options > Card Kind: word cards or 90-ball tickets.
#include "app/UnitMain.h"

#include "app/ShortTextComboBox.h"

#include "docs/IniFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace {

const QString Section = QStringLiteral("Options");
const QString CardKindKey = QStringLiteral("CardKind");

QStringList perPageTexts(CardKind kind)
{
    if (kind == CardKind::Tickets90)
        return {QCoreApplication::translate("TFrmMain", "1 strip (6 tickets)"),
                QCoreApplication::translate("TFrmMain", "2 strips (12 tickets)")};
    QStringList texts;
    for (int n : cardsPerPageChoices(kind))
        texts.append(QString::number(n));
    return texts;
}

} // namespace

CardKind TFrmMain::cardKind() const
{
    return MnuTickets->isChecked() ? CardKind::Tickets90 : CardKind::WordCards;
}

void TFrmMain::MnuCardKindClick()
{
    showCardKind();
    arrange();
    repaintCard();
}

void TFrmMain::showCardKind()
{
    const CardKind kind = cardKind();
    const bool words = kind == CardKind::WordCards;
    for (QWidget *option : {static_cast<QWidget *>(CboCardSize), static_cast<QWidget *>(ChkFreeSpace),
                            static_cast<QWidget *>(ChkHeading), static_cast<QWidget *>(ChkWordWrap)})
        option->setEnabled(words);
    TxtFreeSpace->setEnabled(words && ChkFreeSpace->isChecked());
    TxtHeading->setEnabled(words && ChkHeading->isChecked());

    const QStringList texts = perPageTexts(kind);
    if (CboCardsPerPage->count() == texts.size() && CboCardsPerPage->itemText(0) == texts.first())
        return;
    // Each kind keeps its own choice while the other is shown.
    const int keep = CboCardsPerPage->currentIndex();
    CboCardsPerPage->clear();
    CboCardsPerPage->addItems(texts);
    // The closed box is as narrow as the cards' "1", "2", "4": it shows the
    // tickets a page holds, the list says how many strips that is.
    if (kind == CardKind::Tickets90) {
        const QList<int> choices = cardsPerPageChoices(kind);
        for (int i = 0; i < choices.size(); ++i)
            CboCardsPerPage->setItemData(i, QString::number(choices[i]), ShortTextComboBox::ShortTextRole);
    }
    CboCardsPerPage->setCurrentIndex(m_otherKindPerPage >= 0 && m_otherKindPerPage < texts.size() ? m_otherKindPerPage
                                                                                                  : 0);
    m_otherKindPerPage = keep;
}

void TFrmMain::readCardKind(const IniFile &ini)
{
    const CardKind kind = cardKindFromStored(ini.readInteger(Section, CardKindKey, 0));
    (kind == CardKind::Tickets90 ? MnuTickets : MnuWordCards)->setChecked(true);
    m_cardKindStored = kind != CardKind::WordCards;
    showCardKind();
}

void TFrmMain::writeCardKind(IniFile &ini)
{
    // Left out while only word cards were made, so the file of a user who
    // does not make tickets stays as it always was.
    if (cardKind() != CardKind::WordCards || m_cardKindStored)
        ini.writeInteger(Section, CardKindKey, storedCardKind(cardKind()));
}
