#include "ui/options/FormatListForm.h"

#include "app/window/options/OptionsRules.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "resources/EditPageStrings.h"
#include "resources/OptionsStrings.h"
#include "ui/taskpane/JpegOptionsDialog.h"

#include <QHeaderView>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vistello {

namespace s = strings;

FormatListForm::FormatListForm(const OptionsHost& host, QWidget* parent)
    : QWidget(parent), host_(host), list_(new QTreeWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setHeaderLabels({s::text(s::kFormatExtensions), s::text(s::kRegistration), s::text(s::kReadWriteColumn),
                            s::text(s::kFormatDescription)});
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        if (!list_->itemAt(at))
            return;
        QMenu menu(this);
        menu.addAction(s::text(s::kFormatSettings), this, &FormatListForm::formatSettings);
        menu.exec(list_->viewport()->mapToGlobal(at));
    });
}

void FormatListForm::open()
{
    list_->clear();
    rows_ = formatRows(PictureFileTypes::instance());
    for (const FormatRow& row : rows_)
        list_->addTopLevelItem(new QTreeWidgetItem({row.extension, row.registration, row.readWrite, row.description}));
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    if (!rows_.empty())
        list_->setCurrentItem(list_->topLevelItem(0));
}

void FormatListForm::formatSettings()
{
    const int index = list_->indexOfTopLevelItem(list_->currentItem());
    if (index < 0 || size_t(index) >= rows_.size() || host_.jobsRunning())
        return;
    const FormatRow& row = rows_[size_t(index)];
    const FormatSettingsAction action = formatSettingsAction(row);
    if (action.message) {
        host_.prompts->inform(s::text(s::kFormatSettings), s::text(action.message));
        return;
    }
    if (action.dialog && editFormatSettings(this, *host_.store, PictureFileTypes::instance(), row.formatName)) {
        OptionsEffects effects;
        effects.refreshAll = true;
        host_.carryOut(effects);
    }
}

QJsonArray FormatListForm::stateJson() const
{
    QJsonArray rows;
    for (const FormatRow& row : rows_)
        rows.append(QJsonArray{row.extension, row.registration, row.readWrite, row.description});
    return rows;
}

} // namespace vistello
