#pragma once
// The list of attached documents as the applicant hands it in: what the list view shows
// and how its printout lays the pages out.
#include <QStringList>

class QPainter;
class QPagedPaintDevice;

namespace mf {

// The list's title by kind ("采矿权新立申请材料清单" ...); "材料清单" outside 1 to 7.
QString attachmentListTitle(int kind);
// The index of the fill-in date box ChTXT of a kind's form: 3 for kinds 1, 5 and 7, else 4.
int fillInDateIndex(int kind);
// A valid date as "yyyy年m月d日" (no leading zeros); "" otherwise.
QString listDateText(const QString& typed);

// The titles of the documents attached to the working list of CurrentKind: every entry
// with a path, of every material whose count is above 0, in document order. Creates the
// working list from its template when missing; false after "XML文件不存在".
bool FillAttachmentList(QStringList* titles);

struct AttachmentListPrint {
    QString title, project, applicant, date;
    QStringList titles;
};

// Rows of the table on one page.
constexpr int kListRowsPerPage = 39;
// Pages the printout takes: 1 for an empty list.
int attachmentListPages(int rows);
// True when a page of the given size in twips takes the table (at least 209 by 296 mm).
bool attachmentListPageFits(double widthTw, double heightTw);

// Paints page p (1-based) of the printout. The painter's coordinates are twips from the
// top left of the page's paint area.
void paintAttachmentListPage(QPainter& painter, const AttachmentListPrint& list, int page);

// Prints every page on a paged device; with jobPerPage each page ends a document of its
// own, otherwise the pages follow one another in one document. False when the device could
// not be painted on.
bool printAttachmentList(QPagedPaintDevice& device, const AttachmentListPrint& list, bool jobPerPage);

} // namespace mf
