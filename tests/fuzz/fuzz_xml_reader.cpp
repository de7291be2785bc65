// Fuzzes the exchange XML reader with arbitrary file bytes. Whatever it accepts must write
// back into a well-formed document that reads again with as many fields.
// Input and output go through files; the fields and all their characters come back the same.
#include "fuzz_common.h"

#include "core/boundary_walkers.h"
#include "core/exchange_xml.h"
#include "core/field_access.h"

using namespace mf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::installSilentDialogs();
    static const KindFieldMap map = fuzz::changeMap(true);
    static const QString output = fuzz::inputPath("output.xml");
    const QString input = fuzz::writeInput("input.xml", data, size);
    GetXmlFileKind(input);
    FormValues values;
    if (!ReadExchangeXml(input, map, &values))
        return 0;
    readLossMessage(values);
    if (values.boundary)
        GetElevationRange(*values.boundary);
    values.kind = 2;
    values.changeTypes = fuzz::formChangeTypes(values.changeTypes);
    if (!WriteExchangeXml(output, values, map))
        fuzz::fail("writer refused values read from a document");
    FormValues again;
    if (!ReadExchangeXml(output, map, &again))
        fuzz::fail("written document not well-formed");
    if (again.droppedCharacters) fuzz::fail("a written document holds characters the reader drops");
    if (!fuzz::sameFields(again.fields, values.fields)) fuzz::fail("fields changed on reading the written document");
    return 0;
}
