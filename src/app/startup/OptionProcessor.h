#pragma once
// Applies the command-line options to the settings and the start-up options,
// in parameter order. Every parameter that is not an option (or an option's
// value) is a path argument.
#include <QStringList>
#include <functional>

namespace vistello {

class SettingsStore;
struct StartupOptions;

// "-i" counts wherever it stands, before any path argument is examined.
bool includesSubfolders(const QStringList& parameters);

// Receives each path argument as it is met.
using PathArgumentSink = std::function<void(const QString&)>;

class OptionProcessor {
public:
    OptionProcessor(const QStringList& parameters, SettingsStore& store, StartupOptions& options,
                    PathArgumentSink pathArgument);

    // Options that need a value and stand last are ignored.
    void run();

private:
    // Each returns the index of the next parameter to examine.
    qsizetype examine(qsizetype i);
    qsizetype examineFromAutoShow(qsizetype i);
    qsizetype examineFromExtension(qsizetype i);
    qsizetype readColour(qsizetype selector, const char* key);

    bool hasValue(qsizetype i) const { return i + 1 < parameters_.size(); }
    bool is(qsizetype i, const char* name) const;
    // Parameter i as a value or path.
    QString text(qsizetype i) const;
    void applyDisplayStyle(const QString& value);
    bool applyDisplayMode(const QString& value);

    const QStringList& parameters_;
    SettingsStore& store_;
    StartupOptions& options_;
    PathArgumentSink pathArgument_;
};

} // namespace vistello
