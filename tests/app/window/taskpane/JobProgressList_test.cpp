// The job list's state: entries made, moved on and removed by the jobs'
// messages, in any order they may arrive, and the record of ended jobs.
#include "app/window/taskpane/JobProgressList.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace vistello {
namespace {

// One message per line: "start N STEPS KIND [TITLE]", "step N [TEXT]", "finish N".
void apply(JobProgressList& list, const QString& message)
{
    const QStringList words = message.split(u' ');
    const int number = words.value(1).toInt();
    if (words[0] == u"start")
        list.started(number, words[2].toInt(), JobKind(words[3].toInt()), words.mid(4).join(u' '));
    else if (words[0] == u"step")
        list.step(number, words.mid(2).join(u' '));
    else if (words[0] == u"finish")
        list.finished(number);
    else
        ADD_FAILURE() << "unknown message " << message.toStdString();
}

// "N:KIND text step/total", "|" for a text line instead of a bar.
QString render(const JobProgressList& list)
{
    QStringList rows;
    for (const JobProgressEntry& e : list.entries())
        rows << QStringLiteral("%1:%2 %3 %4%5/%6")
                    .arg(e.jobNumber)
                    .arg(int(e.kind))
                    .arg(e.text)
                    .arg(e.showsTextLine() ? QStringLiteral("|") : QString())
                    .arg(e.step)
                    .arg(e.total);
    return rows.join(u", ");
}

TEST(JobProgressList, EntriesFollowTheMessages)
{
    struct Case {
        const char* name;
        QStringList messages;
        const char* entries;
    };
    const Case cases[] = {
        {"a started job shows its title and an empty bar", {"start 1 3 9 rotate"}, "1:9 rotate 0/3"},
        {"steps advance the bar; a text replaces the title",
         {"start 1 3 9 rotate", "step 1", "step 1 a.jpg"},
         "1:9 a.jpg 2/3"},
        {"an empty step text keeps the last one", {"start 1 2 2 t", "step 1 a.jpg", "step 1"}, "1:2 a.jpg 2/2"},
        {"more steps than announced leave the bar full", {"start 1 1 9 t", "step 1", "step 1", "step 1"}, "1:9 t 1/1"},
        {"an uncounted job keeps counting under its busy bar", {"start 1 0 0 g", "step 1", "step 1"}, "1:0 g 2/0"},
        {"a negative step count is an uncounted job", {"start 1 -5 0 g"}, "1:0 g 0/0"},
        {"the search shows a text line", {"start 4 0 4", "step 4 12 pictures scanned"}, "4:4 12 pictures scanned |1/0"},
        {"entries keep the order the jobs started",
         {"start 2 5 2 b", "start 1 5 9 a", "step 1", "step 2", "step 2"},
         "2:2 b 2/5, 1:9 a 1/5"},
        {"a finished job leaves; the others stay",
         {"start 1 5 9 a", "start 2 5 2 b", "step 2", "finish 1"},
         "2:2 b 1/5"},
        {"a second finish changes nothing",
         {"start 1 5 9 a", "start 2 5 2 b", "finish 1", "finish 1"},
         "2:2 b 0/5"},
        {"a step for an unknown job changes nothing", {"start 1 5 9 a", "step 7 x.jpg"}, "1:9 a 0/5"},
        {"a step after the finish changes nothing", {"start 1 5 9 a", "finish 1", "step 1 late"}, ""},
        {"a finish for an unknown job changes nothing", {"start 1 5 9 a", "finish 3"}, "1:9 a 0/5"},
        {"a second start of the same job keeps one entry",
         {"start 1 5 9 a", "step 1", "start 1 8 9 again"},
         "1:9 a 1/5"},
        {"a finished job's number never returns",
         {"start 1 2 9 a", "finish 1", "start 2 2 9 b"},
         "2:9 b 0/2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        JobProgressList list;
        for (const QString& m : c.messages)
            apply(list, m);
        EXPECT_EQ(render(list), QString::fromUtf8(c.entries));
        EXPECT_EQ(list.isEmpty(), QByteArray(c.entries).isEmpty());
    }
}

TEST(JobProgressList, ChangesAreReportedOnlyWhenSomethingChanged)
{
    JobProgressList list;
    EXPECT_FALSE(list.step(1, QStringLiteral("x")));
    EXPECT_FALSE(list.finished(1));
    EXPECT_TRUE(list.started(1, 2, JobKind::Resize, QString()));
    EXPECT_FALSE(list.started(1, 2, JobKind::Resize, QString()));
    EXPECT_TRUE(list.step(1, QString()));
    EXPECT_TRUE(list.finished(1));
    EXPECT_FALSE(list.finished(1));
}

QString render(const FinishedJob& job)
{
    return QStringLiteral("%1:%2 w[%3] f[%4]%5")
        .arg(job.jobNumber)
        .arg(int(job.kind))
        .arg(job.written.join(u' '), job.failed.join(u' '),
             job.failure.isEmpty() ? QString() : QStringLiteral(" !") + job.failure);
}

TEST(JobProgressList, EndedJobsAreRecordedInTheOrderTheyEnded)
{
    JobProgressList list;
    list.launched(1, JobKind::LosslessTransform);
    list.launched(2, JobKind::Resize);
    list.launched(3, JobKind::Rename);
    list.written(1, QStringLiteral("a.jpg"));
    list.written(2, QStringLiteral("x.jpg"));
    list.failed(1, QStringLiteral("b.jpg"));
    list.written(1, QStringLiteral("c.jpg"));
    list.failedWith(3, QStringLiteral("refused"));
    list.written(9, QStringLiteral("nobody.jpg")); // not launched: dropped

    ASSERT_TRUE(list.settle(2).has_value());
    const std::optional<FinishedJob> first = list.settle(1);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(render(*first), QStringLiteral("1:9 w[a.jpg c.jpg] f[b.jpg]"));
    EXPECT_FALSE(list.settle(1).has_value()); // once only
    EXPECT_FALSE(list.settle(9).has_value());
    list.written(1, QStringLiteral("late.jpg")); // after it settled: dropped
    EXPECT_TRUE(list.isOpen(3));
    list.settle(3);
    EXPECT_FALSE(list.isOpen(3));

    QStringList record;
    for (const FinishedJob& job : list.finishedJobs())
        record << render(job);
    EXPECT_EQ(record, (QStringList{QStringLiteral("2:2 w[x.jpg] f[]"), QStringLiteral("1:9 w[a.jpg c.jpg] f[b.jpg]"),
                                   QStringLiteral("3:3 w[] f[] !refused")}));
}

} // namespace
} // namespace vistello
