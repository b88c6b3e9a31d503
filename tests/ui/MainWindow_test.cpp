#include "app/window/frame/CommandIds.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "organize/comments/CommentStore.h"
#include "organize/folders/FolderMenu.h"
#include "ui/folders/FolderTree.h"
#include "ui/frame/MainWindow.h"
#include "ui/viewer/PictureView.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
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
    explicit WindowFixture(const QString& folder = {}) : folder(folder) {}
    QTemporaryDir dir;
    QString folder;
    SettingsStore store{dir.path() + QLatin1Char('/')};
    PictureLists lists;
    ScriptedPrompts prompts;
    MainWindow window{{store, lists, prompts, folder, false}};
};

// Drags paths onto the window at a point of `target`.
void dropOnto(MainWindow& window, QWidget* target, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPoint at = target->mapTo(&window, target->rect().center());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

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

    dropOnto(f.window, &f.window, {small, large});

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

TEST(MainWindowWidget, PicturesDroppedOntoTheFolderListAreCopiedThere)
{
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    QTemporaryDir shown;
    QTemporaryDir elsewhere;
    const QString folder = shown.path() + QLatin1Char('/');
    WindowFixture f(folder);
    writePicture(shown, QStringLiteral("here.jpg"), {32, 32});
    const QString dragged = writePicture(elsewhere, QStringLiteral("there.jpg"), {32, 32});
    CommentStore::instance().set(dragged, QStringLiteral("Brought along"));
    f.lists.folderPictures().scanFolder(folder, false);
    f.window.resize(800, 600);
    f.window.show();

    // Choose "Copy" in the drop menu once it is open.
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> entries = menu->actions(); // Copy, Move, a separator, Cancel
        EXPECT_EQ(entries.size(), 4);
        EXPECT_TRUE(entries.size() == 4 && entries[2]->isSeparator());
        menu->setActiveAction(entries.first());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &enter);
    });
    dropOnto(f.window, f.window.findChild<QWidget*>(QStringLiteral("previewStrip")), {dragged});
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("there.jpg")));
    EXPECT_TRUE(QFileInfo::exists(dragged));
    EXPECT_EQ(f.lists.currentId(), ListId::FolderPictures);
    // The program comment follows the copy.
    EXPECT_EQ(CommentStore::instance().get(folder + QStringLiteral("there.jpg")), QStringLiteral("Brought along"));
    CommentStore::instance().remove(dragged);
    CommentStore::instance().remove(folder + QStringLiteral("there.jpg"));
}

TEST(MainWindowWidget, EscCancelsATreeLabelEdit)
{
    WindowFixture f;
    f.window.resize(800, 600);
    f.window.show();
    f.window.activateWindow();
    auto* tree = f.window.findChild<FolderTree*>(QStringLiteral("folderTree"));
    ASSERT_NE(tree, nullptr);
    FolderTreeModel& folders = tree->folders();
    tree->runMenuCommand(folders.indexOfFolder(f.dir.path()), kCmdAddToFavorites); // opens the new label for editing
    auto* editor = tree->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    const uint64_t style = f.window.state().displayStyle;
    editor->setText(QStringLiteral("Renamed"));
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(editor, &esc);
    QApplication::processEvents();
    EXPECT_EQ(folders.index(0, 0, folders.index(0, 0)).data(Qt::EditRole).toString(), QStringLiteral("New favorite"));
    EXPECT_EQ(f.window.state().displayStyle, style) << "Esc did not go on to the window";
    EXPECT_EQ(tree->findChild<QLineEdit*>(), nullptr);
}

// A first run writes each key the window read with its one documented
// default, whichever view read it first.
TEST(MainWindowWidget, FirstRunStoresTheDocumentedDefaults)
{
    WindowFixture f;
    f.lists.current().entries().append(writePicture(f.dir, QStringLiteral("a.jpg"), {64, 48}));
    f.window.resize(800, 600);
    f.window.show();
    f.window.runCommand(command::ChangeView);
    f.window.runCommand(command::ChangeView);
    const QString file = QString::fromUtf8(f.store.serialize());
    for (const char* element :
         {R"(Attr="PicturetextInFullscreen" Type="bool">true<)", R"(Attr="TextColor" Type="int">-1<)",
          R"(Attr="BackgroundColorFullScreen" Type="int">-1<)", R"(Attr="PictureCacheSize" Type="int">-1<)",
          R"(Attr="PreviewCacheSize" Type="int">-1<)", R"(Attr="ControlButtonsInFullscreen" Type="bool">false<)"})
        EXPECT_TRUE(file.contains(QString::fromLatin1(element))) << element << "\n" << file.toStdString();
}
