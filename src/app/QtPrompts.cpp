#include "app/QtPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

const QString Title = QStringLiteral("Morvane");

std::optional<QString> runDialog(QWidget *parent, const FileDialogSpec &setup, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, setup.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(setup.filter);
    if (!setup.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(setup.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtPrompts::information(const QString &text)
{
    QMessageBox box(QMessageBox::Information, Title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtPrompts::question(const QString &text, DefaultButton defaultButton)
{
    QMessageBox box(QMessageBox::Question, Title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(defaultButton == DefaultButton::Yes ? QMessageBox::Yes : QMessageBox::No);
    // Closing the box by its title bar counts as No: there is no Cancel.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, Title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

std::optional<QString> QtPrompts::saveFileName(const FileDialogSpec &setup)
{
    return runDialog(m_parent, setup, QFileDialog::AcceptSave);
}

std::optional<QString> QtPrompts::openFileName(const FileDialogSpec &setup)
{
    return runDialog(m_parent, setup, QFileDialog::AcceptOpen);
}
