#include "ui/overview/OverviewPage.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/DecodedPicture.h"
#include "imaging/sharedthumbs/SharedThumbnails.h"
#include "organize/filecommands/ViewListener.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QItemSelectionModel>
#include <QListView>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

bool waitFor(const std::function<bool()>& done, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

bool writePicture(const QString& path, Qt::GlobalColor colour)
{
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(colour);
    return QImageWriter(path, "jpeg").write(image);
}

void click(QListView* view, int row, Qt::KeyboardModifiers modifiers)
{
    QWidget* viewport = view->viewport();
    const QPointF at = view->visualRect(view->model()->index(row, 0)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, modifiers);
        QApplication::sendEvent(viewport, &event);
    }
}

} // namespace

// The window answers a chosen item by making it current and telling every
// page; that echo must leave the user's selection as it is, and the
// selection is the list's.
TEST(OverviewPageWidget, CtrlAndShiftClicksSelectSeveral)
{
    PictureLists lists;
    for (int i = 0; i < 6; ++i)
        lists.current().entries().append(QStringLiteral("/none/p%1.jpg").arg(i));
    OverviewPage page(lists, false, nullptr);
    QObject::connect(&page, &OverviewPage::pictureChosen, &page, [&](int index) {
        lists.current().entries().setCurrentIndex(index);
        page.currentPictureChanged();
    });
    page.resize(800, 600);
    page.show();
    page.currentPictureChanged();
    click(page.view(), 1, Qt::NoModifier);
    click(page.view(), 4, Qt::ShiftModifier);
    EXPECT_EQ(page.view()->selectionModel()->selectedIndexes().size(), 4);
    EXPECT_EQ(lists.current().selection().toStringList(),
              QStringList({"/none/p1.jpg", "/none/p2.jpg", "/none/p3.jpg", "/none/p4.jpg"}));
    click(page.view(), 2, Qt::ControlModifier);
    EXPECT_EQ(lists.current().selection().toStringList(),
              QStringList({"/none/p1.jpg", "/none/p3.jpg", "/none/p4.jpg"}));
    // Ctrl+A selects the whole list; one plain click leaves one picture.
    lists.current().selection().copyFrom(lists.current().entries());
    page.currentPictureChanged();
    EXPECT_EQ(page.view()->selectionModel()->selectedIndexes().size(), 6);
    click(page.view(), 5, Qt::NoModifier);
    EXPECT_EQ(lists.current().selection().toStringList(), QStringList({"/none/p5.jpg"}));
    lists.current().selection().copyFrom(lists.current().entries());
    page.currentPictureChanged();
    click(page.view(), 5, Qt::NoModifier);
    EXPECT_EQ(lists.current().selection().toStringList(), QStringList({"/none/p5.jpg"}));
}

// A picture rewritten on disk: its tile is made again from the new file.
TEST(OverviewPageWidget, ChangedPictureGetsANewTile)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a.jpg"));
    ASSERT_TRUE(writePicture(first, Qt::red));
    ASSERT_TRUE(writePicture(dir.filePath(QStringLiteral("b.jpg")), Qt::green));
    PictureLists lists;
    lists.current().entries().append(first);
    lists.current().entries().append(dir.filePath(QStringLiteral("b.jpg")));
    OverviewPage page(lists, false, nullptr);
    page.resize(800, 600);
    page.show();
    page.currentPictureChanged();
    ASSERT_TRUE(waitFor([&] { return page.tilesDone() == 2; }));
    const auto tile = [&] { return page.view()->model()->index(0, 0).data(Qt::DecorationRole).value<QImage>(); };
    const qint64 before = tile().cacheKey();
    ASSERT_FALSE(tile().isNull());
    ASSERT_TRUE(writePicture(first, Qt::blue));
    dropPathEverywhere(first);
    broadcastToViews([&](ViewListener& view) { view.pictureChanged(first); });
    ASSERT_TRUE(waitFor([&] { return page.tilesDone() == 2 && tile().cacheKey() != before; }))
        << page.tilesDone();
    const QColor centre = tile().pixelColor(tile().width() / 2, tile().height() / 2);
    EXPECT_GT(centre.blue(), 200);
    EXPECT_LT(centre.red(), 60);
}

// Our own rewrites keep the picture's date, and this one its size too: the
// desktop's thumbnail of the old picture looks fresh. The page removes it,
// also when it does not write thumbnails itself (the file manager made it).
TEST(OverviewPageWidget, RewrittenPictureIsNotShownFromItsOldSharedThumbnail)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.jpg"));
    const auto writePadded = [&](Qt::GlobalColor colour) {
        ASSERT_TRUE(writePicture(path, colour));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_LT(file.size(), 8192);
        file.write(QByteArray(8192 - file.size(), '\0')); // after the end of the picture
    };
    writePadded(Qt::red);
    const QDateTime taken = QFileInfo(path).lastModified();
    PictureLists lists;
    lists.current().entries().append(path);
    OverviewPage page(lists, false, nullptr);
    page.useSharedThumbnails(false);
    page.resize(800, 600);
    page.show();
    page.currentPictureChanged();
    ASSERT_TRUE(waitFor([&] { return page.tilesDone() == 1; }));
    // The file manager's thumbnail of the red picture.
    QImage red(128, 96, QImage::Format_RGB888);
    red.fill(Qt::red);
    ASSERT_TRUE(SharedThumbnails().store(QFileInfo(path), red, SharedSize::Normal));

    writePadded(Qt::blue);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(taken, QFileDevice::FileModificationTime));
    }
    dropPathEverywhere(path);
    broadcastToViews([&](ViewListener& view) { view.pictureChanged(path); });
    const auto tile = [&] { return page.view()->model()->index(0, 0).data(Qt::DecorationRole).value<QImage>(); };
    ASSERT_TRUE(waitFor([&] { return page.tilesDone() == 1; }));
    const QColor centre = tile().pixelColor(tile().width() / 2, tile().height() / 2);
    EXPECT_GT(centre.blue(), 200);
    EXPECT_LT(centre.red(), 60);
}

TEST(OverviewPageWidget, MarkersFollowTheSelection)
{
    PictureLists lists;
    for (const char* path : {"/none/a.jpg", "/none/b.jpg", "/none/c.jpg"})
        lists.current().entries().append(QString::fromLatin1(path));
    OverviewPage page(lists, true, nullptr);
    page.currentPictureChanged();
    ASSERT_EQ(page.itemCount(), 3);
    QItemSelectionModel* selection = page.view()->selectionModel();
    selection->select(page.view()->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    selection->select(page.view()->model()->index(2, 0), QItemSelectionModel::Select);
    page.markSelected(true);
    EXPECT_EQ(lists.markedPictures().entries().toStringList(), QStringList({"/none/a.jpg", "/none/c.jpg"}));
    selection->select(page.view()->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    page.markSelected(false);
    EXPECT_EQ(lists.markedPictures().entries().toStringList(), QStringList({"/none/c.jpg"}));

    OverviewPage withoutBoxes(lists, false, nullptr);
    withoutBoxes.currentPictureChanged();
    withoutBoxes.view()->selectionModel()->select(withoutBoxes.view()->model()->index(1, 0),
                                                  QItemSelectionModel::ClearAndSelect);
    withoutBoxes.markSelected(true);
    EXPECT_EQ(lists.markedPictures().entries().count(), 1);
}
