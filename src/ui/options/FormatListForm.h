#pragma once
// The "Picture formats" page: the registered formats, and "Format
// settings..." in the context menu of a row.
#include "app/window/options/FormatRows.h"
#include "ui/options/OptionsHost.h"

#include <QJsonArray>
#include <QWidget>

class QTreeWidget;

namespace vistello {

class FormatListForm : public QWidget {
    Q_OBJECT
public:
    FormatListForm(const OptionsHost& host, QWidget* parent);
    void open();
    // "Format settings..." for the current row.
    void formatSettings();
    QJsonArray stateJson() const;

private:
    OptionsHost host_;
    QTreeWidget* list_;
    std::vector<FormatRow> rows_;
};

} // namespace vistello
