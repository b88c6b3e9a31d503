// The script's control lines against real widgets: a command page and a
// modal dialog put into a real main window, run by the real runner.
#include "core/jobs/BackgroundJob.h"
#include "core/jobs/JobRegistry.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "ui/frame/MainWindow.h"
#include "ui/script/ScriptRunner.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

using namespace vistello;

namespace {

// How often the signal went out.
template <class Sender, class Signal>
std::shared_ptr<int> counted(Sender* sender, Signal signal)
{
    auto count = std::make_shared<int>(0);
    QObject::connect(sender, signal, [count] { ++*count; });
    return count;
}

// What a command page of the task pane holds.
struct Page {
    explicit Page(QWidget& window)
    {
        page->setObjectName(QStringLiteral("commandPage"));
        auto* form = new QFormLayout;
        form->addRow(QStringLiteral("&Width:"), width);
        form->addRow(QStringLiteral("Name"), name);
        format->addItems({QStringLiteral("JPEG"), QStringLiteral("BMP"), QStringLiteral("BMP 8-bit")});
        form->addRow(QStringLiteral("Format:"), format);
        // A label before its field in a box, and a field known by its placeholder.
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QStringLiteral("Quality")));
        row->addStretch();
        quality->setRange(1, 100);
        row->addWidget(quality);
        form->addRow(row);
        comment->setPlaceholderText(QStringLiteral("Comment"));
        form->addRow(comment);
        form->addRow(keep);
        form->addRow(start);
        form->addRow(stop);
        stop->setEnabled(false);
        form->addRow(open);
        page->setLayout(form);
        page->setGeometry(0, 0, 400, 400);
        width->setRange(0, 1000);
    }

    QWidget* page = new QWidget;
    QSpinBox* width = new QSpinBox;
    QLineEdit* name = new QLineEdit;
    QComboBox* format = new QComboBox;
    QSlider* quality = new QSlider(Qt::Horizontal);
    QLineEdit* comment = new QLineEdit;
    QCheckBox* keep = new QCheckBox(QStringLiteral("Keep the &original"));
    QPushButton* start = new QPushButton(QStringLiteral("&Start"));
    QPushButton* stop = new QPushButton(QStringLiteral("Stop"));
    QPushButton* open = new QPushButton(QStringLiteral("Open dialog..."));
    QPushButton* outsideStart = nullptr; // in the window, outside the page
    QPushButton* elsewhere = nullptr;
};

// A job that runs until it is stopped, or for runFor when that is set.
class IdleJob : public BackgroundJob {
public:
    explicit IdleJob(std::chrono::milliseconds runFor = std::chrono::milliseconds(-1))
        : BackgroundJob(JobKind::Resize), runFor_(runFor)
    {
    }

protected:
    void run() override
    {
        const auto begin = std::chrono::steady_clock::now();
        while (!stopRequested() && (runFor_.count() < 0 || std::chrono::steady_clock::now() - begin < runFor_))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

private:
    std::chrono::milliseconds runFor_;
};

struct ScriptFixture {
    ScriptFixture()
    {
        window.resize(900, 700);
        page.page->setParent(&window);
        page.outsideStart = new QPushButton(QStringLiteral("Start over"), &window);
        page.elsewhere = new QPushButton(QStringLiteral("Elsewhere"), &window);
        page.outsideStart->move(500, 500);
        page.elsewhere->move(500, 550);
        window.show();
        page.page->show();
        page.page->raise();
        page.outsideStart->show();
        page.elsewhere->show();
    }

    // Runs the lines; the exit status, or 99 when the run hung.
    int run(const QStringList& lines)
    {
        const QString path = dir.filePath(QStringLiteral("script.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
        file.close();
        ScriptRunner runner(window, prompts);
        if (!runner.load(path))
            return -1;
        runner.start();
        // A line stuck in a dialog's loop must not hang the test.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            QCoreApplication::exit(99);
        });
        guard.start(10000);
        return QApplication::exec();
    }

