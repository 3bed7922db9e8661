#include "platform/Modules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <string>

#ifndef VELTO_MODULE_RELDIR
#define VELTO_MODULE_RELDIR "../lib/velto"
#endif

namespace velto {

namespace {

struct Module {
    void* handle = nullptr;
    QString problem;
};

QStringList Places() {
    QStringList places;
    const QString chosen = qEnvironmentVariable("VELTO_MODULE_DIR");
    if (!chosen.isEmpty()) places << chosen;
    // The running file itself, so the test and bench programs find the
    // build tree's modules through VELTO_MODULE_DIR and the player its own.
    const QString program =
        QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
    places << program << QDir::cleanPath(program + QStringLiteral("/" VELTO_MODULE_RELDIR));
    return places;
}

Module Load(const char* name) {
    const QString file = QStringLiteral("libvelto-%1.so").arg(QString::fromLatin1(name));
    const QStringList places = Places();
    for (const QString& place : places) {
        const QString path = place + u'/' + file;
        if (!QFileInfo(path).isFile()) continue;
        if (void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL))
            return {handle, {}};
        return {nullptr, QString::fromLocal8Bit(dlerror())};
    }
    return {nullptr, file + QStringLiteral(" is in none of ") + places.join(QStringLiteral(", "))};
}

} // namespace

void* ModuleSymbol(const char* name, const char* symbol, QString* problem) {
    static std::mutex mutex;
    static std::map<std::string, Module> modules;
    const std::lock_guard lock(mutex);
    auto it = modules.find(name);
    if (it == modules.end()) it = modules.emplace(name, Load(name)).first;
    const Module& module = it->second;
    void* address = module.handle ? dlsym(module.handle, symbol) : nullptr;
    if (!address && problem) {
        *problem = module.handle ? QStringLiteral("%1 lacks %2")
                                       .arg(QString::fromLatin1(name), QString::fromLatin1(symbol))
                                 : module.problem;
    }
    return address;
}

} // namespace velto
