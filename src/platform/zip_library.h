#pragma once
// libzip, loaded when the first archive is written. Linked to the program, the library and
// those it brings along (a cryptography library among them) would cost every start-up time
// and more than a MiB of memory for a command that most runs never use.
#include <QString>
#include <zip.h>

namespace mf {

struct ZipLibrary {
    decltype(&::zip_open) open;
    decltype(&::zip_close) close;
    decltype(&::zip_discard) discard;
    decltype(&::zip_dir_add) dirAdd;
    decltype(&::zip_file_add) fileAdd;
    decltype(&::zip_source_file) sourceFile;
    decltype(&::zip_source_free) sourceFree;
    decltype(&::zip_set_file_compression) setFileCompression;
    decltype(&::zip_file_extra_field_set) fileExtraFieldSet;
    decltype(&::zip_file_set_external_attributes) fileSetExternalAttributes;
    decltype(&::zip_file_set_mtime) fileSetMtime;
    decltype(&::zip_get_error) getError;
    decltype(&::zip_error_system_type) errorSystemType;
    decltype(&::zip_error_code_system) errorCodeSystem;
    decltype(&::zip_register_progress_callback_with_state) registerProgress;
};

// The library's functions, loaded on the first call; null with the reason in *error when the
// library or one of its functions cannot be found.
const ZipLibrary* zipLibrary(QString* error = nullptr);

// Loads the library of that name into *lib; false with the reason in *error.
bool loadZipLibrary(const char* soname, ZipLibrary* lib, QString* error);

} // namespace mf
