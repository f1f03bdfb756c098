#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

class IniFile;

// The paper PDF exports are made on, chosen in the print preview. With no
// choice ever made it is the locale's paper, portrait, as exports always were.
struct ExportPaper
{
    std::optional<QPageSize::PageSizeId> size;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // The settings file held a choice at start, or the user made one since:
    // written back at close. A user who never chose keeps the file as it was.
    bool chosen = false;

    QPageSize pageSize() const;
    // The name of its paper as the settings file keeps it ("A4", ...).
    QString paperName() const;
};

// The papers an export offers, by the names the window and the settings
// file use: "A4", "Letter", "Legal", "A5", "A3".
QStringList exportPaperNames();
// The paper of that name, matched without regard to case; none for any other
// text.
std::optional<QPageSize::PageSizeId> exportPaperNamed(const QString &name);

// The "ExportPaper" and "ExportOrientation" keys of the "Options" section;
// an unknown paper or orientation reads as none chosen.
ExportPaper readExportPaper(const IniFile &ini);
void writeExportPaper(IniFile &ini, const ExportPaper &paper);
