// The word list and card option handlers of the main window.
#include "app/UnitMain.h"

#include "card/ArrangeCard.h"
#include "card/EntryRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

void TFrmMain::BtnAddClick()
{
    guarded([this] {
        const QString text = CboCardStr->currentText();
        if (!confirmNewEntry(text, m_words, *m_services.prompts)) {
            if (!isEmptyEntry(text))
                CboCardStr->setEditText(QString());
            return;
        }
        const qsizetype index = m_words.insert(text);
        {
            const QSignalBlocker block(CboCardStr);
            CboCardStr->insertItem(int(index), text);
            CboCardStr->setCurrentIndex(-1);
            CboCardStr->setEditText(QString());
        }
        arrange();
        repaintCard();
        ListModified = true;
    });
}

bool TFrmMain::CboCardStrKeyPress(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    BtnAddClick();
    return true;
}

void TFrmMain::BtnDeleteClick()
{
    guarded([this] {
        const int index = CboCardStr->currentIndex();
        if (index < 0) {
            m_services.prompts->information(QStringLiteral("Please select the string you want to delete firstly."));
            return;
        }
        m_words.removeAt(index);
        {
            const QSignalBlocker block(CboCardStr);
            CboCardStr->removeItem(index);
            CboCardStr->setCurrentIndex(-1);
        }
        arrange();
        repaintCard();
        ListModified = true;
    });
}

void TFrmMain::CboCardSizeSelect()
{
    arrange();
    repaintCard();
}

void TFrmMain::ChkFreeSpaceClick()
{
    TxtFreeSpace->setEnabled(ChkFreeSpace->isChecked());
    arrange();
    repaintCard();
}

void TFrmMain::TxtFreeSpaceChange()
{
    repaintCard();
}

void TFrmMain::ChkHeadingClick()
{
    TxtHeading->setEnabled(ChkHeading->isChecked());
    arrange();
    repaintCard();
}

void TFrmMain::TxtHeadingChange()
{
    repaintCard();
}

void TFrmMain::ChkWordWrapClick()
{
    arrange();
    repaintCard();
}
