// Scripted answers for questions with check boxes.
#include "core/prompts/Prompts.h"

#include <gtest/gtest.h>

namespace vistello {
namespace {

PromptQuestion withBoxes()
{
    PromptQuestion question;
    question.text = QStringLiteral("Change?");
    question.buttons = PromptButtons::OkCancel;
    question.defaultAnswer = PromptAnswer::Ok;
    question.checkBoxes = {{QStringLiteral("Modify thumbnail image"), {}, true}, {QStringLiteral("Make copy"), {}, false}};
    return question;
}

TEST(ScriptedPrompts, unansweredBoxesKeepTheirStates)
{
    ScriptedPrompts prompts;
    const PromptReply reply = prompts.ask(withBoxes());
    EXPECT_EQ(reply.answer, PromptAnswer::Ok);
    EXPECT_EQ(reply.checkBoxStates, (QList<bool>{true, false}));
    ASSERT_EQ(prompts.shownCheckBoxes().size(), 2);
    EXPECT_EQ(prompts.shownCheckBoxes()[1].text, QStringLiteral("Make copy"));
}

TEST(ScriptedPrompts, tickAndUntickWordsSetTheBoxesByText)
{
    ScriptedPrompts prompts;
    prompts.queueAnswer(QStringLiteral("tick:Make copy"));
    prompts.queueAnswer(QStringLiteral("untick:Modify thumbnail image"));
    prompts.queueAnswer(QStringLiteral("tick:No such box"));
    prompts.queueAnswer(QStringLiteral("cancel"));
    const PromptReply reply = prompts.ask(withBoxes());
    EXPECT_EQ(reply.answer, PromptAnswer::Cancel);
    EXPECT_EQ(reply.checkBoxStates, (QList<bool>{false, true}));
    EXPECT_EQ(prompts.pendingAnswers(), 0);
}

TEST(ScriptedPrompts, aFileDialogMetFirstLeavesTheWordsForTheQuestion)
{
    ScriptedPrompts prompts;
    prompts.queueAnswer(QStringLiteral("tick:Make copy"));
    EXPECT_TRUE(prompts.chooseSaveFile({}).isEmpty()); // not taken as a path
    EXPECT_EQ(prompts.ask(withBoxes()).checkBoxStates, (QList<bool>{true, true}));
}

TEST(ScriptedPrompts, theSingleCheckBoxAnswersToItsTextToo)
{
    ScriptedPrompts prompts;
    PromptQuestion question;
    question.checkBoxText = QStringLiteral("Don't display this dialog again");
    prompts.queueAnswer(QStringLiteral("tick:Don't display this dialog again"));
    prompts.queueAnswer(QStringLiteral("yes"));
    const PromptReply reply = prompts.ask(question);
    EXPECT_EQ(reply.answer, PromptAnswer::Yes);
    EXPECT_TRUE(reply.checkBoxChecked);
    EXPECT_TRUE(reply.checkBoxStates.isEmpty());
}

} // namespace
} // namespace vistello
