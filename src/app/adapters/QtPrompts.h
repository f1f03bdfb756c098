#pragma once

#include "card/Prompts.h"

class QWidget;

// Message boxes titled "Morvane" and the Qt file dialogs. The dialogs
// remember the folder last chosen in this run.
class QtPrompts : public IPrompts
{
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void information(const QString &text) override;
    bool question(const QString &text, DefaultButton defaultButton) override;
    Answer questionWithCancel(const QString &text, DefaultButton defaultButton) override;
    void error(const QString &text) override;
    std::optional<QString> saveFileName(const FileDialogSpec &setup) override;
    std::optional<QString> openFileName(const FileDialogSpec &setup) override;

private:
    std::optional<QString> runDialog(const FileDialogSpec &setup, bool save);
    QString startFolder(const FileDialogSpec &setup) const;

    QWidget *m_parent;
    QString m_lastFolder;
};
