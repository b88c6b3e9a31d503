#include "core/prompts/Prompts.h"

namespace vistello {

namespace {

const QLatin1String kTick("tick:");
const QLatin1String kUntick("untick:");

bool isCheckBoxWord(const QString& word)
{
    return word.startsWith(kTick) || word.startsWith(kUntick);
}

bool isQuestionAnswer(const QString& word)
{
    return word == QLatin1String("yes") || word == QLatin1String("no") || word == QLatin1String("ok")
        || word == QLatin1String("cancel") || isCheckBoxWord(word);
}

PromptAnswer answerFromWord(const QString& word)
{
    if (word == QLatin1String("yes"))
        return PromptAnswer::Yes;
    if (word == QLatin1String("no"))
        return PromptAnswer::No;
    if (word == QLatin1String("ok"))
        return PromptAnswer::Ok;
    return PromptAnswer::Cancel;
}

} // namespace

bool Prompts::confirm(const QString& title, const QString& text)
{
    PromptQuestion question;
    question.title = title;
    question.text = text;
    return ask(question).answer == PromptAnswer::Yes;
}

QString ScriptedPrompts::takeAnswer()
{
    return answers_.isEmpty() ? QString() : answers_.takeFirst();
}

void ScriptedPrompts::applyCheckBoxWords(const PromptQuestion& question, PromptReply& reply)
{
    while (!answers_.isEmpty() && isCheckBoxWord(answers_.first())) {
        const QString word = takeAnswer();
        const bool tick = word.startsWith(kTick);
        const QString text = word.mid(tick ? kTick.size() : kUntick.size());
        for (qsizetype i = 0; i < question.checkBoxes.size(); ++i)
            if (question.checkBoxes[i].text == text)
                reply.checkBoxStates[i] = tick;
        if (!question.checkBoxText.isEmpty() && question.checkBoxText == text)
            reply.checkBoxChecked = tick;
    }
}

PromptReply ScriptedPrompts::ask(const PromptQuestion& question)
{
    shown_.append(question.text);
    PromptReply reply{question.defaultAnswer, false, {}};
    for (const PromptCheckBox& box : question.checkBoxes) {
        shownCheckBoxes_.append(box);
        reply.checkBoxStates.append(box.checked);
    }
    applyCheckBoxWords(question, reply);
    if (!answers_.isEmpty() && isQuestionAnswer(answers_.first()))
        reply.answer = answerFromWord(takeAnswer());
    if (reply.answer == PromptAnswer::Yes && !question.yesEnabled)
        reply.answer = question.defaultAnswer == PromptAnswer::Yes ? PromptAnswer::No : question.defaultAnswer;
    if (!question.checkBoxText.isEmpty() && tickNextCheckBox_) {
        reply.checkBoxChecked = true;
        tickNextCheckBox_ = false;
    }
    return reply;
}

void ScriptedPrompts::inform(const QString& title, const QString& text)
{
    (void)title;
    shown_.append(text);
    // An "ok" queued for a message is used up by it.
    if (!answers_.isEmpty() && answers_.first() == QLatin1String("ok"))
        takeAnswer();
}

QString ScriptedPrompts::chooseSaveFile(const FileChoice& choice)
{
    shown_.append(choice.title);
    if (answers_.isEmpty() || isQuestionAnswer(answers_.first())) {
        if (!answers_.isEmpty() && answers_.first() == QLatin1String("cancel"))
            takeAnswer();
        return {};
    }
    return takeAnswer();
}

QString ScriptedPrompts::chooseOpenFile(const FileChoice& choice)
{
    return chooseSaveFile(choice);
}

} // namespace vistello
