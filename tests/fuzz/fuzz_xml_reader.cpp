// Fuzzes the exchange XML reader with arbitrary file bytes. Whatever it accepts must write
// back into a well-formed document that reads again with as many fields.
#include "fuzz_common.h"

#include "core/boundary_walkers.h"
#include "core/exchange_xml.h"

using namespace mf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::installSilentDialogs();
    static const KindFieldMap map = fuzz::changeMap(true);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FormValues values;
    if (!parseExchangeXml(bytes, map, &values))
        return 0;
    if (values.boundary)
        GetElevationRange(*values.boundary);
    values.kind = 2;
    QByteArray written;
    if (!exchangeXmlBytes(values, map, &written))
        fuzz::fail("writer refused values read from a document");
    FormValues again;
    if (!parseExchangeXml(written, map, &again))
        fuzz::fail("written document not well-formed");
    return 0;
}
