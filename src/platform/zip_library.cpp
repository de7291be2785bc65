#include "platform/zip_library.h"

#include "platform/loaded_library.h"

namespace mf {

bool loadZipLibrary(const char* soname, ZipLibrary* z, QString* error) {
    void* h = openLibrary(soname, "无法加载压缩库", error);
    if (!h) return false;
    auto resolve = [&](const char* symbol, auto& fn) { resolveFunction(h, symbol, fn, "压缩库缺少函数", error); };
    resolve("zip_open", z->open);
    resolve("zip_close", z->close);
    resolve("zip_discard", z->discard);
    resolve("zip_dir_add", z->dirAdd);
    resolve("zip_file_add", z->fileAdd);
    resolve("zip_source_file", z->sourceFile);
    resolve("zip_source_free", z->sourceFree);
    resolve("zip_set_file_compression", z->setFileCompression);
    resolve("zip_file_extra_field_set", z->fileExtraFieldSet);
    resolve("zip_file_set_external_attributes", z->fileSetExternalAttributes);
    resolve("zip_file_set_mtime", z->fileSetMtime);
    resolve("zip_get_error", z->getError);
    resolve("zip_error_system_type", z->errorSystemType);
    resolve("zip_error_code_system", z->errorCodeSystem);
    resolve("zip_register_progress_callback_with_state", z->registerProgress);
    return error->isEmpty();
}

// The name the build found the library under.
const ZipLibrary* zipLibrary(QString* error) { return loadOnce(&loadZipLibrary, MF_LIBZIP_SONAME, error); }

} // namespace mf
