#include "app/gui/PlaceholderMainWindow.h"

#include "core/settings/SettingsStore.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QToolTip>
#include <QVBoxLayout>

namespace vistello {

PlaceholderMainWindow::PlaceholderMainWindow(const FirstPictureList& list, int background, QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QString::fromLatin1(SettingsStore::kProductName));
    resize(1000, 700);

    auto* caption = new QLabel(listCaption(list), this);
    caption->setObjectName(QStringLiteral("listCaption"));
    caption->setTextFormat(Qt::PlainText);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("pictureList"));
    for (const QString& path : list.pictures) {
        auto* item = new QListWidgetItem(QFileInfo(path).fileName(), list_);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
    }
    list_->setMaximumWidth(260);

    view_ = new QLabel(this);
    view_->setObjectName(QStringLiteral("pictureView"));
    view_->setAlignment(Qt::AlignCenter);
    // Ignored: the label follows the window instead of growing to the picture.
    view_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    view_->setAutoFillBackground(true);
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Window, QColor(background & 0xFF, (background >> 8) & 0xFF, (background >> 16) & 0xFF));
    view_->setPalette(palette);

    auto* row = new QHBoxLayout;
    row->addWidget(list_);
    row->addWidget(view_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(row, 1);

    connect(list_, &QListWidget::currentRowChanged, this, &PlaceholderMainWindow::showPicture);
    if (!list.pictures.isEmpty())
        list_->setCurrentRow(list.current);
}

void PlaceholderMainWindow::applyWindowStart(const WindowStart& start)
{
    // The picture list stands where the folder tree will be.
    if (start.focusFolderTree)
        list_->setFocus();
    if (start.showFolderViewHint)
        QToolTip::showText(list_->mapToGlobal(list_->rect().center()),
                           folderViewHintTitle() + QLatin1Char('\n') + folderViewHintText(), list_, QRect(),
                           kFolderViewHintMs);
}

void PlaceholderMainWindow::showPicture(int row)
{
    picture_ = QImage();
    if (QListWidgetItem* item = list_->item(row)) {
        QImageReader reader(item->data(Qt::UserRole).toString());
        reader.setAutoTransform(true);
        picture_ = reader.read();
    }
    fitPicture();
}

void PlaceholderMainWindow::fitPicture()
{
    if (picture_.isNull() || view_->width() <= 0 || view_->height() <= 0) {
        view_->setPixmap(QPixmap());
        return;
    }
    const QImage fitted = picture_.scaled(view_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    view_->setPixmap(QPixmap::fromImage(fitted));
}

void PlaceholderMainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitPicture();
}

} // namespace vistello
