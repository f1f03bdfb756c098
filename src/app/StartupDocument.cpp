// The card list named on the command line, as a file manager's "Open With" passes it.
#include "app/UnitMain.h"

#include <QDebug>
#include <QFileInfo>

void TFrmMain::openStartupDocuments(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    // One window holds one list. The desktop entry takes a single file, so a
    // file manager starts one Morvane per document; only a typed command gets here.
    for (const QString &ignored : paths.mid(1))
        qWarning().noquote() << "Morvane opens one card list at a time; ignored:" << ignored;
    // Save writes back to this name later, so it must not depend on the
    // folder the program was started from.
    const QString path = QFileInfo(paths.first()).absoluteFilePath();
    guarded([this, &path] {
        // Nothing has been typed yet, so there is nothing to offer to save.
        ListModified = false;
        clearCardList();
        loadCardList(path);
        CurrentFileName = path;
    });
}
