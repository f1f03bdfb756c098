#include "app/adapters/QtPrompts.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

const QString Title = QStringLiteral("Morvane");

// Entries and file names are the user's own text: "<b>" must read as typed.
class MessageBox : public QMessageBox
{
public:
    MessageBox(Icon icon, const QString &text, StandardButtons buttons, QWidget *parent)
        : QMessageBox(icon, Title, text, buttons, parent)
    {
        setTextFormat(Qt::PlainText);
        // A file name or an address in a message can be copied from it.
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }

    // Set when the box was left by Escape or its close button rather than
    // by one of its buttons.
    bool escaped() const { return m_escaped; }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel))
            m_escaped = true;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override
    {
        m_escaped = true;
        QMessageBox::closeEvent(event);
    }

private:
    bool m_escaped = false;
};

// Without a Cancel button, No is what Escape and the close button press.
Answer ask(QWidget *parent, const QString &text, DefaultButton defaultButton)
{
    MessageBox box(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultButton == DefaultButton::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    const int result = box.exec();
    if (box.escaped())
        return Answer::Cancel;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

void QtPrompts::information(const QString &text)
{
    MessageBox box(QMessageBox::Information, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtPrompts::question(const QString &text, DefaultButton defaultButton)
{
    return ask(m_parent, text, defaultButton) == Answer::Yes;
}

Answer QtPrompts::questionWithCancel(const QString &text, DefaultButton defaultButton)
{
    return ask(m_parent, text, defaultButton);
}

void QtPrompts::error(const QString &text)
{
    MessageBox box(QMessageBox::Critical, text, QMessageBox::Ok, m_parent);
    box.exec();
}

QString QtPrompts::startFolder(const FileDialogSpec &setup) const
{
    if (isFolder(setup.folder))
        return setup.folder;
    if (isFolder(m_lastFolder))
        return m_lastFolder;
    // Not the working folder: started from a launcher or a source tree, it
    // is nowhere the user keeps lists.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return isFolder(documents) ? documents : QDir::homePath();
}

std::optional<QString> QtPrompts::runDialog(const FileDialogSpec &setup, bool save)
{
    QFileDialog dialog(m_parent, setup.title, startFolder(setup));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(setup.filter);
    if (!setup.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(setup.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::optional<QString> QtPrompts::saveFileName(const FileDialogSpec &setup)
{
    return runDialog(setup, true);
}

std::optional<QString> QtPrompts::openFileName(const FileDialogSpec &setup)
{
    return runDialog(setup, false);
}
