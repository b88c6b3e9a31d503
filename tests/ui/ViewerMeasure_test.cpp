#include "app/window/viewer/ViewerButtons.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "ui/frame/MainWindow.h"
#include "ui/viewer/PictureView.h"

#include <QApplication>
#include <QFile>
#include <QImageWriter>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace vistello;

namespace {

QString writeFlat(const QTemporaryDir& dir, const QString& name, QColor colour)
{
    QImage image(96, 64, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    return QImageWriter(path, "jpeg").write(image) ? path : QString();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ViewerWindow {
    ViewerWindow()
    {
        registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
        store.setBool(QStringLiteral("PicturesWithAudio"), false);
    }
    ~ViewerWindow() { PictureFileTypes::instance().clear(); }
    // The window comes after the list, so that it starts with its picture shown.
    PictureView* show()
    {
        window = std::make_unique<MainWindow>(MainWindowSetup{store, lists, prompts, QString(), false});
        window->resize(800, 600);
        window->show();
        return window->findChild<PictureView*>(QStringLiteral("pictureView"));
    }
    QTemporaryDir dir;
    SettingsStore store{dir.path() + QLatin1Char('/')};
    PictureLists lists;
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;
};

void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::ShiftModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

// The averages shown are those of the picture as another decoder reads it.
TEST(ViewerMeasure, ShiftDragShowsTheBandsAverageColours)
{
    ViewerWindow f;
    const QString path = writeFlat(f.dir, QStringLiteral("flat.jpg"), QColor(200, 120, 40));
    f.lists.current().entries().append(path);
    PictureView* view = f.show();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->path(), path);
    const QRgb expected = QImage(path).pixel(48, 32);

    const QPoint centre = view->rect().center();
    mouse(view, QEvent::MouseButtonPress, centre - QPoint(20, 15), Qt::LeftButton);
    mouse(view, QEvent::MouseMove, centre, Qt::LeftButton);
    mouse(view, QEvent::MouseMove, centre + QPoint(20, 15), Qt::LeftButton);
    mouse(view, QEvent::MouseButtonRelease, centre + QPoint(20, 15), Qt::NoButton);

    ASSERT_FALSE(f.prompts.shown().isEmpty());
    EXPECT_TRUE(f.prompts.shown().last().startsWith(QStringLiteral("Red: %1\nGreen: %2\nBlue: %3\n")
                                                         .arg(qRed(expected))
                                                         .arg(qGreen(expected))
                                                         .arg(qBlue(expected))))
        << f.prompts.shown().last().toStdString();
}

// The viewer's button restored every selected picture, not the one shown.
TEST(ViewerMeasure, RestoreButtonActsOnTheShownPictureOnly)
{
    ViewerWindow f;
    const QString shown = writeFlat(f.dir, QStringLiteral("a.jpg"), Qt::red);
    const QString other = writeFlat(f.dir, QStringLiteral("b.jpg"), Qt::green);
    const QByteArray backup = contents(writeFlat(f.dir, QStringLiteral("backup.jpg"), Qt::blue));
    for (const QString& path : {shown, other}) {
        QFile original(path + QStringLiteral(".original"));
        ASSERT_TRUE(original.open(QIODevice::WriteOnly));
        original.write(backup);
        f.lists.current().entries().append(path);
        f.lists.current().selection().append(path);
    }
    const QByteArray otherBefore = contents(other);
    PictureView* view = f.show();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->path(), shown);

    Q_EMIT view->commandChosen(viewer::RestoreOriginal, false);

    EXPECT_EQ(contents(shown), backup);
    EXPECT_FALSE(QFile::exists(shown + QStringLiteral(".original")));
    EXPECT_EQ(contents(other), otherBefore);
    EXPECT_TRUE(QFile::exists(other + QStringLiteral(".original")));
}
