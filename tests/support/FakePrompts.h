#pragma once

#include "card/Prompts.h"

#include <QList>
#include <QQueue>
#include <QString>

// Answers questions and file dialogs in the order given, and records every
// message box it was asked to show.
class FakePrompts : public IPrompts
{
public:
    enum class Kind { Information, Question, Error, SaveDialog, OpenDialog };
    struct Shown
    {
        Kind kind;
        QString text; // the message, or the dialog's title
        DefaultButton defaultButton = DefaultButton::Yes;
        FileDialogSpec dialog;
    };

    // One reply to a question: Yes, No, or the Escape key. Escape cancels a
    // question that can be cancelled and counts as No on any other.
    struct Reply
    {
        Answer answer;
        Reply(bool yes) : answer(yes ? Answer::Yes : Answer::No) {}
        Reply(Answer a) : answer(a) {}
    };

    QList<Shown> shown;
    QQueue<Reply> answers;                // for questions; No when empty
    QQueue<std::optional<QString>> files; // for file dialogs; cancel when empty

    void information(const QString &text) override { shown.append({Kind::Information, text, {}, {}}); }
    bool question(const QString &text, DefaultButton d) override { return questionWithCancel(text, d) == Answer::Yes; }
    Answer questionWithCancel(const QString &text, DefaultButton d) override
    {
        shown.append({Kind::Question, text, d, {}});
        return answers.isEmpty() ? Answer::No : answers.dequeue().answer;
    }
    void error(const QString &text) override { shown.append({Kind::Error, text, {}, {}}); }
    std::optional<QString> saveFileName(const FileDialogSpec &setup) override
    {
        shown.append({Kind::SaveDialog, setup.title, {}, setup});
        return files.isEmpty() ? std::nullopt : files.dequeue();
    }
    std::optional<QString> openFileName(const FileDialogSpec &setup) override
    {
        shown.append({Kind::OpenDialog, setup.title, {}, setup});
        return files.isEmpty() ? std::nullopt : files.dequeue();
    }

    QStringList texts() const
    {
        QStringList t;
        for (const auto &s : shown)
            t.append(s.text);
        return t;
    }
    int count(Kind k) const
    {
        int n = 0;
        for (const auto &s : shown)
            n += s.kind == k ? 1 : 0;
        return n;
    }
    void clear() { shown.clear(); }
};
