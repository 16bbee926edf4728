#pragma once
// A dialogs seam for tests: records every call and answers from a script, in order.
#include "platform/ui/dialogs.h"

#include <QStringList>
#include <deque>

namespace testsupport {

class ScriptedDialogs final : public platform::Dialogs {
public:
    ScriptedDialogs() { previous = platform::setDialogs(this); }
    ~ScriptedDialogs() override { platform::setDialogs(previous); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Answers used in order; when they run out, messages answer Cancel (Ok for Buttons::Ok) and
    // inputs and file dialogs answer nothing.
    std::deque<platform::Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> fileNames;

    // What was asked: "title|text" for messages and inputs, "title" for file dialogs.
    QStringList messages;
    QStringList prompts;
    QStringList fileDialogs;

    platform::Answer message(
        const QString& text, const QString& title, platform::Buttons buttons, platform::Icon) override
    {
        messages << title + "|" + text;
        if (answers.empty())
            return buttons == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::Cancel;
        const platform::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> input(const QString& prompt, const QString& title, const QString&) override
    {
        prompts << title + "|" + prompt;
        std::optional<QString> a;
        if (!inputs.empty()) {
            a.swap(inputs.front());
            inputs.pop_front();
        }
        return a;
    }
    QString openFileName(const QString& title, const QString&, const QString&) override
    {
        return nextFile(title);
    }
    QString saveFileName(const QString& title, const QString&, const QString&, const QString&) override
    {
        return nextFile(title);
    }

private:
    QString nextFile(const QString& title)
    {
        fileDialogs << title;
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
    platform::Dialogs* previous = nullptr;
};

} // namespace testsupport
