#pragma once
// A page of the main window's central area. The window creates each page
// the first time its style is chosen and keeps it.
#include <QWidget>
#include <cstdint>

namespace vistello {

class WindowPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The style shown (a tab of the page's group).
    virtual void showStyle(uint64_t style) { (void)style; }
    virtual void setPictureOnly(bool on) { (void)on; }
    // The current list or its current picture changed.
    virtual void currentPictureChanged() {}
    // A key no accelerator took; false when the page does not use it.
    virtual bool pageKey(int key) { (void)key; return false; }
    // A command of the page's own menus (also from scripted runs); false when the page has none by that number.
    virtual bool pageCommand(int id) { (void)id; return false; }
};

} // namespace vistello
