#pragma once
// The coordinate control `Grid_Graph`: the coordinate table with its in-place editors and
// block commands, and the plot view with its options, zoom, region list and print button.
// The rules live in GridGraphCore; this class turns user events into calls on it.
#include "gridgraph/grid_graph_core.h"
#include "gridgraph/zoom.h"
#include "gridgraph/ui/grid_graph_widget.h"

#include <QLineEdit>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStackedLayout;
class QTableWidget;

namespace mf {

class CoordGridModel;
class CoordTableView;

// The masked degree editor: fixed "°′.″" and digit positions for degrees, minutes, seconds
// and hundredths of a second; "." right-aligns the degrees (or seconds) typed so far and
// moves to the next field.
class DegreeMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DegreeMaskEdit(QWidget* parent = nullptr);
    void setColumn(int col);   // 2 longitude (3 degree digits), 3 latitude (2)
    // The text with its blank positions, as the mask shows it.
    QString maskText() const { return displayText(); }
    // A new entry begins: no separator typed yet.
    void startEntry() { separators_ = 0; }
    // Two separators typed: each field reads as its own digits ("116.30.5" is 116°30′05″);
    // with one or none a half-typed field reads as a stored number would ("98.3" is 98°30′).
    bool fieldsAsTyped() const { return separators_ >= 2; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    void fieldKey(QChar key);
    int separators_ = 0;
};

// The drawing surface `MinePic`: replays the plot built for its size.
class PlotSurface : public QWidget {
    Q_OBJECT
public:
    PlotSurface(GridGraphCore& core, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    GridGraphCore& core_;
};

class GridGraph : public GridGraphWidget {
    Q_OBJECT
public:
    explicit GridGraph(QWidget* parent = nullptr);
    // The child views read the grid of core_ while they go; they are deleted first.
    ~GridGraph() override;

    // GridGraphAccess.
    QString ZB_String() override { return core_.ZB_String(); }
    bool setZB_String(const QString& s) override { return core_.setZB_String(s); }
    qint16 ZB_Type() const override { return qint16(core_.ZB_Type()); }
    void setZB_Type(qint16 type) override { core_.setZB_Type(type); }
    void init_grid_graph() override { core_.init_grid_graph(); }
    void Coor_Select() override { core_.Coor_Select(); }
    void Check_ZB(qint16 mode) override { core_.Check_ZB(mode); }
    bool CheckZB() const override { return core_.CheckZB(); }
    void Area_Calc() override { core_.Area_Calc(); }
    bool AreaCalcPassed() const override { return core_.AreaCalcPassed(); }
    QString Area_Size() const override { return core_.Area_Size(); }
    void Graph_Draw(qint16 mode) override { core_.Graph_Draw(mode); }
    void COORCOM() { core_.COORCOM(); }
    void Flex_Enabled(bool on);

    GridGraphCore& core() { return core_; }

    // Grid commands, as the keys and the menu run them.
    void Area_Flex_DblClick();
    void openEditorWithKey(const QString& key);   // "\r" = Enter
    // Area_Flex_KeyDown; true when the key was a command (the grid does nothing more with it).
    bool Area_Flex_KeyDown(int key, Qt::KeyboardModifiers mods);
    // EDIT_FLEX_GRID: commits a visible editor, optionally moving on.
    void commitEditor(bool advance);
    bool editorVisible() const;
    QLineEdit* activeEditor() const { return active_; }
    // Enablement of the menu items as a right click would set them.
    struct MenuState {
        bool cut, copy, paste, del;
    };
    MenuState menuState() const;
    void runMenuItem(int index);

    // Plot controls.
    void PrintCom_Click();
    void setBlockView(bool block);
    void setZoomIndex(int index);
    void BGlist_MouseDown(Qt::MouseButton button, int row, int col);
    CoordTableView* table() const { return view_; }
    QTableWidget* regionList() const { return bglist_; }
    PlotSurface* surface() const { return minePic_; }
    QComboBox* zoomCombo() const { return scaleCom_; }
    QScrollBar* horizontalPan() const { return mhs_; }
    bool plotShown() const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void buildTableFrame();
    void buildPlotFrame();
    void wireCore();
    void refreshGrid();
    void syncSelectionFromView();
    void syncViewFromGrid();
    void placeEditor(QLineEdit* ed, int r, int c);
    void afterBlockChange(const std::optional<int>& detectedType);
    void copyCommand(bool& copied);
    void pasteCommand();
    void insertCommand();
    void deleteCommand(bool del);
    bool refuseWhileEditing(const QString& text);
    void editorKey(QKeyEvent* e, bool& handled);
    void fillRegionList();
    void applyZoom();
    void redrawPlot();

    GridGraphCore core_;
    bool destroying_ = false;
    // Table view.
    QGroupBox* txtFrame_ = nullptr;
    CoordTableView* view_ = nullptr;
    CoordGridModel* model_ = nullptr;
    QLineEdit* txtEdit_ = nullptr;
    DegreeMaskEdit* maskEdit_ = nullptr;
    QLineEdit* active_ = nullptr;
    int editRow_ = 0, editCol_ = 0;
    bool advanceOnCommit_ = false;
    bool syncing_ = false;
    // Plot view.
    QWidget* picFrame_ = nullptr;
    QStackedLayout* stack_ = nullptr;
    QRadioButton* planOpt_ = nullptr;
    QRadioButton* blockOpt_ = nullptr;
    QWidget* zframe1_ = nullptr;
    QWidget* zframe4_ = nullptr;
    QCheckBox* zchk1_[3] = {};
    QCheckBox* zchk2_ = nullptr;
    QScrollBar* hsZoom_ = nullptr;
    QScrollBar* vsZoom_ = nullptr;
    QWidget* backPic_ = nullptr;
    PlotSurface* minePic_ = nullptr;
    QScrollBar* mhs_ = nullptr;
    QScrollBar* mvs_ = nullptr;
    QTableWidget* bglist_ = nullptr;
    QComboBox* scaleCom_ = nullptr;
    QPushButton* printCom_ = nullptr;
    QPushButton* coorCom_ = nullptr;
};

} // namespace mf
