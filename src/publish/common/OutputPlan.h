#pragma once
// Every file a publishing job will write, planned before the first one is
// written. Two outputs under one name (IMG_0001.JPG from two folders,
// a.b.jpg and a_b.jpg giving one page name) or an output that would land on
// one of the job's own pictures would silently destroy work, so a plan with
// any of them is refused as a whole and the job writes nothing.
#include <QString>
#include <QStringList>
#include <vector>

namespace vistello {

struct PlannedOutput {
    QString name;   // file name inside the target folder
    QString origin; // what it is written for: a picture's path, or a label
};

class OutputPlan {
public:
    void add(const QString& name, const QString& origin) { outputs_.push_back({name, origin}); }
    const std::vector<PlannedOutput>& outputs() const { return outputs_; }

    // One line per name planned more than once: "NAME  (ORIGIN, ORIGIN)",
    // in the order the names were first planned.
    QStringList clashes() const;
    // One line per planned output that is one of these files (the same
    // path, or the same device and inode): "NAME  (is PICTURE)".
    QStringList overwrittenSources(const QString& targetFolder, const QStringList& sources) const;

private:
    std::vector<PlannedOutput> outputs_;
};

// A plain file name that stays inside its folder: not empty, no "/", no NUL,
// not "." or "..".
bool isPlainFileName(const QString& name);

// One file or folder under two names: the same path once links are
// resolved, or the same device and inode (hard links).
bool isSameEntry(const QString& a, const QString& b);

// The pictures whose folder is targetFolder (compared by device and inode).
QStringList picturesInFolder(const QStringList& pictures, const QString& targetFolder);

} // namespace vistello
