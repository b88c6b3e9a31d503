#pragma once
// Path arguments of the command line, collected into the command-line list
// as they come up among the options. The collecting itself is the picture
// list model's (the same code serves "vistello-cli list").
#include "app/startup/StartupOptions.h"
#include "core/lists/CommandLinePictures.h"

#include <QString>

namespace vistello {

class PathArgumentCollector {
public:
    explicit PathArgumentCollector(StartupOptions& options);

    // A picture-list file, a picture or a folder; anything else is ignored.
    // The options' picture list and pathsGiven follow every call.
    void add(QStringView parameter);

    const PictureList& list() const { return pictures_.list(); }

private:
    StartupOptions& options_;
    CommandLinePictures pictures_;
};

} // namespace vistello
