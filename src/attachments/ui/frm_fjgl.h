#pragma once
// FrmFjgl "申报材料管理": the materials of the current application's attachment list and
// the documents of the selected material; choose, clear, rename, add and delete documents,
// print the list, save the application with its package and zip the package.
#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace mf {

class FormAccess;

class FrmFjgl : public QDialog {
    Q_OBJECT
public:
    // form: the editor of CurrentKind, which the window's save writes.
    explicit FrmFjgl(FormAccess* form, QWidget* parent = nullptr);

    // Grid rows are counted as on the window: row 0 is the heading row.
    int materialRows() const;   // with the heading row
    int documentRows() const;   // with the heading row
    QString materialCell(int row, int col) const;
    QString documentCell(int row, int col) const;
    QColor materialBackground(int row, int col) const;
    int documentColumnWidthTw(int col) const;
    void selectMaterial(int row);   // as a click on the row
    void selectDocument(int row, int col = 0);

    QTableWidget* MSFlexGrid1 = nullptr;
    QTableWidget* MSFlexGrid2 = nullptr;
    QPlainTextEdit* tips = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* fileUrl = nullptr;
    QPushButton* chooseBut = nullptr;
    QPushButton* addBut = nullptr;
    QPushButton* delBut = nullptr;
    QPushButton* CmdRemoveFJ = nullptr;
    QPushButton* browseBut = nullptr;
    QPushButton* CmdSave = nullptr;
    QPushButton* CmdSaveToZip = nullptr;
    QPushButton* colseBut = nullptr;

    void MSFlexGrid1_Click();
    void MSFlexGrid2_Click();
    void MSFlexGrid2_DblClick();
    void Text1_KeyPress(int key);
    void chooseBut_Click();
    void CmdRemoveFJ_Click();
    void addBut_Click();
    void delBut_Click();
    void browseBut_Click();
    void CmdSave_Click();
    void CmdSaveToZip_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Form_Load();
    void loadMaterialGrid();
    void applyWidthRule();
    void layoutColumns();
    void hideCellEditors();
    void updateChooseButton();
    QString selectedFjid() const;
    int currentMaterialRow() const;   // grid row, 1.. ; 0 when none
    int currentDocumentRow() const;
    void setMaterialShade(int row, const QColor& color, int lastCol);
    void updateMaterialCount(bool shadeWhenFilled);
    void setDocumentCell(int row, int col, const QString& text);

    FormAccess* form_ = nullptr;
};

} // namespace mf