    QTemporaryDir dir;
    SettingsStore store{dir.path() + QLatin1Char('/')};
    PictureLists lists;
    ScriptedPrompts prompts;
    MainWindow window{{store, lists, prompts, QString(), false}};
    Page page{window};
};

} // namespace

TEST(ScriptControls, FieldsTicksAndButtonsOfThePage)
{
    ScriptFixture f;
    const auto widthChanged = counted(f.page.width, &QSpinBox::valueChanged);
    const auto nameEdited = counted(f.page.name, &QLineEdit::textEdited);
    const auto nameFinished = counted(f.page.name, &QLineEdit::editingFinished);
    const auto formatActivated = counted(f.page.format, &QComboBox::activated);
    const auto keepToggled = counted(f.page.keep, &QCheckBox::toggled);
    const auto started = counted(f.page.start, &QPushButton::clicked);
    const auto startedOutside = counted(f.page.outsideStart, &QPushButton::clicked);
    const auto elsewhere = counted(f.page.elsewhere, &QPushButton::clicked);
    ASSERT_EQ(f.run({QStringLiteral("fill Width=640"), QStringLiteral("fill Name=a=b c"),
                     QStringLiteral("fill Format=BMP"), QStringLiteral("fill Quality:=75"),
                     QStringLiteral("fill Comm=seen"), QStringLiteral("tick Keep the original on"),
                     QStringLiteral("tick Keep off"), QStringLiteral("tick Keep on"), QStringLiteral("tick Keep on"),
                     QStringLiteral("button Start"), QStringLiteral("button Else"), QStringLiteral("quit")}),
              0);
    EXPECT_EQ(f.page.width->value(), 640);
    EXPECT_EQ(*widthChanged, 1);
    EXPECT_EQ(f.page.name->text(), QStringLiteral("a=b c"));
    EXPECT_EQ(*nameEdited, 1);
    EXPECT_EQ(*nameFinished, 1);
    EXPECT_EQ(f.page.format->currentText(), QStringLiteral("BMP")) << "the exact entry before a longer one";
    EXPECT_EQ(*formatActivated, 1);
    EXPECT_EQ(f.page.quality->value(), 75);
    EXPECT_EQ(f.page.comment->text(), QStringLiteral("seen"));
    EXPECT_TRUE(f.page.keep->isChecked());
    EXPECT_EQ(*keepToggled, 3) << "on, off, on; the second on changes nothing";
    EXPECT_EQ(*started, 1);
    EXPECT_EQ(*startedOutside, 0) << "the page comes before the rest of the window";
    EXPECT_EQ(*elsewhere, 1) << "then the whole window";
}

TEST(ScriptControls, NumberedFieldsFollowTheTabOrder)
{
    ScriptFixture f;
    QWidget::setTabOrder(f.page.comment, f.page.width);
    // Tab order now: name, format, quality, comment, width.
    ASSERT_EQ(f.run({QStringLiteral("fill #1=first"), QStringLiteral("fill #2=BMP 8"), QStringLiteral("fill #5=12"),
                     QStringLiteral("quit")}),
              0);
    EXPECT_EQ(f.page.name->text(), QStringLiteral("first"));
    EXPECT_EQ(f.page.format->currentText(), QStringLiteral("BMP 8-bit"));
    EXPECT_EQ(f.page.width->value(), 12);
}

TEST(ScriptControls, WhatCannotBeDoneFails)
{
    const QStringList bad[] = {
        {QStringLiteral("button Nothing")},
        {QStringLiteral("button Stop")}, // disabled
        {QStringLiteral("tick Start on")}, // not checkable
        {QStringLiteral("fill Width=5000")},
        {QStringLiteral("fill Width=wide")},
        {QStringLiteral("fill Format=GIF")},
        {QStringLiteral("fill Height=5")},
        {QStringLiteral("fill #9=5")},
        {QStringLiteral("task Resize")}, // no task pane
        {QStringLiteral("select 0")},    // an empty list
    };
    for (const QStringList& lines : bad) {
        ScriptFixture f;
        EXPECT_EQ(f.run(lines + QStringList{QStringLiteral("quit")}), 2) << lines.join(' ').toStdString();
    }
}

