#include "app/window/CommandIds.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "ui/MainWindow.h"
#include "ui/PictureView.h"

#include <QApplication>
#include <QDropEvent>
#include <QImageWriter>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace vistello;

namespace {

QString writePicture(const QTemporaryDir& dir, const QString& name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = dir.filePath(name);
    return QImageWriter(path, "jpeg").write(image) ? path : QString();
}

struct WindowFixture {
    QTemporaryDir dir;
    SettingsStore store{dir.path() + QLatin1Char('/')};
    PictureLists lists;
    ScriptedPrompts prompts;
    MainWindow window{{store, lists, prompts, QString(), false}};
};

} // namespace

TEST(MainWindowWidget, PictureOnlyIsLeftAfterTheListEmptied)
{
    WindowFixture f;
    f.lists.current().entries().append(writePicture(f.dir, QStringLiteral("a.jpg"), {64, 48}));
    f.window.resize(800, 600);
    f.window.show();
    f.window.runCommand(command::PictureOnly);
    ASSERT_TRUE(f.window.state().pictureOnly);
    f.lists.current().clear(false);
    f.window.runCommand(command::PictureOnly);
    EXPECT_FALSE(f.window.state().pictureOnly);
    f.window.runCommand(command::PictureOnly);
    EXPECT_FALSE(f.window.state().pictureOnly) << "no picture, no picture-only mode";
}

TEST(MainWindowWidget, DroppedFilesBecomeTheShownList)
{
    WindowFixture f;
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    const QString small = writePicture(f.dir, QStringLiteral("small.jpg"), {64, 48});
    const QString large = writePicture(f.dir, QStringLiteral("large.jpg"), {1600, 1200});
    f.window.resize(800, 600);
    f.window.show();
    f.window.setDisplayStyle(0x80); // an options page: the drop returns to the picture

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(small), QUrl::fromLocalFile(large)});
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.window, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.window, &drop);

    EXPECT_EQ(f.lists.currentId(), ListId::DroppedPictures);
    EXPECT_EQ(f.window.state().displayStyle, 0x1u);
    const auto* view = f.window.findChild<PictureView*>(QStringLiteral("pictureView"));
    ASSERT_NE(view, nullptr);
    // Shown as stored: a small picture is never enlarged.
    EXPECT_EQ(view->shownImage().size(), QSize(64, 48));
    f.window.runCommand(command::NextPicture);
    // A large one is fitted into the view, keeping its shape.
    const QSize fitted = view->shownImage().size();
    EXPECT_TRUE(fitted.width() <= view->width() && fitted.height() <= view->height()) << fitted.width();
    EXPECT_TRUE(fitted.width() == view->width() || fitted.height() == view->height());
    EXPECT_NEAR(double(fitted.width()) / fitted.height(), 4.0 / 3.0, 0.02);
}
