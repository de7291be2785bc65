#pragma once
// Shared libraries the program loads when it first needs them, not at start-up: each stays
// loaded for the rest of the run, its functions looked up by name into a table of pointers.
#include <QString>

namespace mf {

// Opens the library of that soname; null with "<cannotLoad> <soname>：<why>" in *error.
void* openLibrary(const char* soname, const char* cannotLoad, QString* error);

// The address of a symbol of an opened library; null when it has none of that name.
void* librarySymbol(void* handle, const char* symbol);

// fn = the function of that name; the first one missing is named in *error as
// "<lacksFunction> <symbol>".
template <class F>
void resolveFunction(void* handle, const char* symbol, F& fn, const char* lacksFunction, QString* error) {
    fn = reinterpret_cast<F>(librarySymbol(handle, symbol));
    if (!fn && error->isEmpty()) *error = QString::fromUtf8(lacksFunction) + QLatin1Char(' ') + QString::fromLatin1(symbol);
}

// The table load fills from the library of that soname, loaded on the first call; null with
// the reason in *error when the library or one of its functions cannot be found.
template <class Table>
const Table* loadOnce(bool (*load)(const char*, Table*, QString*), const char* soname, QString* error) {
    struct Loaded {
        Table table{};
        QString error;
        bool ok = false;
    };
    static const Loaded loaded = [&] {
        Loaded l;
        l.ok = load(soname, &l.table, &l.error);
        return l;
    }();
    if (loaded.ok) return &loaded.table;
    if (error) *error = loaded.error;
    return nullptr;
}

} // namespace mf
