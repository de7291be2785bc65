#pragma once
// The labels beside the design scale and the reserves of the main mineral: the unit of
// the design scale (LabelGM(0)), the chosen reserve unit with its ore type (LabelGM(1)),
// the reserve-unit list under "▼" (CommandCL, ListCL) and the scale class (LabelCL).
#include "forms/field_tables.h"
#include "platform/twips.h"

#include <QObject>
#include <functional>

class QLabel;
class QPushButton;

namespace mf {

class FieldList;
class TextField;

class ReserveLabels : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QLabel* designUnit = nullptr;    // LabelGM(0)
        QLabel* reserveUnit = nullptr;   // LabelGM(1)
        QLabel* scale = nullptr;         // LabelCL
        QPushButton* button = nullptr;   // CommandCL
        FieldList* list = nullptr;       // ListCL
        TwipsRect buttonRect;            // CommandCL as designed
        TwipsRect listRect;              // ListCL as designed (its size is used)
        TextField* total = nullptr;      // 总储量
        TextField* unit = nullptr;       // 储量单位
        TextField* oreType = nullptr;    // 矿石类型
        std::function<QString()> mineralText;   // the text of ChCBO(2)
    };
    ReserveLabels(const ReserveSpec& table, Controls controls, QObject* parent = nullptr);

    const Controls& controls() const { return c_; }

    // Handlers.
    void CommandCL_Click();
    void ListCL_Click();
    void ListCL_DblClick();
    void ListCL_LostFocus();

    // Refreshes the labels for the main mineral: afterLoad false after a mineral has been
    // chosen, true after a file has been read into the form.
    void UpdateMineralScaleLabels(bool afterLoad);
    // LabelCL from the mineral, 总储量 and 矿石类型 (also when 总储量 changes).
    void classify();
    // Before a load: no mineral, no reserve units.
    void forgetMineral();

private:
    // Hides the list; when it had the focus, "▼" takes it back.
    void closeList();
    ReserveSpec table_;
    Controls c_;
    QString unitMineral_;   // the mineral code 储量单位 and 矿石类型 were chosen for
};

} // namespace mf
