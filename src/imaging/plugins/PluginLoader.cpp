#include "imaging/plugins/PluginLoader.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/FormatHandler.h"
#include "imaging/plugins/PluginHandler.h"
#include "imaging/plugins/PluginText.h"
#include "imaging/plugins/PluginTrust.h"
#include "platform/ProgramLocation.h"
#include "resources/MediaStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace vistello {
namespace {

using TypeFn = int32_t (*)();
using CountFn = int32_t (*)();
using VersionFn = const vpl_char16* (*)();
using ProcFn = vpl_factory (*)(int32_t);
using TemplatesFn = void (*)(const vpl_char16* const*, int32_t);

constexpr int32_t kMaxFormatsPerPlugin = 256;
constexpr std::size_t kMaxVersionUnits = 16;

// Accepted libraries; never closed (see the header).
std::vector<void*>& acceptedLibraries()
{
    static std::vector<void*> libraries;
    return libraries;
}

// The info templates every plug-in receives; they live as long as the
// libraries, which may keep the pointers.
const vpl_char16* const* infoTemplates()
{
    static const std::vector<std::u16string> texts = [] {
        std::vector<std::u16string> built;
        for (int id : strings::kInfoTemplateIds)
            built.push_back(strings::text(id).toStdU16String());
        return built;
    }();
    static const std::vector<const vpl_char16*> pointers = [] {
        std::vector<const vpl_char16*> built;
        for (const std::u16string& text : texts)
            built.push_back(reinterpret_cast<const vpl_char16*>(text.c_str()));
        return built;
    }();
    return pointers.data();
}

struct Exports {
    TypeFn type = nullptr;
    CountFn count = nullptr;
    VersionFn version = nullptr;
    ProcFn proc = nullptr;
    TemplatesFn templates = nullptr;
};

// Registers one format of an accepted library; the handler made to learn
// its names is destroyed again.
void registerPluginFormat(PictureFileTypes& types, vpl_factory factory, SettingsStore* settings)
{
    std::unique_ptr<FormatHandler> probe = PluginHandler::adopt(factory());
    if (!probe)
        return;
    // Each new handler gets the format's saved settings string.
    auto saved = std::make_shared<QString>();
    FormatDescriptor descriptor;
    descriptor.extensions = probe->extensions();
    descriptor.formatName = probe->formatName();
    descriptor.description = probe->description();
    descriptor.capabilities = uint16_t(probe->capabilities());
    descriptor.setProperties = [saved](const QString& text) { *saved = text; };
    descriptor.factory = [factory, saved]() -> std::unique_ptr<FormatHandler> {
        std::unique_ptr<FormatHandler> handler = PluginHandler::adopt(factory());
        if (handler && !saved->isEmpty())
            handler->setProperties(*saved);
        return handler;
    };
    probe.reset();
    types.registerFormat(descriptor, true, settings);
}

// Loads one library; false when it was refused.
bool loadPlugin(PictureFileTypes& types, const QString& path, SettingsStore* settings, const PluginReport& report)
{
    const QString fileName = QFileInfo(path).fileName();
    QString reason;
    std::optional<TrustedFile> trusted = openTrustedLibrary(path, &reason);
    if (!trusted) {
        report(QStringLiteral("The plug-in \"%1\" is not loaded: %2.").arg(fileName, reason));
        return false;
    }
    // Through the descriptor, so the file judged is the file loaded. The
    // loader knows a library by that name: the descriptor stays open for
    // the run, or a later plug-in given the same number would be taken for
    // this one.
    const QByteArray handle = QByteArray("/proc/self/fd/") + QByteArray::number(trusted->descriptor);
    void* library = ::dlopen(handle.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        ::close(trusted->descriptor);
        return false;
    }

    Exports e;
    e.type = reinterpret_cast<TypeFn>(::dlsym(library, "GetPluginType"));
    if (!e.type || e.type() != VPL_PLUGIN_TYPE) {
        ::dlclose(library); // none of its code is referenced
        return false;
    }
    e.count = reinterpret_cast<CountFn>(::dlsym(library, "GetPluginCnt"));
    e.version = reinterpret_cast<VersionFn>(::dlsym(library, "GetPluginVersion"));
    e.proc = reinterpret_cast<ProcFn>(::dlsym(library, "GetPluginProc"));
    e.templates = reinterpret_cast<TemplatesFn>(::dlsym(library, "PluginSetInfoTemplates"));
    if (!e.count || !e.version || !e.proc || !e.templates) {
        report(QString(strings::text(strings::kPluginExportsMissing)).replace(QLatin1String("%s"), fileName));
        ::dlclose(library);
        return false;
    }
    const QString expected = QString::fromUtf16(VPL_PLUGIN_VERSION);
    if (boundedPluginText(e.version(), kMaxVersionUnits) != expected) {
        report(strings::formatInserts(strings::text(strings::kPluginWrongVersion), {fileName, expected}));
        ::dlclose(library);
        return false;
    }

    e.templates(infoTemplates(), int32_t(std::size(strings::kInfoTemplateIds)));
    const int32_t count = std::min(e.count(), kMaxFormatsPerPlugin);
    for (int32_t index = 0; index < count; ++index)
        if (vpl_factory factory = e.proc(index))
            registerPluginFormat(types, factory, settings);
    acceptedLibraries().push_back(library);
    return true;
}

} // namespace

QStringList pluginFolders()
{
    if (qgetenv("VISTELLO_NO_PLUGINS") == "1")
        return {};
    QStringList folders;
#ifdef VISTELLO_PLUGIN_DIR
    folders.append(QStringLiteral(VISTELLO_PLUGIN_DIR));
#endif
    const QString programFolder = QDir::cleanPath(executableFolder());
    if (!executablePath().isEmpty() && !folders.contains(programFolder))
        folders.append(programFolder);
    return folders;
}

int loadPlugins(PictureFileTypes& types, const QStringList& folders, SettingsStore* settings,
                const PluginReport& report)
{
    int accepted = 0;
    for (const QString& folder : folders) {
        const QStringList names =
            QDir(folder).entryList({QStringLiteral("vpl_*.so")}, QDir::Files, QDir::Name);
        for (const QString& name : names)
            accepted += loadPlugin(types, QDir(folder).filePath(name), settings, report) ? 1 : 0;
    }
    return accepted;
}

void unloadPlugins(PictureFileTypes& types, SettingsStore* settings)
{
    if (settings) {
        // Only plug-in handlers get their saved string back from their
        // factory; a built-in one would answer its default over the user's.
        for (const PictureFileType& type : types.fileTypes()) {
            if (!type.external || type.formatName.isEmpty() || !type.factory)
                continue;
            if (std::unique_ptr<FormatHandler> handler = type.factory())
                if (const QString value = handler->properties(); !value.isEmpty())
                    settings->setString(type.formatName + QStringLiteral("_property"), value);
        }
    }
    types.removeExternalFormats();
}

} // namespace vistello
