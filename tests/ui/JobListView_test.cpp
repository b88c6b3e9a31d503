// Real batch jobs through the launcher: their rows in the job list, their
// results reaching the current list and the views, and Cancel.
#include "app/window/taskpane/JobLauncher.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/jobs/JobRegistry.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "jpegedit/batch/TransformJob.h"
#include "organize/filecommands/FileCommands.h"
#include "organize/filecommands/ViewListener.h"
#include "platform/FileOperations.h"
#include "ui/taskpane/JobListView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <functional>
#include <gtest/gtest.h>

namespace vistello {
namespace {

class RecordingView : public ViewListener {
public:
    QStringList events;
    void pictureChanged(const QString& path) override { events << QStringLiteral("changed ") + name(path); }
    void pictureAdded(const QString& path, int index) override
    {
        events << QStringLiteral("added %1 %2").arg(name(path)).arg(index);
    }

private:
    static QString name(const QString& path) { return QFileInfo(path).fileName(); }
};

bool waitFor(const std::function<bool()>& done, int timeoutMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return done();
}

class JobListTest : public ::testing::Test {
protected:
    JobListTest()
        : settings(dir.path())
        , commands({lists, settings, prompts, realFileOperations(), [](const QString&) {}, {}, {}})
        , launcher(commands)
        , view(launcher)
    {
        registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
        view.resize(240, 200);
        view.show();
        QObject::connect(&launcher, &JobLauncher::changed, &launcher, [this] {
            for (const JobProgressEntry& e : launcher.progress().entries())
                if (view.rowOf(e.jobNumber))
                    rowsSeen.insert(e.jobNumber);
        });
        QObject::connect(&launcher, &JobLauncher::jobSettled, &launcher, [this](int n) { settled << n; });
    }

    // A JPEG that Qt writes: its left half red, its right half blue.
    QString picture(const QString& name, int width = 64, int height = 32)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width / 2; ++x)
                image.setPixel(x, y, qRgb(255, 0, 0));
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, "JPEG", 95)) << path.toStdString();
        return path;
    }

    void showFolder(const QStringList& paths, int current)
    {
        PictureList& list = lists.folderPictures();
        for (const QString& p : paths)
            list.entries().append(p);
        list.entries().setCurrentIndex(current);
        lists.setCurrent(ListId::FolderPictures);
    }

    int start(const QStringList& pictures, PictureTransformOptions options, const FileSteps& steps = realFileSteps())
    {
        auto job = std::make_unique<TransformJob>(pictures, options, steps);
        job->setTitle(QStringLiteral("Rotating"));
        return launcher.start(std::move(job))->jobNumber();
    }

    static PictureTransformOptions rotateRight()
    {
        PictureTransformOptions options;
        options.request.op = TransformOp::Rotate90;
        options.copyOriginal = false;
        return options;
    }

    QTemporaryDir dir;
    PictureLists lists;
    SettingsStore settings;
    ScriptedPrompts prompts;
    FileCommands commands;
    JobLauncher launcher;
    JobListView view;
    RecordingView views;
    QSet<int> rowsSeen;
    QList<int> settled;
};

bool rotatedRight(const QString& path)
{
    // Read back by Qt's own decoder: 64x32 turned on its side, the red left
    // half now on top.
    const QImage image = QImageReader(path).read();
    return image.size() == QSize(32, 64) && qRed(image.pixel(16, 8)) > 200 && qBlue(image.pixel(16, 56)) > 200;
}

TEST_F(JobListTest, QtWritesJpegForTheseTests)
{
    ASSERT_TRUE(QImageWriter::supportedImageFormats().contains("jpeg"));
}

TEST_F(JobListTest, ATransformJobComesAndGoesAndItsPicturesAreShownAnew)
{
    const QString a = picture(QStringLiteral("a.jpg"));
    const QString b = picture(QStringLiteral("b.jpg"));
    showFolder({a, b}, 1);
    EXPECT_EQ(view.sizeHint().height(), 0);

    const int number = start({a, b}, rotateRight());
    ASSERT_TRUE(waitFor([&] { return settled.contains(number); }));

    EXPECT_TRUE(rowsSeen.contains(number)); // the row came ...
    EXPECT_EQ(view.rowOf(number), nullptr); // ... and went
    EXPECT_TRUE(launcher.progress().isEmpty());
    EXPECT_EQ(view.sizeHint().height(), 0);
    EXPECT_EQ(JobRegistry::instance().count(), 0);
    EXPECT_TRUE(rotatedRight(a));
    EXPECT_TRUE(rotatedRight(b));
    // Both were in the list already: shown anew, the current one stays.
    EXPECT_EQ(views.events, (QStringList{QStringLiteral("changed a.jpg"), QStringLiteral("changed b.jpg")}));
    EXPECT_EQ(lists.current().entries().currentIndex(), 1);
    ASSERT_EQ(launcher.progress().finishedJobs().size(), 1u);
    EXPECT_EQ(launcher.progress().finishedJobs().back().written, (QStringList{a, b}));
    EXPECT_EQ(launcher.progress().finishedJobs().back().kind, JobKind::LosslessTransform);
}

