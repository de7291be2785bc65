#pragma once
// A form design: every control of every page of one application form, as data.
// The editor builds its page widgets from it and the page walker prints it.
#include "platform/twips.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace mf {

// Control types, named as the page walker knows them (upper-cased type name).
enum class ControlType {
    TextBox,       // single- or multi-line text box (ChTXT, ChMEMO, ExistTXT, KCDM, p1DATA)
    ComboBox,
    Label,
    CheckBox,
    OptionButton,
    CommandButton,
    Frame,
    Line,
    Shape,
    Image,
    PictureBox,
    TreeView,
    ListBox,
    GridGraph,     // the boundary-coordinate control Grid_Graph1
};

QString controlTypeName(ControlType t);
std::optional<ControlType> controlTypeFromName(const QString& name);

enum class HAlign { Left = 0, Right = 1, Center = 2 };

struct FontSpec {
    QString name = QStringLiteral("宋体");
    double size = 9.0;   // points
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

struct DesignControl {
    ControlType type = ControlType::Label;
    QString name;          // control or array name, e.g. "ChTXT"
    int index = -1;        // array index, -1 for a single control
    int page = 0;          // Picture1 index
    QString container;     // empty: directly on the page; else the name of a Frame on that page
    TwipsRect rect;        // relative to the container; a Line's bounding box
    Twips x1, y1, x2, y2;  // Line end points (relative to the container)
    QString fieldName;     // ToolTipText
    QString caption;       // caption of labels, buttons, check boxes; initial text otherwise
    FontSpec font;
    HAlign align = HAlign::Left;
    QColor foreColor;      // invalid: the default colour
    QColor backColor;      // invalid: the default colour
    bool visible = true;
    bool enabled = true;
    bool multiLine = false;
    int scrollBars = 0;    // 0 none, 1 horizontal, 2 vertical, 3 both
    int comboStyle = 0;    // 0 editable drop-down, 2 drop-down list
    int borderStyle = 1;   // 0 none, 1 fixed single
    int maxLength = 0;     // 0 unlimited
    bool transparent = false;  // label without a background
    int lineWidth = 1;     // Line and Shape border width in pixels
    QString tag;           // print directives

    bool isArrayMember() const { return index >= 0; }
    // "ChTXT(18)" or "CheckTogether".
    QString displayName() const;
};

struct DesignPage {
    int index = 0;
    Twips width{7155};
    Twips height{7545};
    QString tag;   // the sketch frame on the second page of the forms with a mining area
};

class FormDesign {
public:
    QString formName;   // "NewTab"
    int kind = 0;
    QString caption;
    QString source;     // resource or path it was read from
    std::vector<DesignPage> pages;
    std::vector<DesignControl> controls;   // in the form's own order

    bool isValid() const { return !formName.isEmpty() && !pages.empty(); }
    int pageCount() const { return int(pages.size()); }
    const DesignPage* page(int index) const;

    // The control with this name and index (index -1 for a single control).
    const DesignControl* find(const QString& name, int index = -1) const;
    // Members of one array in index order.
    std::vector<const DesignControl*> array(const QString& name) const;
    // Controls whose page is the given one, frames' children included, in form order.
    std::vector<const DesignControl*> controlsOnPage(int page) const;
    // Rectangle in page twips: container offsets added.
    TwipsRect absoluteRect(const DesignControl& c) const;
    // Data controls carrying this field name, in form order.
    std::vector<const DesignControl*> withField(const QString& fieldName) const;
};

// The field names of the data controls a file stores (ChTXT, ChMEMO, ChCBO) in a design, in
// form order, read without the rest of the design; empty when it cannot be read.
QStringList dataFieldNames(const QString& resourceOrPath);

// Reads a design from a Qt resource (":/forms/newtab.frm") or a file path. On failure
// returns an invalid design and sets *error to "<source>:<line>: <reason>".
FormDesign loadFormDesign(const QString& resourceOrPath, QString* error);
// Parses design text; sourceName only names the source in error messages.
FormDesign parseFormDesign(const QByteArray& utf8, const QString& sourceName, QString* error);

} // namespace mf
