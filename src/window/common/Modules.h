#pragma once

#include <QString>
#include <QStringList>

// The program's optional modules (the charts, the sound), each a library
// opened when first needed so that its Qt libraries load only then.

// Where a module is looked for, in order: the path in the environment
// variable if set, beside the program (a build folder), the installed
// lib/velmora, and the module as built in this build tree (if given).
QStringList ModulePaths(const QString& fileName, const char* environmentVariable,
                        const QString& programDir, const QString& builtPath);

// The entry function of the first module on the paths that has one, or
// null. A module opened stays open for the rest of the run.
template <typename Entry> Entry ModuleEntry(const QStringList& paths, const char* entryName);

namespace modules_detail {
void* ResolveEntry(const QStringList& paths, const char* entryName);
} // namespace modules_detail

template <typename Entry> Entry ModuleEntry(const QStringList& paths, const char* entryName) {
    return reinterpret_cast<Entry>(modules_detail::ResolveEntry(paths, entryName));
}
