#pragma once
// Per-kind values of the seven application form windows: caption, tabs, sizes, help
// context, sketch frame and design file. One editor is driven by these.
#include "platform/twips.h"

#include <QString>
#include <vector>

namespace mf {

struct TabSpec {
    QString key;       // "head", "explain", "first", "second", "Area_Range"
    QString caption;
};

struct KindProfile {
    int kind = 0;                 // ApplicationKind 1..7
    QString formName;             // "NewTab"
    QString caption;              // window caption, also used by the save question
    QString toolbarKey;           // the main window's toolbar button of the kind
    std::vector<TabSpec> tabs;    // one per page, in page order
    int lastPage = 0;             // index of the last page
    int helpContextId = 0;
    Twips clientWidth, clientHeight;   // designed client area
    TwipsRect pic1;               // the page frame Pic1
    Twips pageWidth{7155}, pageHeight{7545};
    Twips pageLeft{30}, pageTop{30};   // every page's place inside Pic1
    Twips cascadeX{450}, cascadeY{250};   // offset per other open form
    QString sketchTag;            // Tag of Picture1(3): the sketch frame; empty: no sketch
    bool hasMiningArea = false;   // page 4 with Grid_Graph1
    QString designFile;           // "newtab.frm"

    int pageCount() const { return lastPage + 1; }
    QString designResource() const { return QStringLiteral(":/forms/") + designFile; }
    // Page index of a tab key (exact, case-sensitive), -1 for a key the form lacks.
    int pageOfKey(const QString& key) const;
};

// The profile of kind 1..7. An out-of-range kind is a programming error; it gets an empty
// profile (kind 0, no tabs) rather than undefined behaviour.
const KindProfile& kindProfile(int kind);

} // namespace mf