// A button that opens a modal dialog returns only when the dialog closes:
// the lines after it fill the dialog and close it.
TEST(ScriptControls, LinesGoOnInsideAModalDialog)
{
    ScriptFixture f;
    int result = -1;
    QString fileName;
    int copies = 0;
    bool grey = false;
    QObject::connect(f.page.open, &QPushButton::clicked, &f.window, [&] {
        QDialog dialog(&f.window);
        auto* name = new QLineEdit;
        name->setPlaceholderText(QStringLiteral("File name"));
        auto* count = new QSpinBox;
        count->setRange(0, 1000);
        auto* greyBox = new QCheckBox(QStringLiteral("Grey"));
        auto* ok = new QPushButton(QStringLiteral("OK"));
        auto* start = new QPushButton(QStringLiteral("Start")); // the page's "Start" is not reachable now
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* widget : {static_cast<QWidget*>(name), static_cast<QWidget*>(count),
                                static_cast<QWidget*>(greyBox), static_cast<QWidget*>(start),
                                static_cast<QWidget*>(ok)})
            layout->addWidget(widget);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(start, &QPushButton::clicked, &dialog, [count] { count->setValue(count->value() + 100); });
        result = dialog.exec();
        fileName = name->text();
        copies = count->value();
        grey = greyBox->isChecked();
    });
    const auto pageStarted = counted(f.page.start, &QPushButton::clicked);
    ASSERT_EQ(f.run({QStringLiteral("button Open dialog"), QStringLiteral("fill File name=x.jpg"),
                     QStringLiteral("fill #2=3"), QStringLiteral("tick Grey on"), QStringLiteral("button Start"),
                     QStringLiteral("button OK"), QStringLiteral("fill Width=9"), QStringLiteral("quit")}),
              0);
    EXPECT_EQ(result, int(QDialog::Accepted));
    EXPECT_EQ(fileName, QStringLiteral("x.jpg"));
    EXPECT_EQ(copies, 103);
    EXPECT_TRUE(grey);
    EXPECT_EQ(*pageStarted, 0);
    EXPECT_EQ(f.page.width->value(), 9) << "the lines after the dialog run as well";
}

// The task pane answers "clickItem"; a widget by the name without it is no task list.
TEST(ScriptControls, TaskItemsNeedTheTaskList)
{
    ScriptFixture f;
    EXPECT_EQ(f.run({QStringLiteral("task Resize"), QStringLiteral("quit")}), 2);
    auto* impostor = new QWidget(&f.window);
    impostor->setObjectName(QStringLiteral("taskList"));
    EXPECT_EQ(f.run({QStringLiteral("task Resize"), QStringLiteral("quit")}), 2);
}

TEST(ScriptControls, WaitJobsWaitsForTheRegistry)
{
    ScriptFixture f;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(f.run({QStringLiteral("wait-jobs 5000"), QStringLiteral("quit")}), 0);
    EXPECT_LT(clock.elapsed(), 2000) << "no job: at once";

    // A job that ends by itself leaves the registry as the task pane removes it.
    JobRegistry& registry = JobRegistry::instance();
    BackgroundJob* ending = registry.add(std::make_unique<IdleJob>(std::chrono::milliseconds(150)));
    const int endingNumber = ending->jobNumber();
    QObject::connect(ending, &BackgroundJob::jobFinished, &f.window,
                     [&registry, endingNumber] { registry.remove(endingNumber); }, Qt::QueuedConnection);
    ending->start();
    EXPECT_EQ(f.run({QStringLiteral("wait-jobs 5000"), QStringLiteral("quit")}), 0);
    EXPECT_EQ(registry.count(), 0);

    BackgroundJob* running = registry.add(std::make_unique<IdleJob>());
    running->start();
    clock.restart();
    EXPECT_EQ(f.run({QStringLiteral("wait-jobs 300"), QStringLiteral("quit")}), 2);
    EXPECT_GE(clock.elapsed(), 300);
    registry.remove(running->jobNumber());
    EXPECT_EQ(registry.count(), 0);
}
