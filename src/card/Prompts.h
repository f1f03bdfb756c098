#pragma once

#include <QString>
#include <optional>

// What a file dialog is configured with before it is shown.
struct FileDialogSpec
{
    QString title;
    QString filter;        // Qt form: "Morvane File (*.mrv);;All Files (*)"
    QString defaultSuffix; // without the dot; empty for none
};

enum class DefaultButton { Yes, No };

// Message boxes and file dialogs. All message boxes are titled "Morvane".
class IPrompts
{
public:
    virtual ~IPrompts() = default;
    virtual void information(const QString &text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool question(const QString &text, DefaultButton defaultButton) = 0;
    // The general error box; the text is shown as given.
    virtual void error(const QString &text) = 0;
    // The chosen path, or nothing when the user cancelled. The save dialog
    // asks before overwriting; the open dialog accepts existing files only.
    virtual std::optional<QString> saveFileName(const FileDialogSpec &setup) = 0;
    virtual std::optional<QString> openFileName(const FileDialogSpec &setup) = 0;
};
