#include "platform/loaded_library.h"

#include <dlfcn.h>

namespace mf {

void* openLibrary(const char* soname, const char* cannotLoad, QString* error) {
    void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (handle)
        error->clear();
    else
        *error = QStringLiteral("%1 %2：%3")
                     .arg(QString::fromUtf8(cannotLoad), QString::fromLocal8Bit(soname), QString::fromLocal8Bit(dlerror()));
    return handle;
}

void* librarySymbol(void* handle, const char* symbol) { return dlsym(handle, symbol); }

} // namespace mf
