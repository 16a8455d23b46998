#ifndef ATIMETABLEWIDGET_H
#define ATIMETABLEWIDGET_H

#include <QGraphicsView>
#include <QList>
#include <QMultiHash>
#include <QPoint>
#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

#include "atimetableheader.h"
#include "atimetablesession.h"

class QGraphicsItem;
class QGraphicsItemGroup;
class QGraphicsPathItem;
class QGraphicsRectItem;
class QGraphicsScene;
class QGraphicsSimpleTextItem;
class QGraphicsTextItem;
class QPainterPath;

// A weekly grid: one column per header, one band per hour, one box per
// session placed by its minutes (one minute is one scene pixel). The header
// row, the hour column and the corner stay in view while scrolling. Knows
// nothing of where the headers and sessions come from.
class ATimeTableWidget : public QGraphicsView
{
    Q_OBJECT
public:
    static constexpr int HourColumnWidth = 100;
    static constexpr int ColumnWidth = 150;
    static constexpr int HeaderHeight = 25;
    static constexpr int HourHeight = 60;

    explicit ATimeTableWidget(QWidget* parent = nullptr);
    ~ATimeTableWidget() override;

    void setHeaders(const QList<ATimeTableHeader>& headers);
    void setSessions(const QList<ATimeTableSession>& sessions);
    void setCornerText(const QString& text);
    void setInfoText(const QString& text);
    // Shows from the first hour to the end of the last one (to at most 23),
    // or up to to itself when it is past 23; redraws.
    void setHourRange(int from, int to);
    int firstHour() const { return m_firstHour; }
    int endHour() const { return m_endHour; }

    void refresh();

    // The grid cut for print into canvases of pageSize scene pixels each:
    // as many columns and hour rows as fit, every one with the corner, the
    // hour column and the header row at its edges and nothing drawn outside.
    // Their texts keep at least minPointSize.
    std::vector<std::unique_ptr<ATimeTableWidget>> printPages(const QSizeF& pageSize, double minPointSize) const;

    // What lies under the position of the last context-menu request.
    int getMinutoPointer() const;
    int getSessionIdAtPointer() const;
    int getColumnIdAtPointer() const;
    QPoint getGlobalPointer() const;

    // Scene y of a minute of the day and x of a column's left edge.
    static int yOfMinute(int minute) { return minute + HeaderHeight; }
    static int xOfColumn(int column) { return HourColumnWidth + ColumnWidth * column; }

public slots:
    void moveHeader();
    void moveVerticalHeader();
    void setPointer(const QPoint& pos);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void forgetItems();
    // The grid (corner, hour column, headers, column bodies) is drawn again
    // only when what it shows changed; the boxes every time.
    bool gridChanged() const;
    void rebuildGrid();
    void removeSessions();
    void addCorner();
    void addHourColumn();
    void addColumns();
    void addSessions();
    void addSession(const ATimeTableSession& session);
    QPainterPath sessionOutline(int column, int top, int bottom, bool clippedTop, bool clippedBottom) const;
    QGraphicsRectItem* addCell(const QRectF& rect, QGraphicsItemGroup* group);
    QGraphicsTextItem* addLabel(const QString& text, const QPointF& pos, bool bold);
    // A box label fitted into the height, reusing one of the last refresh when it fits the same.
    QGraphicsTextItem* addSessionLabel(const QString& text, const QPointF& pos, double allowedHeight);
    // False when the label was dropped (and deleted).
    bool fitLabel(QGraphicsTextItem* label, double allowedHeight, bool dropWhenTooSmall) const;
    // Puts the header row, the hour column and the corner at the scene's edges.
    void pinToEdges();
    int columnIndex(int columnId) const;
    QPointF pointerInScene() const;
    QPointF viewportOriginInScene() const;

    QList<ATimeTableSession> m_sessions;
    QList<ATimeTableHeader> m_headers;
    QGraphicsScene* m_scene = nullptr;
    QGraphicsItemGroup* m_cornerGroup = nullptr;
    QGraphicsItemGroup* m_headerGroup = nullptr;
    QGraphicsItemGroup* m_hourGroup = nullptr;
    QGraphicsSimpleTextItem* m_infoItem = nullptr;
    QString m_cornerText;
    QString m_infoText;
    QList<QGraphicsRectItem*> m_headerCells;
    QList<QGraphicsRectItem*> m_columnBodies;
    QList<QGraphicsPathItem*> m_sessionBoxes;
    // box labels by text and allowed height: laying out rich text is the dear part
    QMultiHash<QString, QGraphicsTextItem*> m_sessionLabels;
    QMultiHash<QString, QGraphicsTextItem*> m_spareLabels;
    bool m_gridBuilt = false;
    QList<ATimeTableHeader> m_gridHeaders;
    QString m_gridCornerText;
    QString m_gridInfoText;
    int m_gridFirstHour = -1;
    int m_gridEndHour = -1;
    QPoint m_pointer;
    int m_firstHour = 0;
    int m_endHour = 23;
    // labels shrink to fit, never below this size
    double m_minPointSize = 1;
    // a print page's own extent; empty: the grid's
    QSizeF m_pageSize;
};

#endif // ATIMETABLEWIDGET_H
