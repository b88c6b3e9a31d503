#include "app/startup/OptionProcessor.h"

#include "app/startup/ColourComponents.h"
#include "app/startup/CommandLine.h"
#include "app/startup/StartupOptions.h"
#include "core/settings/LeadingInt.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>
#include <utility>

namespace vistello {
namespace {

// The setting each "-c" selector colours.
const char* colourKey(const QString& selector)
{
    if (selector == QLatin1StringView("1"))
        return "BackgroundColor";
    if (selector == QLatin1StringView("2"))
        return "BackgroundColorFullScreen";
    if (selector == QLatin1StringView("3"))
        return "TextColor";
    return nullptr;
}

} // namespace

bool includesSubfolders(const QStringList& parameters)
{
    return std::any_of(parameters.begin(), parameters.end(),
                       [](const QString& p) { return isOption(p, QLatin1StringView("i")); });
}

OptionProcessor::OptionProcessor(const QStringList& parameters, SettingsStore& store,
                                 StartupOptions& options, PathArgumentSink pathArgument)
    : parameters_(parameters)
    , store_(store)
    , options_(options)
    , pathArgument_(std::move(pathArgument))
{
}

void OptionProcessor::run()
{
    qsizetype i = 0;
    while (i < parameters_.size())
        i = examine(i);
}

bool OptionProcessor::is(qsizetype i, const char* name) const
{
    return isOption(parameters_.at(i), QLatin1StringView(name));
}

QString OptionProcessor::text(qsizetype i) const
{
    return parameterText(parameters_.at(i));
}

qsizetype OptionProcessor::examine(qsizetype i)
{
    if (is(i, "i"))
        return i + 1;
    // Settings-file options were taken before the settings were loaded.
    if (is(i, "x") || is(i, "b"))
        return i + 2;
    if (is(i, "p")) {
        if (hasValue(i))
            options_.startFolder = makeFullPath(text(i + 1));
        return i + 2;
    }
    if (is(i, "l")) {
        if (hasValue(i))
            applyDisplayStyle(text(i + 1));
        return i + 2;
    }
    if (is(i, "v")) {
        if (!hasValue(i))
            return i + 1;
        if (applyDisplayMode(text(i + 1)))
            return i + 2;
        // Any other value is examined at once as one of the later options or a path.
        return examineFromAutoShow(i + 1);
    }
    return examineFromAutoShow(i);
}

qsizetype OptionProcessor::examineFromAutoShow(qsizetype i)
{
    if (is(i, "a")) {
        store_.set(setting::AutoShow, true);
        return i + 1;
    }
    if (is(i, "d")) {
        if (hasValue(i))
            store_.set(setting::AutoShowDelay, parseLeadingInt(text(i + 1)));
        return i + 2;
    }
    if (is(i, "c")) {
        if (!hasValue(i))
            return i + 1;
        if (const char* key = colourKey(text(i + 1)))
            return readColour(i + 1, key);
        // Any other selector is examined at once as "e" or a path.
        return examineFromExtension(i + 1);
    }
    return examineFromExtension(i);
}

qsizetype OptionProcessor::examineFromExtension(qsizetype i)
{
    if (is(i, "e")) {
        if (hasValue(i))
            store_.set(setting::PictureListExtension, text(i + 1));
        return i + 2;
    }
    pathArgument_(text(i));
    return i + 1;
}

qsizetype OptionProcessor::readColour(qsizetype selector, const char* key)
{
    int components[3] = {0, 0, 0}; // missing components at the end of the list are 0
    qsizetype next = selector + 1;
    for (int& component : components) {
        if (next >= parameters_.size())
            break;
        const std::optional<int> value = parseColourComponent(text(next));
        if (!value)
            return next; // no colour; the invalid parameter is examined next
        component = *value;
        ++next;
    }
    store_.setInt(QString::fromLatin1(key), makeColour(components[0], components[1], components[2]));
    return next;
}

void OptionProcessor::applyDisplayStyle(const QString& value)
{
    if (value == QLatin1StringView("1"))
        store_.setFlag(SettingsStore::name(setting::Screen), 1);
    else if (value == QLatin1StringView("2"))
        store_.setFlag(SettingsStore::name(setting::Screen), 2);
}

bool OptionProcessor::applyDisplayMode(const QString& value)
{
    bool selectionView = false;
    bool fullScreen = false;
    if (value == QLatin1StringView("1")) {
        selectionView = true;
    } else if (value == QLatin1StringView("3")) {
        selectionView = true;
        fullScreen = true;
    } else if (value != QLatin1StringView("2")) {
        return false;
    }
    store_.set(setting::SelectionViewVisible, selectionView);
    store_.set(setting::AppFullScreenMode, fullScreen);
    store_.set(setting::FullScreen, fullScreen);
    return true;
}

} // namespace vistello
