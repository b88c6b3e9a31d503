#pragma once
// Small helpers shared by the headless tests: a scratch folder and file writers.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace vistello::test {

class TempDir {
public:
    TempDir() { dir_.setAutoRemove(true); }
    bool isValid() const { return dir_.isValid(); }
    // Folder path with a trailing "/".
    QString path() const { return dir_.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return path() + name; }
    // Writes bytes to name (creating sub-folders) and returns the full path.
    QString write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

QByteArray readAll(const QString& path);

// Folder of the shared camera samples, or empty when it is absent.
QString sharedSamplesDir();

} // namespace vistello::test
