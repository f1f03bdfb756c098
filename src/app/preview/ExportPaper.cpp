#include "app/preview/ExportPaper.h"

#include "app/adapters/PdfFilePrintService.h"
#include "docs/IniFile.h"

#include <array>
#include <utility>

namespace {

const QString Section = QStringLiteral("Options");
const QString PaperKey = QStringLiteral("ExportPaper");
const QString OrientationKey = QStringLiteral("ExportOrientation");
const QString Portrait = QStringLiteral("Portrait");
const QString Landscape = QStringLiteral("Landscape");

const std::array<std::pair<const char *, QPageSize::PageSizeId>, 5> Papers{{
    {"A4", QPageSize::A4},
    {"Letter", QPageSize::Letter},
    {"Legal", QPageSize::Legal},
    {"A5", QPageSize::A5},
    {"A3", QPageSize::A3},
}};

} // namespace

QPageSize ExportPaper::pageSize() const
{
    return size ? QPageSize(*size) : PdfFilePrintService::localePaper();
}

QString ExportPaper::paperName() const
{
    const QPageSize::PageSizeId id = pageSize().id();
    for (const auto &[name, paper] : Papers)
        if (paper == id)
            return QString::fromLatin1(name);
    return pageSize().name();
}

QStringList exportPaperNames()
{
    QStringList names;
    for (const auto &paper : Papers)
        names.append(QString::fromLatin1(paper.first));
    return names;
}

std::optional<QPageSize::PageSizeId> exportPaperNamed(const QString &name)
{
    for (const auto &[known, paper] : Papers)
        if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return paper;
    return std::nullopt;
}

ExportPaper readExportPaper(const IniFile &ini)
{
    ExportPaper paper;
    const QString name = ini.readString(Section, PaperKey, QString());
    const QString orientation = ini.readString(Section, OrientationKey, QString());
    paper.size = exportPaperNamed(name);
    if (orientation.compare(Landscape, Qt::CaseInsensitive) == 0)
        paper.orientation = QPageLayout::Landscape;
    paper.chosen = paper.size || paper.orientation == QPageLayout::Landscape;
    return paper;
}

void writeExportPaper(IniFile &ini, const ExportPaper &paper)
{
    if (!paper.chosen)
        return;
    if (paper.size)
        ini.writeString(Section, PaperKey, paper.paperName());
    ini.writeString(Section, OrientationKey, paper.orientation == QPageLayout::Landscape ? Landscape : Portrait);
}
