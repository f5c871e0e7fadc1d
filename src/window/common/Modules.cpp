#include "window/common/Modules.h"

#include <QLibrary>

#ifndef VELMORA_MODULES_FROM_BIN
#define VELMORA_MODULES_FROM_BIN "../lib/velmora"
#endif

QStringList ModulePaths(const QString& fileName, const char* environmentVariable,
                        const QString& programDir, const QString& builtPath) {
    QStringList paths;
    const QString chosen = qEnvironmentVariable(environmentVariable);
    if (!chosen.isEmpty()) {
        paths << chosen;
    }
    paths << programDir + QLatin1Char('/') + fileName
          << programDir + QStringLiteral("/" VELMORA_MODULES_FROM_BIN "/") + fileName;
    if (!builtPath.isEmpty()) {
        paths << builtPath;
    }
    return paths;
}

void* modules_detail::ResolveEntry(const QStringList& paths, const char* entryName) {
    for (const QString& path : paths) {
        QLibrary library(path);
        // The library stays loaded: QLibrary never unloads on destruction.
        if (const QFunctionPointer entry = library.resolve(entryName)) {
            return reinterpret_cast<void*>(entry);
        }
    }
    return nullptr;
}
