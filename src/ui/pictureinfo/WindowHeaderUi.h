#pragma once
// The picture-data commands' user interface in the window: questions and
// file dialogs through the window's Prompts, the ".original" backup when the
// settings ask for one, a wait cursor while the file is rewritten.
#include "jpegmeta/segments/HeaderUi.h"

#include <functional>

namespace vistello {

class WindowHeaderUi : public HeaderUi {
public:
    WindowHeaderUi(Prompts& prompts, bool copyOriginal, std::function<void(const QString&)> changed);

    bool backUpOriginal(const QString& picture) override;
    void setBusy(bool busy) override;
    void pictureChanged(const QString& picture) override;

private:
    bool copyOriginal_;
    std::function<void(const QString&)> changed_;
};

} // namespace vistello
