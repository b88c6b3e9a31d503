// The address field: suggestions from the disk while typing, listed off the
// user-interface thread, and what Enter submits.
#include "ui/folders/AddressField.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <atomic>
#include <functional>

using namespace vistello;

namespace {

void press(QWidget* widget, int key, const QString& text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &event);
}

void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar ch : text)
        press(widget, ch.toUpper().unicode(), QString(ch));
}

// Lets queued listings arrive until the list shows something.
QStringList waitForSuggestions(const AddressField& field)
{
    const QDeadlineTimer deadline(10000);
    while (field.shownSuggestions().isEmpty() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return field.shownSuggestions();
}

QStringList submittedTexts(AddressField& field, const std::function<void()>& action)
{
    QStringList texts;
    const QMetaObject::Connection connection =
        QObject::connect(&field, &AddressField::submitted, [&](const QString& text) { texts << text; });
    action();
    QObject::disconnect(connection);
    return texts;
}

struct ShownField {
    explicit ShownField(AddressField* created) : field(created)
    {
        field->resize(260, 19);
        field->show();
        field->setFocus();
    }
    std::unique_ptr<AddressField> field;
};

} // namespace

TEST(AddressFieldWidget, OffersTheSubfoldersThatContinueTheText)
{
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    for (const char* name : {"Alpha", "alpine", "beta", "al2"})
        ASSERT_TRUE(QDir().mkpath(root + QLatin1String(name)));
    QFile file(root + QStringLiteral("al.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // a file is never offered
    ShownField f(new AddressField(nullptr));
    typeInto(f.field.get(), root + QStringLiteral("AL"));
    QStringList shown = waitForSuggestions(*f.field);
    shown.sort();
    EXPECT_EQ(shown, QStringList({root + "Alpha", root + "al2", root + "alpine"}));
    // Enter with the list open but nothing chosen in it goes to the typed text.
    const QStringList submitted = submittedTexts(*f.field, [&] { press(f.field.get(), Qt::Key_Return); });
    EXPECT_EQ(submitted, QStringList{root + QStringLiteral("AL")});
    EXPECT_FALSE(f.field->suggestionCompleter()->popup()->isVisible());
}

// The program's own changes are not typing; typing never waits for a listing.
TEST(AddressFieldWidget, ListsOffTheInterfaceThreadAndOnlyForTyping)
{
    std::atomic<int> listings = 0;
    std::atomic<bool> onInterfaceThread = false;
    std::atomic<bool> released = false;
    const auto lister = [&](const QString&) {
        ++listings;
        onInterfaceThread = QThread::currentThread() == qApp->thread();
        const QDeadlineTimer deadline(10000);
        while (!released && !deadline.hasExpired())
            QThread::msleep(5); // a slow mount
        return QStringList{QStringLiteral("disk"), QStringLiteral("Docs")};
    };
    ShownField f(new AddressField(nullptr, lister, [] { return QStringList{QStringLiteral("/"), QStringLiteral("/home/u/")}; }));
    f.field->showFolder(QStringLiteral("/mnt/"));
    QApplication::processEvents();
    EXPECT_EQ(listings, 0);
    typeInto(f.field.get(), QStringLiteral("d"));
    released = true; // typing returned while the listing was still waiting
    EXPECT_EQ(waitForSuggestions(*f.field), QStringList({"/mnt/disk", "/mnt/Docs"}));
    EXPECT_FALSE(onInterfaceThread);

    // Down in an empty field offers the roots, the first one chosen.
    f.field->lineEdit()->clear();
    press(f.field.get(), Qt::Key_Down);
    EXPECT_EQ(waitForSuggestions(*f.field), QStringList({"/", "/home/u/"}));
    EXPECT_EQ(f.field->suggestionCompleter()->popup()->currentIndex().row(), 0);
}

TEST(AddressFieldWidget, EnterKeepsNewTextsInTheHistoryAndColonRClearsIt)
{
    ShownField f(new AddressField(nullptr, [](const QString&) { return QStringList(); }, [] { return QStringList(); }));
    const auto submit = [&](const char* text) {
        f.field->lineEdit()->setText(QString::fromLatin1(text));
        press(f.field.get(), Qt::Key_Return);
    };
    const QStringList submitted = submittedTexts(*f.field, [&] {
        for (const char* text : {"/a/", "/b/", "/a/", "/A/"})
            submit(text);
    });
    EXPECT_EQ(submitted, QStringList({"/a/", "/b/", "/a/", "/A/"}));
    EXPECT_EQ(f.field->history().entries(), QStringList({"/a/", "/b/", "/A/"}));
    EXPECT_EQ(f.field->count(), 3) << "the drop-down list is the history";
    // Only a choice from the open list goes; leaving the field on an entry's text does not.
    EXPECT_TRUE(submittedTexts(*f.field, [&] {
        f.field->lineEdit()->setText(QStringLiteral("/b/"));
        Q_EMIT f.field->lineEdit()->editingFinished();
    }).isEmpty());
    f.field->lineEdit()->setText(QStringLiteral("/typed"));
    const QStringList chosen = submittedTexts(*f.field, [&] {
        f.field->showPopup();
        f.field->view()->setCurrentIndex(f.field->model()->index(2, 0));
        press(f.field->view(), Qt::Key_Return);
    });
    EXPECT_EQ(chosen, QStringList{QStringLiteral("/A/")});
    EXPECT_EQ(f.field->currentText(), QStringLiteral("/A/"));
    EXPECT_TRUE(submittedTexts(*f.field, [&] { submit(":r"); }).isEmpty()) << "\":r\" opens nothing";
    EXPECT_EQ(f.field->count(), 0);
    EXPECT_TRUE(f.field->currentText().isEmpty());
}
