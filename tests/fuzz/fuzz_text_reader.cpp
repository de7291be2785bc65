// Fuzzes the submission text reader with arbitrary file bytes. Whatever it accepts must
// write back into a file it accepts again with the same values, and the boundary walkers
// must cope with whatever boundary it produced. Input and output go through files, and a
// written file must hold no character that the reader drops.
#include "fuzz_common.h"

#include "core/boundary_walkers.h"
#include "core/field_access.h"
#include "core/text_submission.h"

using namespace mf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::installSilentDialogs();
    static const KindFieldMap map = fuzz::changeMap(false);
    static const QString output = fuzz::inputPath("output.txt");
    const QString input = fuzz::writeInput("input.txt", data, size);
    textFileKind(input);
    FormValues values;
    if (!ReadTextSubmission(input, map, &values))
        return 0;
    readLossMessage(values);
    if (values.boundary) {
        SketchPointSet s;
        BuildSketchPoints(*values.boundary, s);
        GetElevationRange(*values.boundary);
    }
    // Write what was read as a change application and read it back.
    // Empty fields are not written; each line is trimmed on reading anyway.
    FormValues out = values;
    out.kind = 2;
    out.changeTypes = fuzz::formChangeTypes(values.changeTypes);
    out.fields.clear();
    for (FieldValue f : values.fields) {
        f.value = f.value.trimmed();
        if (!f.value.isEmpty())
            out.fields.append(f);
    }
    if (QString error; !WriteTextSubmission(output, out, map, &error)) fuzz::fail("values read could not be written");
    FormValues again;
    if (!ReadTextSubmission(output, map, &again))
        fuzz::fail("written file not accepted");
    if (again.droppedCharacters) fuzz::fail("a written file holds characters the reader drops");
    if (!fuzz::sameFields(again.fields, out.fields)) fuzz::fail("fields changed on reading the written file");
    return 0;
}
