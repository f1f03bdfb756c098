#include "docs/SampleTree.h"

#include "docs/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace {

void scan(const QString &folder, QStringList &ancestors, std::vector<SampleNode> &out)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || ancestors.contains(canonical))
        return;
    ancestors.append(canonical);

    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString &name :
         dir.entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        if (!isListedFolderName(name))
            continue;
        SampleNode node;
        node.isFolder = true;
        node.caption = name;
        node.path = joinPath(folder, name);
        scan(node.path, ancestors, node.children);
        out.push_back(std::move(node));
    }
    // Name patterns match without regard to case, as on the platform the
    // lists come from.
    for (const QString &name : dir.entryList({QStringLiteral("*.mrv")}, all, QDir::Unsorted)) {
        SampleNode node;
        node.caption = sampleCaption(name);
        node.path = joinPath(folder, name);
        out.push_back(std::move(node));
    }
    ancestors.removeLast();
}

} // namespace

std::vector<SampleNode> scanSampleFolder(const QString &folder)
{
    std::vector<SampleNode> nodes;
    if (folder.isEmpty())
        return nodes;
    QStringList ancestors;
    scan(folder, ancestors, nodes);
    return nodes;
}

QString sampleCaption(const QString &fileName)
{
    return fileName.left(fileName.size() - 4);
}

bool isListedFolderName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('.'));
}
