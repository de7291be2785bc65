// Fuzzes the opening of an Access dictionary file as the program opens it: it gives a
// dictionary or fails with a reason. Seeds: small dictionaries of tests/fixtures/dict.
#include "fuzz_common.h"

#include "core/dictionary.h"

using namespace mf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString input = fuzz::writeInput("系统词典.mdb", data, size);
    Dictionary dict;
    QString reason;
    if (!dict.open(input, &reason) && reason.isEmpty())
        fuzz::fail("a dictionary refused without a reason");
    return 0;
}
