#include "docs/SampleTree.h"

#include "card/WordList.h"
#include "docs/Folders.h"

#include <QCollator>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

struct Found
{
    QString caption;
    QString path;
    QString canonical; // of a folder
};

class Scanner
{
public:
    explicit Scanner(const QString &root) : m_root(root), m_collator(listCollator()) {}

    void scan(const QString &folder, const QString &canonical, int depth, std::vector<SampleNode> &out)
    {
        std::vector<Found> folders;
        std::vector<Found> lists;
        list(folder, canonical, depth < MaxSampleDepth, folders, lists);
        sort(folders);
        sort(lists);

        // A folder that is its own ancestor (through a link) is a loop: it
        // is listed, empty. The set makes the check cost the same at any depth.
        m_ancestors.insert(canonical);
        for (Found &f : folders) {
            if (!takeItem())
                break;
            SampleNode node;
            node.isFolder = true;
            node.caption = f.caption;
            node.path = f.path;
            if (!m_ancestors.contains(f.canonical))
                scan(node.path, f.canonical, depth + 1, node.children);
            out.push_back(std::move(node));
        }
        m_ancestors.remove(canonical);
        for (Found &f : lists) {
            if (!takeItem())
                break;
            SampleNode node;
            node.caption = std::move(f.caption);
            node.path = std::move(f.path);
            out.push_back(std::move(node));
        }
    }

private:
    void list(const QString &folder, const QString &canonical, bool withFolders, std::vector<Found> &folders,
              std::vector<Found> &lists)
    {
        QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        while (it.hasNext() && m_looked < MaxSampleEntriesLooked) {
            ++m_looked;
            it.next();
            const QString name = it.fileName();
            // Name patterns match without regard to case, as on the
            // platform the lists come from. No check is made whether a list
            // is a file.
            const bool isList = name.endsWith(QLatin1String(".mrv"), Qt::CaseInsensitive);
            const bool isFolder = withFolders && isListedFolderName(name);
            if (!isList && !isFolder)
                continue;
            const QFileInfo info = it.fileInfo();
            const bool isDir = isFolder && info.isDir();
            if (!isDir && !isList)
                continue;
            QString real;
            if (info.isSymLink()) {
                real = info.canonicalFilePath();
                if (!isInside(real))
                    continue;
            }
            if (isDir)
                folders.push_back({name, joinPath(folder, name), real.isEmpty() ? joinPath(canonical, name) : real});
            else if (isList)
                lists.push_back({sampleCaption(name), joinPath(folder, name), QString()});
        }
    }

    // Dangling links lead nowhere, so they are not inside either.
    bool isInside(const QString &real) const
    {
        if (real.isEmpty())
            return false;
        if (m_root == QLatin1String("/"))
            return true;
        return real == m_root || (real.startsWith(m_root) && real.at(m_root.size()) == QLatin1Char('/'));
    }

    void sort(std::vector<Found> &found) const
    {
        std::sort(found.begin(), found.end(), [this](const Found &a, const Found &b) {
            const int order = m_collator.compare(a.caption, b.caption);
            return order != 0 ? order < 0 : a.caption < b.caption;
        });
    }

    bool takeItem()
    {
        if (m_items >= MaxSampleItems)
            return false;
        ++m_items;
        return true;
    }

    QString m_root;
    QCollator m_collator;
    QSet<QString> m_ancestors;
    int m_items = 0;
    int m_looked = 0;
};

} // namespace

std::vector<SampleNode> scanSampleFolder(const QString &folder)
{
    std::vector<SampleNode> nodes;
    if (folder.isEmpty())
        return nodes;
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return nodes;
    Scanner(root).scan(folder, root, 0, nodes);
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
