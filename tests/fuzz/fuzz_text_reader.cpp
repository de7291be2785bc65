// Fuzzes the submission text reader with arbitrary file bytes. Whatever it accepts must
// write back into a file it accepts again with the same values, and the boundary walkers
// must cope with whatever boundary it produced.
#include "fuzz_common.h"

#include "core/boundary_walkers.h"
#include "core/text_submission.h"
#include "platform/text_file.h"

#include <QCoreApplication>

using namespace mf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::installSilentDialogs();
    static const KindFieldMap map = fuzz::changeMap(false);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    bool valid = true;
    const QStringList lines = splitLines(decodeGb18030(bytes, &valid));
    FormValues values;
    if (!parseTextSubmission(lines, map, &values))
        return 0;
    if (values.boundary) {
        SketchPointSet s;
        BuildSketchPoints(*values.boundary, s);
        GetElevationRange(*values.boundary);
    }
    // Write what was read as a change application and read it back.
    // Empty fields are not written; each line is trimmed on reading anyway.
    FormValues out = values;
    out.kind = 2;
    out.fields.clear();
    for (FieldValue f : values.fields) {
        f.value = f.value.trimmed();
        if (!f.value.isEmpty())
            out.fields.append(f);
    }
    const QStringList written = textSubmissionLines(out, map);
    FormValues again;
    if (!parseTextSubmission(written, map, &again))
        fuzz::fail("written file not accepted");
    if (again.fields.size() != out.fields.size())
        fuzz::fail("field count changed");
    return 0;
}
