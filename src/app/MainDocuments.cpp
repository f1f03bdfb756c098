// New, Open, Save, the save question, the Samples menu and the close procedure.
#include "app/UnitMain.h"

#include "app/EntryListModel.h"
#include "docs/CardListDocument.h"
#include "docs/Folders.h"
#include "docs/SampleInstall.h"
#include "docs/SampleTree.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>

namespace {

FileDialogSpec saveDialogSpec(const QString &folder)
{
    return {QCoreApplication::translate("TFrmMain", "Save Bingo Card"),
            QCoreApplication::translate("TFrmMain", "Morvane File (*.mrv);;All Files (*)"), QStringLiteral("mrv"),
            folder};
}

FileDialogSpec openDialogSpec(const QString &folder)
{
    return {QCoreApplication::translate("TFrmMain", "Select Bingo Card"),
            QCoreApplication::translate("TFrmMain", "Morvane File(*.mrv);;All Files (*)"), QString(), folder};
}

// Qt reads a single "&" as an accelerator mark; names show it literally.
QString menuCaption(const QString &name)
{
    QString caption = name;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

} // namespace

bool TFrmMain::OfferSaveCardList()
{
    if (!ListModified)
        return true;
    // Escape and the close button take the user back to the list unchanged.
    const Answer answer = m_services.prompts->questionWithCancel(
        QCoreApplication::translate("TFrmMain", "Do you want to save current bingo card?"), DefaultButton::Yes);
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No)
        return true;
    if (!CurrentFileName.isEmpty()) {
        WriteCardList(CurrentFileName, m_words.items());
        return true;
    }
    const auto path = m_services.prompts->saveFileName(saveDialogSpec(documentFolder()));
    if (!path)
        return false;
    WriteCardList(*path, m_words.items());
    return true;
}

void TFrmMain::clearCardList()
{
    m_entries->change([this] { m_words.clear(); });
    clearEntryBox();
    CardCells.clear();
    repaintCard();
    CurrentFileName.clear();
}

void TFrmMain::loadCardList(const QString &path)
{
    QStringList entries;
    try {
        ReadCardList(path, entries);
    } catch (...) {
        m_entries->change([&] { m_words.insertMany(entries); });
        clearEntryBox();
        throw;
    }
    m_entries->change([&] { m_words.insertMany(entries); });
    clearEntryBox();
    arrange();
    repaintCard();
}

void TFrmMain::MnuFileNewClick()
{
    guarded([this] {
        if (!OfferSaveCardList())
            return;
        ListModified = false;
        clearCardList();
    });
}

void TFrmMain::MnuFileOpenClick()
{
    guarded([this] {
        if (!OfferSaveCardList())
            return;
        // The list is only forgotten once another one replaces it.
        const auto path = m_services.prompts->openFileName(openDialogSpec(documentFolder()));
        if (!path)
            return;
        ListModified = false;
        clearCardList();
        loadCardList(*path);
        CurrentFileName = *path;
    });
}

void TFrmMain::MnuFileSaveClick()
{
    guarded([this] {
        if (!CurrentFileName.isEmpty()) {
            WriteCardList(CurrentFileName, m_words.items());
        } else {
            const auto path = m_services.prompts->saveFileName(saveDialogSpec(documentFolder()));
            // Nothing was saved, so the list is still unsaved.
            if (!path)
                return;
            WriteCardList(*path, m_words.items());
            CurrentFileName = *path;
        }
        ListModified = false;
    });
}

void TFrmMain::buildSamplesMenu()
{
    const QString folder = productFolder();
    if (folder.isEmpty())
        return;
    // A Linux install cannot reach into the user's home: the product folder
    // and the user's copy of the samples are made at the first start.
    ensureFolder(folder);
    installSampleLists(SampleListsPath(), shippedSampleSources(QLocale()));
    BuildSamplesMenu(SampleListsPath(), MnuSample);
}

namespace {

template <typename Load>
void addSampleItems(QMenu *parent, const std::vector<SampleNode> &nodes, const Load &load)
{
    for (const SampleNode &node : nodes) {
        if (node.isFolder) {
            QMenu *sub = parent->addMenu(menuCaption(node.caption));
            addSampleItems(sub, node.children, load);
        } else {
            QAction *item = parent->addAction(menuCaption(node.caption));
            // The item knows its own document, so equal names in two themes
            // and lists at any depth each load the one chosen.
            item->setData(node.path);
            const QString path = node.path;
            QObject::connect(item, &QAction::triggered, parent, [load, path] { load(path); });
        }
    }
}

} // namespace

void TFrmMain::BuildSamplesMenu(const QString &folder, QMenu *parent)
{
    addSampleItems(parent, scanSampleFolder(folder), [this](const QString &path) { LoadSample(path); });
}

void TFrmMain::LoadSample(const QString &path)
{
    guarded([this, &path] {
        if (!OfferSaveCardList())
            return;
        ListModified = false;
        clearCardList();
        const QFileInfo info(path);
        if (!info.exists() || info.isDir()) {
            m_services.prompts->information(QCoreApplication::translate(
                "TFrmMain", "The sample bingo card doesn't exist, please re-install the software and try it again."));
            return;
        }
        CurrentFileName = path;
        loadCardList(path);
    });
}

bool TFrmMain::FormCloseQuery()
{
    // A settings file that cannot be written is reported, but must not keep
    // the program from closing.
    guarded([this] { writeOptions(); });
    bool proceed = false;
    guarded([this, &proceed] { proceed = OfferSaveCardList(); });
    if (!proceed)
        return false;
    ListModified = false;
    return true;
}
