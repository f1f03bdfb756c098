#pragma once

#include <QString>
#include <optional>

// What a file dialog is configured with before it is shown.
struct FileDialogSpec
{
    QString title;
    QString filter;        // Qt form: "Morvane File (*.mrv);;All Files (*)"
    QString defaultSuffix; // without the dot; empty for none
    // Where the dialog opens: the current document's folder. Empty lets the
    // dialog choose (the last folder used in this run, else Documents).
    QString folder = {};
};

enum class DefaultButton { Yes, No };

// How the user left a question that can be cancelled.
enum class Answer { Yes, No, Cancel };

// Message boxes and file dialogs. All message boxes are titled "Morvane" and
// show their text as plain text.
class IPrompts
{
public:
    virtual ~IPrompts() = default;
    virtual void information(const QString &text) = 0;
    // A question with Yes and No; true for Yes. Escape and the close button
    // count as No.
    virtual bool question(const QString &text, DefaultButton defaultButton) = 0;
    // A question with Yes and No whose Escape and close button cancel the
    // command that asks it. A prompt that cannot tell them from No answers No.
    virtual Answer questionWithCancel(const QString &text, DefaultButton defaultButton)
    {
        return question(text, defaultButton) ? Answer::Yes : Answer::No;
    }
    // The general error box; the text is shown as given.
    virtual void error(const QString &text) = 0;
    // The chosen path, or nothing when the user cancelled. The save dialog
    // asks before overwriting; the open dialog accepts existing files only.
    virtual std::optional<QString> saveFileName(const FileDialogSpec &setup) = 0;
    virtual std::optional<QString> openFileName(const FileDialogSpec &setup) = 0;
};
