// Fuzzes the opening of an Access dictionary with mutated files, opened as the program
// opens the dictionary it finds: the import and the load either give a dictionary or fail
// with a reason. Seeds: small dictionaries made by tests/fixtures/dict/make.sh, trimmed.
#include "fuzz_common.h"

#include "core/dictionary.h"

using namespace mf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString input = fuzz::inputPath("系统词典.mdb");
    fuzz::writeInput(input, data, size);
    Dictionary dict;
    QString reason;
    if (!dict.open(input, &reason) && reason.isEmpty())
        fuzz::fail("a dictionary refused without a reason");
    return 0;
}