TEST_F(JobListTest, AJobWithOneResultMakesItCurrent)
{
    const QString a = picture(QStringLiteral("a.jpg"));
    const QString b = picture(QStringLiteral("b.jpg"));
    showFolder({a, b}, 1);
    PictureTransformOptions copy = rotateRight();
    copy.makeCopy = true;

    const int first = start({a}, copy);
    ASSERT_TRUE(waitFor([&] { return settled.contains(first); }));
    const QString copyOfA = dir.filePath(QStringLiteral("Copy of a.jpg"));
    EXPECT_TRUE(rotatedRight(copyOfA));
    EXPECT_EQ(lists.current().entries().currentIndex(), 2);
    EXPECT_EQ(lists.current().entries().at(2), copyOfA);

    // Two results: appended, the current picture stays.
    views.events.clear();
    const int second = start({a, b}, rotateRight());
    ASSERT_TRUE(waitFor([&] { return settled.contains(second); }));
    EXPECT_EQ(lists.current().entries().currentIndex(), 2);
    EXPECT_EQ(views.events, (QStringList{QStringLiteral("changed a.jpg"), QStringLiteral("changed b.jpg")}));

    const int third = start({b}, rotateRight());
    ASSERT_TRUE(waitFor([&] { return settled.contains(third); }));
    EXPECT_EQ(lists.current().entries().currentIndex(), 1);
}

