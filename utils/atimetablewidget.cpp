#include "atimetablewidget.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QDebug>
#include <QFont>
#include <QGraphicsItemGroup>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QRandomGenerator>
#include <QScrollBar>

#include <algorithm>

namespace {

const QColor kHeaderBlue(QStringLiteral("#95c6f7"));
// a jagged edge stops this far from the box's far side
constexpr int kJaggedSpan = 133;
constexpr int kJaggedDepth = 4;
constexpr int kClippedInset = 2;
constexpr int kClippedLabelOffset = 5;

QBrush cellBrush()
{
    // In item coordinates: cells right of the hour column show the end colour.
    QLinearGradient gradient(0, 0, ATimeTableWidget::HourColumnWidth, 0);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, kHeaderBlue);
    gradient.setSpread(QGradient::PadSpread);
    return QBrush(gradient);
}

QBrush sessionBrush(int status)
{
    switch (status) {
    case ATimeTableSession::Normal:
        return QBrush(QColor(QStringLiteral("#b7ffb7")));
    case ATimeTableSession::WithoutTeacher:
        return QBrush(QColor(QStringLiteral("#FFEAB7")), Qt::DiagCrossPattern);
    case ATimeTableSession::Overlapping:
        return QBrush(QColor(QStringLiteral("#FFC4B7")));
    default:
        return QBrush(Qt::NoBrush);
    }
}

QPen hourLinePen()
{
    return QPen(QBrush(kHeaderBlue), 1, Qt::DashDotLine, Qt::SquareCap, Qt::BevelJoin);
}

int jaggedStep()
{
    return 5 + QRandomGenerator::global()->bounded(12);
}

// Points from x along the edge at y, teeth pointing by depth, until the span is covered.
void addJaggedEdge(QPainterPath& path, double x, double y, int direction, int depth)
{
    int offset = 0;
    bool tooth = false;
    do {
        offset += jaggedStep();
        path.lineTo(x + direction * offset, tooth ? y + depth : y);
        tooth = !tooth;
    } while (offset < kJaggedSpan);
}

} // namespace

ATimeTableWidget::ATimeTableWidget(QWidget* parent)
    : QGraphicsView(parent)
    , m_scene(new QGraphicsScene(this))
{
    // a few hundred items replaced on every refresh: the BSP index costs more than it finds
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(m_scene);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ATimeTableWidget::moveHeader);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ATimeTableWidget::moveVerticalHeader);
    connect(this, &QWidget::customContextMenuRequested, this, &ATimeTableWidget::setPointer);
    setHourRange(0, 23);
}

ATimeTableWidget::~ATimeTableWidget()
{
    forgetItems();
    m_scene->clear();
}

void ATimeTableWidget::setHeaders(const QList<ATimeTableHeader>& headers)
{
    m_headers = headers;
}

void ATimeTableWidget::setSessions(const QList<ATimeTableSession>& sessions)
{
    m_sessions = sessions;
}

void ATimeTableWidget::setCornerText(const QString& text)
{
    m_cornerText = text;
}

void ATimeTableWidget::setInfoText(const QString& text)
{
    m_infoText = text;
}

void ATimeTableWidget::setHourRange(int from, int to)
{
    m_firstHour = from;
    m_endHour = to <= 23 ? to + 1 : to;
    refresh();
}

void ATimeTableWidget::forgetItems()
{
    m_gridBuilt = false;
    m_cornerGroup = nullptr;
    m_headerGroup = nullptr;
    m_hourGroup = nullptr;
    m_infoItem = nullptr;
    m_headerCells.clear();
    m_columnBodies.clear();
    m_sessionBoxes.clear();
    m_sessionLabels.clear();
    m_spareLabels.clear();
}

namespace {
bool sameHeaders(const QList<ATimeTableHeader>& a, const QList<ATimeTableHeader>& b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
                      [](const ATimeTableHeader& x, const ATimeTableHeader& y) {
                          return x.id == y.id && x.text == y.text && x.toolTip == y.toolTip;
                      });
}
} // namespace

bool ATimeTableWidget::gridChanged() const
{
    return !m_gridBuilt || m_gridFirstHour != m_firstHour || m_gridEndHour != m_endHour
        || m_gridCornerText != m_cornerText || m_gridInfoText != m_infoText
        || !sameHeaders(m_gridHeaders, m_headers);
}

