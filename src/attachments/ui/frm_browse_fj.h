#pragma once
// frmBrowseFJ "申请材料浏览": the documents attached to the current application, under the
// list's title, the project, the applicant and the fill-in date; prints the list.
#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace mf {

class FormAccess;
struct AttachmentListPrint;

class frmBrowseFJ : public QDialog {
    Q_OBJECT
public:
    explicit frmBrowseFJ(FormAccess* form, QWidget* parent = nullptr);

    // What "打印" prints.
    AttachmentListPrint printout() const;
    void cmdPrint_Click();
    void Command1_Click();

    QLabel* lblTName = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblPName = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblNName = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblDName = nullptr;
    QTableWidget* MSFlexGrid2 = nullptr;   // heading strip
    QTableWidget* MSFlexGrid1 = nullptr;   // the list
    QWidget* Pic1 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* Command1 = nullptr;
    int ListedFileCount = 0;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void FillAttachmentList();
};

} // namespace mf