TEST_F(JobListTest, CancelStopsTheJobBetweenPictures)
{
    QStringList pictures;
    for (int i = 0; i < 20; ++i)
        pictures << picture(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
    showFolder(pictures, 0);
    // The second picture waits for the test, so that Cancel comes while it
    // is being written: it is finished, the third is never begun.
    std::atomic<int> replaced{0};
    std::atomic<bool> cancelling{false};
    FileSteps gated = realFileSteps();
    gated.replace = [&](const QString& picture, const std::function<bool(QIODevice&)>& write) {
        if (replaced++ >= 1) {
            QElapsedTimer waited;
            waited.start();
            while (!cancelling && waited.elapsed() < 10000)
                QThread::msleep(2);
        }
        return realFileSteps().replace(picture, write);
    };

    const int number = start(pictures, rotateRight(), gated);
    ASSERT_TRUE(waitFor([&] {
        const JobProgressEntry* entry = launcher.progress().find(number);
        return entry && entry->step >= 1;
    }));
    QWidget* row = view.rowOf(number);
    ASSERT_NE(row, nullptr);
    auto* bar = row->findChild<QProgressBar*>(QStringLiteral("jobProgress"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maximum(), 20);
    EXPECT_GE(bar->value(), 1);
    auto* cancel = row->findChild<QPushButton*>(QStringLiteral("jobCancel"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(cancel->toolTip(), QStringLiteral("Click here to cancel this operation."));
    EXPECT_GT(view.sizeHint().height(), 0);
    cancelling = true;
    cancel->click();

    ASSERT_TRUE(waitFor([&] { return settled.contains(number); }));
    EXPECT_EQ(view.rowOf(number), nullptr);
    EXPECT_EQ(JobRegistry::instance().count(), 0);
    const QStringList written = launcher.progress().finishedJobs().back().written;
    EXPECT_EQ(written, pictures.mid(0, 2));
    // Every picture is either wholly turned and reported, or untouched.
    QStringList turned;
    for (const QString& p : pictures) {
        if (rotatedRight(p))
            turned << p;
        else
            EXPECT_EQ(QImageReader(p).size(), QSize(64, 32)) << p.toStdString();
    }
    EXPECT_EQ(turned.join(u'\n').toStdString(), written.join(u'\n').toStdString());
    EXPECT_EQ(views.events.size(), written.size());
}

// A job that says what the test tells it and ends when the test lets it.
class ScriptedJob : public BackgroundJob {
public:
    explicit ScriptedJob(JobKind kind) : BackgroundJob(kind) {}
    ~ScriptedJob() override { stop(-1); }

    std::function<void(ScriptedJob&)> script;
    std::atomic<bool> release{false};

    void started(int steps) { reportStarted(steps); }
    void step(const QString& text) { reportStep(text); }
    void renamed(const QString& from, const QString& to) { Q_EMIT entryRenamed(from, to); }
    void waitForRelease()
    {
        while (!release && !stopRequested())
            QThread::msleep(2);
    }
    // A job stuck in work that does not look at the stop flag.
    void waitForReleaseOnly()
    {
        while (!release)
            QThread::msleep(2);
    }
    void wrote(const QString& path) { Q_EMIT fileWritten(path); }

protected:
    void run() override { script(*this); }
};

TEST_F(JobListTest, TheSearchShowsALineOfTextInsteadOfABar)
{
    auto owned = std::make_unique<ScriptedJob>(JobKind::Search);
    owned->setTitle(QStringLiteral("Searching"));
    owned->script = [](ScriptedJob& job) {
        job.started(0);
        job.step(QStringLiteral("12 pictures scanned"));
        job.waitForRelease();
    };
    ScriptedJob* job = owned.get();
    const int number = launcher.start(std::move(owned))->jobNumber();
    ASSERT_TRUE(waitFor([&] {
        const JobProgressEntry* entry = launcher.progress().find(number);
        return entry && entry->step == 1;
    }));
    QWidget* row = view.rowOf(number);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->findChildren<QProgressBar*>().size(), 0);
    auto* text = row->findChild<QLabel*>(QStringLiteral("jobText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("12 pictures scanned"));
    job->release = true;
    ASSERT_TRUE(waitFor([&] { return settled.contains(number); }));
    EXPECT_EQ(view.rowOf(number), nullptr);
}

TEST_F(JobListTest, AnUncountedJobShowsItsTitleAboveABusyBar)
{
    auto owned = std::make_unique<ScriptedJob>(JobKind::Gallery);
    owned->setTitle(QStringLiteral("/gallery/"));
    owned->script = [](ScriptedJob& job) {
        job.started(0);
        job.waitForRelease();
    };
    ScriptedJob* job = owned.get();
    const int number = launcher.start(std::move(owned))->jobNumber();
    ASSERT_TRUE(waitFor([&] { return view.rowOf(number) != nullptr; }));
    QWidget* row = view.rowOf(number);
    EXPECT_EQ(row->findChild<QLabel*>(QStringLiteral("jobText"))->text(), QStringLiteral("/gallery/"));
    auto* bar = row->findChild<QProgressBar*>(QStringLiteral("jobProgress"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 0);
    job->release = true;
    ASSERT_TRUE(waitFor([&] { return settled.contains(number); }));
}

TEST_F(JobListTest, AJobThatOutlivesItsStopTimeOutIsSettledWhenItEnds)
{
    const QString a = picture(QStringLiteral("a.jpg"));
    const QString b = picture(QStringLiteral("b.jpg"));
    showFolder({b}, 0);
    auto owned = std::make_unique<ScriptedJob>(JobKind::CopyPictures);
    owned->script = [a](ScriptedJob& job) {
        job.started(1);
        job.waitForReleaseOnly();
        job.wrote(a);
    };
    ScriptedJob* job = owned.get();
    const int number = launcher.start(std::move(owned))->jobNumber();
    ASSERT_TRUE(waitFor([&] { return view.rowOf(number) != nullptr; }));
    view.rowOf(number)->findChild<QPushButton*>(QStringLiteral("jobCancel"))->click(); // waits out the time-out

    ASSERT_TRUE(waitFor([&] { return view.rowOf(number) == nullptr; }));
    EXPECT_EQ(JobRegistry::instance().count(), 0);
    EXPECT_EQ(JobRegistry::instance().lingeringCount(), 1);
    waitFor([] { return false; }, 300);
    EXPECT_FALSE(settled.contains(number)); // still running: its results may follow

    job->release = true;
    ASSERT_TRUE(waitFor([&] { return settled.contains(number); }));
    EXPECT_EQ(launcher.progress().finishedJobs().back().written, QStringList{a});
    // Its one result was added to the list and made current.
    EXPECT_EQ(lists.current().entries().currentIndex(), 1);
    EXPECT_EQ(lists.current().entries().at(1), a);
}

class RenameView : public ViewListener {
public:
    QStringList events;
    void pictureReplaced(const QString& path, int index) override
    {
        events << QStringLiteral("replaced %1 %2").arg(QFileInfo(path).fileName()).arg(index);
    }
    void renameEnds() override { events << QStringLiteral("renameEnds"); }
};

TEST_F(JobListTest, ARenameJobRenamesEntriesThenEnds)
{
    const QString a = dir.filePath(QStringLiteral("a.jpg"));
    const QString b = dir.filePath(QStringLiteral("b.jpg"));
    showFolder({a, b}, 0);
    RenameView renames;
    auto owned = std::make_unique<ScriptedJob>(JobKind::Rename);
    owned->script = [&](ScriptedJob& job) {
        job.started(2);
        job.step(QString());
        job.step(QString());
        job.renamed(b, dir.filePath(QStringLiteral("2.jpg")));
        job.renamed(a, dir.filePath(QStringLiteral("1.jpg")));
    };
    const int number = launcher.start(std::move(owned))->jobNumber();
    ASSERT_TRUE(waitFor([&] { return settled.contains(number); }));
    EXPECT_EQ(renames.events, (QStringList{QStringLiteral("replaced 2.jpg 1"), QStringLiteral("replaced 1.jpg 0"),
                                           QStringLiteral("renameEnds")}));
    EXPECT_EQ(lists.current().entries().at(0), dir.filePath(QStringLiteral("1.jpg")));
}

} // namespace
} // namespace vistello
