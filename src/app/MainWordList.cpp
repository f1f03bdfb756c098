// The word list and card option handlers of the main window.
#include "app/UnitMain.h"

#include "app/EntryListModel.h"
#include "card/ArrangeCard.h"
#include "card/EntryRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

void TFrmMain::setUpEntryBox()
{
    m_entries = new EntryListModel(m_words, CboCardStr);
    CboCardStr->setModel(m_entries);
    // Equal rows let the drop-down open at once on a list of a million
    // entries; the box's size never follows its contents.
    if (auto *view = qobject_cast<QListView *>(CboCardStr->view()))
        view->setUniformItemSizes(true);
    CboCardStr->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    // When editing finishes, Qt's combo box picks the entry that matches the
    // typed text. A typed text is no pick, so that match is taken back: the
    // first handler runs before the combo box's own, the second after it.
    auto *edit = new QLineEdit(CboCardStr);
    connect(edit, &QLineEdit::editingFinished, this,
            [this] { m_pickBeforeEditingFinished = CboCardStr->currentIndex(); });
    CboCardStr->setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] {
        if (CboCardStr->currentIndex() != m_pickBeforeEditingFinished)
            dropEntryPick();
    });
    CboCardStr->setInsertPolicy(QComboBox::NoInsert);
    CboCardStr->setCompleter(nullptr);
    // Typing drops the picked entry, so Delete acts only on one picked from the list.
    connect(edit, &QLineEdit::textEdited, this, [this] { dropEntryPick(); });
}

void TFrmMain::dropEntryPick()
{
    if (CboCardStr->currentIndex() < 0)
        return;
    QLineEdit *edit = CboCardStr->lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker block(CboCardStr);
    CboCardStr->setCurrentIndex(-1);
    CboCardStr->setEditText(text);
    edit->setCursorPosition(cursor);
}

void TFrmMain::clearEntryBox()
{
    const QSignalBlocker block(CboCardStr);
    CboCardStr->setCurrentIndex(-1);
    CboCardStr->setEditText(QString());
}

void TFrmMain::BtnAddClick()
{
    guarded([this] {
        const QString text = CboCardStr->currentText();
        if (!confirmNewEntry(text, m_words, *m_services.prompts)) {
            if (!isEmptyEntry(text))
                clearEntryBox();
            return;
        }
        m_entries->change([&] { m_words.insert(text); });
        clearEntryBox();
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
            m_services.prompts->information(
                QCoreApplication::translate("TFrmMain", "Please select the string you want to delete firstly."));
            return;
        }
        m_entries->change([&] { m_words.removeAt(index); });
        clearEntryBox();
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