void ATimeTableWidget::refresh()
{
    if (gridChanged())
        rebuildGrid();
    else
        removeSessions();
    addSessions();
    qDeleteAll(m_spareLabels);
    m_spareLabels.clear();
    const QRectF grid(0, m_firstHour * HourHeight, ColumnWidth * m_headers.size() + HourColumnWidth + 1,
                      (m_endHour - m_firstHour) * HourHeight + HeaderHeight + 1);
    m_scene->setSceneRect(m_pageSize.isEmpty() ? grid : QRectF(grid.topLeft(), m_pageSize));
    moveHeader();
    moveVerticalHeader();
}

void ATimeTableWidget::removeSessions()
{
    qDeleteAll(m_sessionBoxes);
    m_sessionBoxes.clear();
    for (QGraphicsTextItem* label : std::as_const(m_sessionLabels))
        m_scene->removeItem(label);
    m_spareLabels = m_sessionLabels;
    m_sessionLabels.clear();
}

void ATimeTableWidget::rebuildGrid()
{
    forgetItems();
    m_scene->clear();
    m_cornerGroup = new QGraphicsItemGroup;
    m_headerGroup = new QGraphicsItemGroup;
    m_hourGroup = new QGraphicsItemGroup;
    m_scene->addItem(m_cornerGroup);
    m_scene->addItem(m_headerGroup);
    m_scene->addItem(m_hourGroup);

    m_infoItem = m_scene->addSimpleText(m_infoText);
    if (!m_headers.isEmpty()) {
        addCorner();
        addHourColumn();
    }
    addColumns();

    m_cornerGroup->setZValue(101);
    m_headerGroup->setZValue(100);
    m_hourGroup->setZValue(100);
    m_gridBuilt = true;
    m_gridHeaders = m_headers;
    m_gridCornerText = m_cornerText;
    m_gridInfoText = m_infoText;
    m_gridFirstHour = m_firstHour;
    m_gridEndHour = m_endHour;
}

