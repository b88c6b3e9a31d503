#include "ui/folders/PropertiesDialog.h"

#include "core/filetypes/FolderScan.h"
#include "core/prompts/Prompts.h"
#include "organize/folders/DrivePie.h"
#include "organize/folders/TreeStatisticsJob.h"
#include "resources/FolderStrings.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistello {
namespace {

class PieWidget : public QWidget {
public:
    PieWidget(const DriveSpace& drive, QWidget* parent) : QWidget(parent), drive_(drive)
    {
        setObjectName(QStringLiteral("drivePie"));
        setMinimumSize(96, 96);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const DrivePie pie = drivePie(size(), drive_.totalKilobytes, drive_.freeKilobytes);
        if (pie.circle.isEmpty())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setBrush(QColor(0x30, 0x60, 0xC0));
        painter.drawPie(pie.circle, pie.usedStart, pie.usedSpan);
        painter.setBrush(QColor(0xD0, 0x40, 0xC0));
        painter.drawPie(pie.circle, pie.freeStart, pie.freeSpan);
    }

private:
    const DriveSpace drive_;
};

QLabel* addRow(QFormLayout* form, int labelId, const QString& value = {})
{
    auto* label = new QLabel(value);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(strings::text(labelId), label);
    return label;
}

} // namespace

PropertiesDialog::PropertiesDialog(const QString& folder, Prompts& prompts, QWidget* parent)
    : QDialog(parent), folder_(folder), prompts_(prompts), drive_(driveSpaceOf(folder))
{
    using namespace strings;
    setObjectName(QStringLiteral("propertiesDialog"));
    setWindowTitle(text(kPropertiesTitle));

    auto* driveBox = new QGroupBox(formatInserts(text(kDriveTitle), {drive_.root}));
    auto* driveForm = new QFormLayout;
    addRow(driveForm, kSizeLabel, formatKilobytes(drive_.totalKilobytes));
    addRow(driveForm, kFreeLabel, formatKilobytes(drive_.freeKilobytes));
    auto* driveRow = new QHBoxLayout(driveBox);
    driveRow->addLayout(driveForm, 1);
    driveRow->addWidget(new PieWidget(drive_, driveBox));

    auto* statsBox = new QGroupBox(text(kPictureStatisticTitle));
    auto* statsForm = new QFormLayout(statsBox);
    auto* path = new QLabel(folder_);
    path->setTextFormat(Qt::PlainText);
    statsForm->addRow(path);
    pictures_ = addRow(statsForm, kPicturesLabel);
    pictureSize_ = addRow(statsForm, kSizeLabel);
    average_ = addRow(statsForm, kAveragePictureSizeLabel);
    others_ = addRow(statsForm, kOtherObjectsLabel);
    otherSize_ = addRow(statsForm, kSizeLabel);
    folders_ = addRow(statsForm, kFoldersLabel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* copyButton = buttons->addButton(QStringLiteral("Copy"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    connect(copyButton, &QPushButton::clicked, this, &PropertiesDialog::copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(driveBox);
    layout->addWidget(statsBox);
    layout->addWidget(buttons);
    showStatistics(stats_);

    job_ = std::make_unique<TreeStatisticsJob>(folder_);
    connect(job_.get(), &TreeStatisticsJob::progressed, this, &PropertiesDialog::showStatistics);
    connect(job_.get(), &TreeStatisticsJob::finished, this,
            [this](const TreeStatistics& stats, bool complete) {
                showStatistics(stats);
                walkFinished_ = complete;
            });
    job_->start();
}

// The job stops and joins before the labels go.
PropertiesDialog::~PropertiesDialog()
{
    job_.reset();
}

void PropertiesDialog::showStatistics(const TreeStatistics& stats)
{
    stats_ = stats;
    pictures_->setText(QString::number(stats.pictureCount));
    pictureSize_->setText(formatKilobytes(stats.pictureKilobytes));
    average_->setText(stats.pictureCount ? formatKilobytes(stats.averagePictureKilobytes()) : QString());
    others_->setText(QString::number(stats.otherCount));
    otherSize_->setText(formatKilobytes(stats.otherKilobytes));
    folders_->setText(QString::number(stats.folderCount));
}

QString PropertiesDialog::copyText() const
{
    return propertiesCopyText(drive_, folder_, stats_);
}

void PropertiesDialog::copy()
{
    QGuiApplication::clipboard()->setText(copyText());
    prompts_.inform(windowTitle(), strings::text(strings::kPropertiesCopied));
}

} // namespace vistello
