#include "platform/Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

namespace platform {

void* ModuleEntry(const char* fileName, const char* symbol) {
  const QDir here(QCoreApplication::applicationDirPath());
  const QString name = QString::fromLatin1(fileName);
  for (const QString& path : {here.filePath(name), here.filePath(QStringLiteral("../") + name),
                              here.filePath(QStringLiteral("../lib/tarvel/") + name)}) {
    if (!QFile::exists(path)) continue;
    auto* library = new QLibrary(path);
    library->setLoadHints(QLibrary::PreventUnloadHint);
    if (QFunctionPointer entry = library->resolve(symbol)) return reinterpret_cast<void*>(entry);
    qWarning("Tarvel: the module %s does not load: %s", qPrintable(path),
             qPrintable(library->errorString()));
    delete library;
  }
  return nullptr;
}

}  // namespace platform