void ATimeTableWidget::addCorner()
{
    addCell(QRectF(0, 0, HourColumnWidth, HeaderHeight), m_cornerGroup);
    QGraphicsTextItem* label = addLabel(m_cornerText, QPointF(0, 0), true);
    // Laid out as wide as the hour column, a text it cannot break ("Classroom/hour")
    // still runs over its edge: the font shrinks until it fits.
    label->setTextWidth(HourColumnWidth);
    while (label->document()->idealWidth() > HourColumnWidth
           && label->font().pointSizeF() >= std::max(2.0, m_minPointSize + 0.5)) {
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
    fitLabel(label, HeaderHeight, false);
    m_cornerGroup->addToGroup(label);
}

void ATimeTableWidget::addHourColumn()
{
    const QPen linePen = hourLinePen();
    const int right = xOfColumn(m_headers.size());
    // rows above the first hour would lie outside the scene, yet a print would carry their text
    for (int hour = m_firstHour; hour < m_endHour; ++hour) {
        const int top = yOfMinute(hour * HourHeight);
        addCell(QRectF(0, top, HourColumnWidth, HourHeight), m_hourGroup);
        m_hourGroup->addToGroup(addLabel(QStringLiteral("%1:00 h.").arg(hour), QPointF(0, top), true));
        if (hour >= 1) {
            QGraphicsLineItem* line = m_scene->addLine(HourColumnWidth, top, right, top, linePen);
            line->setZValue(200);
            line->setOpacity(0.5);
        }
    }
}

void ATimeTableWidget::addColumns()
{
    for (int k = 0; k < m_headers.size(); ++k) {
        const ATimeTableHeader& header = m_headers.at(k);
        QGraphicsRectItem* cell = addCell(QRectF(xOfColumn(k), 0, ColumnWidth, HeaderHeight), m_headerGroup);
        cell->setData(0, header.id);
        cell->setToolTip(header.toolTip);
        m_headerCells.append(cell);

        QGraphicsTextItem* label = addLabel(header.text, QPointF(xOfColumn(k), 0), true);
        fitLabel(label, HeaderHeight, false);
        m_headerGroup->addToGroup(label);

        QGraphicsRectItem* body = m_scene->addRect(QRectF(xOfColumn(k), HeaderHeight, ColumnWidth,
                                                          m_endHour * HourHeight),
                                                   QPen(Qt::black), QBrush(Qt::white));
        body->setData(0, header.id);
        m_columnBodies.append(body);
    }
}

void ATimeTableWidget::addSessions()
{
    for (const ATimeTableSession& session : std::as_const(m_sessions))
        addSession(session);
}

void ATimeTableWidget::addSession(const ATimeTableSession& session)
{
    const int column = columnIndex(session.columnId);
    if (column < 0) {
        qWarning() << "Session id with non existent header: " << session.id << session.columnId << session.text;
        return;
    }
    const int first = m_firstHour * HourHeight;
    const int end = m_endHour * HourHeight;
    int top = session.startMinute;
    const bool clippedTop = session.startMinute < first && session.endMinute > first;
    if (clippedTop)
        top = first;
    int bottom = session.endMinute;
    const bool clippedBottom = session.endMinute > end && top < end;
    if (clippedBottom)
        bottom = end;

    QGraphicsPathItem* box = m_scene->addPath(sessionOutline(column, top, bottom, clippedTop, clippedBottom),
                                              QPen(Qt::black), sessionBrush(session.status));
    box->setData(0, session.id);
    box->setToolTip(session.toolTip);
    m_sessionBoxes.append(box);

    const QPointF labelPos(xOfColumn(column), yOfMinute(top) + (clippedTop ? kClippedLabelOffset : 0));
    const double allowed = box->boundingRect().height() - (clippedTop ? kClippedLabelOffset : 0)
        - (clippedBottom ? kClippedLabelOffset : 0);
    addSessionLabel(session.text, labelPos, allowed);
}

QGraphicsTextItem* ATimeTableWidget::addSessionLabel(const QString& text, const QPointF& pos, double allowedHeight)
{
    const QString key = QString::number(allowedHeight) + QLatin1Char('|') + text;
    QGraphicsTextItem* label = m_spareLabels.take(key);
    if (label) {
        m_scene->addItem(label);
        label->setPos(pos);
    } else {
        label = addLabel(text, pos, false);
        if (!fitLabel(label, allowedHeight, true))
            return nullptr;
    }
    m_sessionLabels.insert(key, label);
    return label;
}

QPainterPath ATimeTableWidget::sessionOutline(int column, int top, int bottom, bool clippedTop,
                                              bool clippedBottom) const
{
    const double left = xOfColumn(column);
    const double right = left + ColumnWidth;
    const double y0 = yOfMinute(top);
    const double y1 = yOfMinute(bottom);
    QPainterPath path;
    if (clippedTop) {
        path.moveTo(left, y0 + kClippedInset);
        addJaggedEdge(path, left, y0, 1, kJaggedDepth);
        path.lineTo(right, y0 + kClippedInset);
    } else {
        path.moveTo(left, y0);
        path.lineTo(right, y0);
    }
    if (clippedBottom) {
        path.lineTo(right, y1 - kClippedInset);
        addJaggedEdge(path, right, y1, -1, -kJaggedDepth);
        path.lineTo(left, y1 - kClippedInset);
    } else {
        path.lineTo(right, y1);
        path.lineTo(left, y1);
    }
    path.lineTo(left, y0);
    return path;
}

QGraphicsRectItem* ATimeTableWidget::addCell(const QRectF& rect, QGraphicsItemGroup* group)
{
    // Placed by its rectangle, not by setPos: the gradient is in item coordinates.
    QGraphicsRectItem* cell = m_scene->addRect(rect, QPen(Qt::black), cellBrush());
    group->addToGroup(cell);
    return cell;
}

QGraphicsTextItem* ATimeTableWidget::addLabel(const QString& text, const QPointF& pos, bool bold)
{
    QFont font;
    font.setBold(bold);
    QGraphicsTextItem* label = m_scene->addText(text, font);
    label->setTextWidth(ColumnWidth);
    label->setPos(pos);
    return label;
}

namespace {
// What one line holds of the label's text.
bool elideToOneLine(QGraphicsTextItem* label, double allowedHeight)
{
    // the box's outline is margin enough
    label->document()->setDocumentMargin(0);
    const double width = label->textWidth();
    label->setPlainText(
        QFontMetricsF(label->font()).elidedText(label->toPlainText().simplified(), Qt::ElideRight, width));
    return label->boundingRect().height() <= allowedHeight;
}
} // namespace

bool ATimeTableWidget::fitLabel(QGraphicsTextItem* label, double allowedHeight, bool dropWhenTooSmall) const
{
    while (label->boundingRect().height() > allowedHeight) {
        QFont font = label->font();
        if (font.pointSizeF() - 1 < m_minPointSize) {
            if (!dropWhenTooSmall)
                return true;
            // a printed box keeps a line it can be told by
            if (!m_pageSize.isEmpty() && elideToOneLine(label, allowedHeight))
                return true;
            delete label;
            return false;
        }
        font.setPointSizeF(font.pointSizeF() - 1);
        label->setFont(font);
    }
    return true;
}

int ATimeTableWidget::columnIndex(int columnId) const
{
    for (int k = 0; k < m_headers.size(); ++k) {
        if (m_headers.at(k).id == columnId)
            return k;
    }
    return -1;
}

QPointF ATimeTableWidget::pointerInScene() const
{
    return mapToScene(m_pointer);
}

QPointF ATimeTableWidget::viewportOriginInScene() const
{
    return mapToScene(QPoint(0, 0));
}

int ATimeTableWidget::getMinutoPointer() const
{
    const QPointF point = pointerInScene();
    if (point == QPointF(0, 0))
        return 0;
    return static_cast<int>(point.y() - HeaderHeight);
}

int ATimeTableWidget::getSessionIdAtPointer() const
{
    const QPointF point = pointerInScene();
    for (auto it = m_sessionBoxes.crbegin(); it != m_sessionBoxes.crend(); ++it) {
        if ((*it)->contains((*it)->mapFromScene(point)))
            return (*it)->data(0).toInt();
    }
    return -1;
}

int ATimeTableWidget::getColumnIdAtPointer() const
{
    const QPointF point = pointerInScene();
    for (const QList<QGraphicsRectItem*>* items : {&m_headerCells, &m_columnBodies}) {
        for (QGraphicsRectItem* item : *items) {
            if (item->contains(item->mapFromScene(point)))
                return item->data(0).toInt();
        }
    }
    return -1;
}

QPoint ATimeTableWidget::getGlobalPointer() const
{
    return viewport()->mapToGlobal(m_pointer);
}

void ATimeTableWidget::moveHeader()
{
    if (!m_headerGroup)
        return;
    const QPointF origin = viewportOriginInScene();
    const double top = qMax(0.0, origin.y());
    m_headerGroup->setPos(m_headerGroup->x(), top);
    m_cornerGroup->setPos(origin);
    const int halfWidth = width() / 2;
    const int halfHeight = height() / 2;
    m_infoItem->setPos(halfWidth - m_infoItem->boundingRect().width() / 2, top + halfHeight);
}

void ATimeTableWidget::moveVerticalHeader()
{
    if (!m_hourGroup)
        return;
    const QPointF origin = viewportOriginInScene();
    m_hourGroup->setPos(qMax(0.0, origin.x()), m_hourGroup->y());
    m_cornerGroup->setPos(origin);
}

std::vector<std::unique_ptr<ATimeTableWidget>> ATimeTableWidget::printPages(const QSizeF& pageSize,
                                                                            double minPointSize) const
{
    // as many pages as needed, shared out evenly
    const auto evenShare = [](int items, int perPage) {
        const int pages = (items + perPage - 1) / perPage;
        return (items + pages - 1) / pages;
    };
    const int columns = evenShare(std::max<int>(1, m_headers.size()),
                                  std::max(1, int((pageSize.width() - HourColumnWidth - 1) / ColumnWidth)));
    const int hours = evenShare(std::max(1, m_endHour - m_firstHour),
                                std::max(1, int((pageSize.height() - HeaderHeight - 1) / HourHeight)));
    std::vector<std::unique_ptr<ATimeTableWidget>> pages;
    for (int first = m_firstHour; first < m_endHour; first += hours) {
        const int end = std::min(m_endHour, first + hours);
        int column = 0;
        do {
            auto page = std::make_unique<ATimeTableWidget>();
            page->m_minPointSize = minPointSize;
            page->m_pageSize = pageSize;
            page->m_headers = m_headers.mid(column, columns);
            page->m_cornerText = m_cornerText;
            page->m_infoText = m_infoText;
            page->m_firstHour = first;
            page->m_endHour = end;
            // boxes out of the page's hours would print as text nobody sees
            for (const ATimeTableSession& session : m_sessions) {
                if (page->columnIndex(session.columnId) >= 0 && session.startMinute < end * HourHeight
                    && session.endMinute > first * HourHeight)
                    page->m_sessions.append(session);
            }
            page->refresh();
            page->pinToEdges();
            pages.push_back(std::move(page));
            column += columns;
        } while (column < m_headers.size());
    }
    return pages;
}

void ATimeTableWidget::pinToEdges()
{
    if (!m_headerGroup)
        return;
    const QRectF rect = m_scene->sceneRect();
    m_headerGroup->setPos(m_headerGroup->x(), rect.top());
    m_hourGroup->setPos(rect.left(), m_hourGroup->y());
    m_cornerGroup->setPos(rect.topLeft());
    m_infoItem->setPos(rect.center() - m_infoItem->boundingRect().center());
}

void ATimeTableWidget::setPointer(const QPoint& pos)
{
    m_pointer = pos;
}

void ATimeTableWidget::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    moveHeader();
    moveVerticalHeader();
}
