#include "atimetablewidget.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QGraphicsItemGroup>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QScrollBar>
#include <QTextDocument>

namespace {

QList<ATimeTableHeader> weekHeaders()
{
    static const QStringList names = {QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                                      QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                                      QStringLiteral("Friday"), QStringLiteral("Saturday"),
                                      QStringLiteral("Sunday")};
    QList<ATimeTableHeader> headers;
    for (int day = 1; day <= 7; ++day)
        headers.append({names.at(day - 1), QString(), day});
    return headers;
}

ATimeTableSession session(int id, int day, int start, int end, int status = 0,
                          const QString& text = QStringLiteral("Maths - A"))
{
    ATimeTableSession s;
    s.text = text;
    s.toolTip = QStringLiteral("<b>tip</b>");
    s.columnId = day;
    s.status = status;
    s.id = id;
    s.startMinute = start;
    s.endMinute = end;
    return s;
}

QGraphicsPathItem* boxOf(QGraphicsScene* scene, int id)
{
    for (QGraphicsItem* item : scene->items()) {
        auto* box = qgraphicsitem_cast<QGraphicsPathItem*>(item);
        if (box && box->data(0).toInt() == id)
            return box;
    }
    return nullptr;
}

QGraphicsTextItem* labelAt(QGraphicsScene* scene, const QPointF& pos)
{
    for (QGraphicsItem* item : scene->items()) {
        auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (text && !text->group() && text->pos() == pos)
            return text;
    }
    return nullptr;
}

QList<QGraphicsItemGroup*> groups(QGraphicsScene* scene)
{
    QList<QGraphicsItemGroup*> result;
    for (QGraphicsItem* item : scene->items())
        if (auto* group = qgraphicsitem_cast<QGraphicsItemGroup*>(item))
            result.append(group);
    return result;
}

QGraphicsItemGroup* groupWithZ(QGraphicsScene* scene, double z, const QPointF& containing)
{
    for (QGraphicsItemGroup* group : groups(scene)) {
        if (group->zValue() != z)
            continue;
        for (QGraphicsItem* child : group->childItems())
            if (qgraphicsitem_cast<QGraphicsRectItem*>(child)
                && child->mapRectToScene(child->boundingRect()).contains(containing))
                return group;
    }
    return nullptr;
}

} // namespace

class TestATimeTableWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_view = new ATimeTableWidget;
        m_view->resize(700, 400);
        m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
        m_view->setHeaders(weekHeaders());
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
    }
    void cleanup() { delete m_view; }

    void hourRangeSetsTheSceneRectangle()
    {
        m_view->setHourRange(8, 22);
        QCOMPARE(m_view->endHour(), 23);
        QCOMPARE(m_view->scene()->sceneRect(), QRectF(0, 480, 7 * 150 + 101, 926));
        m_view->setHourRange(0, 24);
        QCOMPARE(m_view->endHour(), 24);
        m_view->setHourRange(0, 23);
        QCOMPARE(m_view->scene()->sceneRect(), QRectF(0, 0, 1151, 24 * 60 + 26));
    }

    void sessionBoxLiesOnItsDayAndMinutes()
    {
        m_view->setSessions({session(42, 2, 600, 660)});
        m_view->setHourRange(8, 22);
        QGraphicsPathItem* box = boxOf(m_view->scene(), 42);
        QVERIFY(box);
        QCOMPARE(box->path().boundingRect(), QRectF(250, 625, 150, 60));
        QCOMPARE(box->toolTip(), QStringLiteral("<b>tip</b>"));
        QVERIFY(labelAt(m_view->scene(), QPointF(250, 625)));
        QCOMPARE(box->zValue(), 0.0);
    }

    void clickInAColumnGivesItsMinuteColumnAndSession()
    {
        m_view->setSessions({session(42, 2, 600, 660)});
        m_view->setHourRange(0, 23);
        scrollTo(0, 9 * 60);
        pointAt(QPointF(300, 25 + 615));
        QCOMPARE(m_view->getMinutoPointer(), 615);
        QCOMPARE(m_view->getColumnIdAtPointer(), 2);
        QCOMPARE(m_view->getSessionIdAtPointer(), 42);

        pointAt(QPointF(460, 25 + 615));
        QCOMPARE(m_view->getColumnIdAtPointer(), 3);
        QCOMPARE(m_view->getSessionIdAtPointer(), -1);
        QCOMPARE(m_view->getGlobalPointer(), m_view->viewport()->mapToGlobal(m_view->mapFromScene(460, 640)));
    }

    void overlappingBoxesAnswerTheLaterSession()
    {
        m_view->setSessions({session(1, 4, 600, 720), session(2, 4, 630, 690), session(3, 4, 610, 700)});
        m_view->setHourRange(0, 23);
        scrollTo(0, 9 * 60);
        pointAt(QPointF(600, 25 + 650));
        QCOMPARE(m_view->getSessionIdAtPointer(), 3);
        pointAt(QPointF(600, 25 + 605));
        QCOMPARE(m_view->getSessionIdAtPointer(), 1);
    }

    void hourColumnAndCornerHideColumnsOnlyOnceScrolled()
    {
        m_view->setHourRange(0, 23);
        scrollTo(0, 0);
        pointAt(QPointF(50, 300));
        QCOMPARE(m_view->getColumnIdAtPointer(), -1);
        pointAt(QPointF(50, 10));
        QCOMPARE(m_view->getColumnIdAtPointer(), -1);

        // the sticky hour column now lies over Monday's body
        scrollTo(200, 0);
        const QPointF origin = m_view->mapToScene(0, 0);
        QVERIFY(origin.x() > 100);
        pointAt(QPointF(origin.x() + 50, 300));
        QCOMPARE(m_view->getColumnIdAtPointer(), 1);
    }

    // The corner's text stays inside the corner, whatever its length in the
    // program's languages, and within the header row.
    void cornerTextStaysInTheCorner_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("unbreakable") << QStringLiteral("Classroom/hour");
        QTest::newRow("words") << QStringLiteral("Timetable of the classroom at the back");
    }
    void cornerTextStaysInTheCorner()
    {
        QFETCH(QString, text);
        m_view->setCornerText(text);
        m_view->setHourRange(8, 22);
        QGraphicsTextItem* corner = nullptr;
        for (QGraphicsItem* item : m_view->scene()->items()) {
            auto* label = qgraphicsitem_cast<QGraphicsTextItem*>(item);
            if (label && label->toPlainText() == text)
                corner = label;
        }
        QVERIFY(corner);
        const QRectF shown = corner->mapRectToScene(QRectF(QPointF(0, 0), corner->document()->size()));
        QVERIFY2(shown.left() >= 0 && corner->document()->idealWidth() <= ATimeTableWidget::HourColumnWidth,
                 qPrintable(QString::number(corner->document()->idealWidth())));
        QVERIFY(corner->boundingRect().height() <= ATimeTableWidget::HeaderHeight);
    }

    void headerRowAndHourColumnStickWhileScrolling()
    {
        m_view->setHourRange(0, 23);
        scrollTo(120, 600);
        const QPointF origin = m_view->mapToScene(0, 0);
        QGraphicsItemGroup* header = groupWithZ(m_view->scene(), 100, QPointF(260, origin.y() + 10));
        QVERIFY2(header, "the header row follows the top of the view");
        QCOMPARE(header->pos(), QPointF(0, origin.y()));
        QGraphicsItemGroup* hours = groupWithZ(m_view->scene(), 100, QPointF(origin.x() + 10, 25 + 60 * 12));
        QVERIFY2(hours, "the hour column follows the left of the view");
        QCOMPARE(hours->pos(), QPointF(origin.x(), 0));
        QGraphicsItemGroup* corner = groupWithZ(m_view->scene(), 101, origin + QPointF(5, 5));
        QVERIFY(corner);
        QCOMPARE(corner->pos(), origin);
        // a click on the sticky header over Wednesday still finds Wednesday
        pointAt(QPointF(xCenter(2), origin.y() + 10));
        QCOMPARE(m_view->getColumnIdAtPointer(), 3);
    }

    void headerCellsShowTheGradientsEndColour()
    {
        m_view->setHourRange(0, 23);
        QGraphicsRectItem* cell = nullptr;
        for (QGraphicsItem* item : m_view->scene()->items(QPointF(xCenter(1), 10)))
            if ((cell = qgraphicsitem_cast<QGraphicsRectItem*>(item)))
                break;
        QVERIFY(cell);
        QCOMPARE(cell->rect(), QRectF(250, 0, 150, 25));
        QCOMPARE(cell->pos(), QPointF(0, 0));
        const QImage image = m_view->grab().toImage();
        const QPoint inHeader = m_view->mapFromScene(QPointF(xCenter(1), 3));
        QCOMPARE(image.pixelColor(inHeader), QColor(QStringLiteral("#95c6f7")));
        const QPoint cornerLeft = m_view->mapFromScene(QPointF(3, 3));
        QVERIFY(image.pixelColor(cornerLeft).lightness() > 240);
    }

    void fillFollowsTheStatus()
    {
        m_view->setSessions({session(1, 1, 600, 660, 0), session(2, 2, 600, 660, 1), session(3, 3, 600, 660, 2),
                             session(4, 4, 600, 660, 3)});
        m_view->setHourRange(0, 23);
        QCOMPARE(boxOf(m_view->scene(), 1)->brush(), QBrush(QColor(QStringLiteral("#b7ffb7"))));
        QCOMPARE(boxOf(m_view->scene(), 2)->brush(), QBrush(QColor(QStringLiteral("#FFEAB7")), Qt::DiagCrossPattern));
        QCOMPARE(boxOf(m_view->scene(), 3)->brush(), QBrush(QColor(QStringLiteral("#FFC4B7"))));
        QCOMPARE(boxOf(m_view->scene(), 4)->brush().style(), Qt::NoBrush);
        QCOMPARE(boxOf(m_view->scene(), 1)->pen().color(), QColor(Qt::black));
    }

    void sessionsCutByTheRangeGetJaggedEdges()
    {
        m_view->setSessions({session(1, 1, 450, 540), session(2, 2, 1260, 1410), session(3, 3, 360, 420)});
        m_view->setHourRange(8, 22);
        const QRectF top = boxOf(m_view->scene(), 1)->path().boundingRect();
        QCOMPARE(top.top(), 505.0);
        QCOMPARE(top.bottom(), 565.0);
        QVERIFY(boxOf(m_view->scene(), 1)->path().elementCount() > 8);
        QVERIFY2(labelAt(m_view->scene(), QPointF(100, 510)), "label five pixels below a cut top");

        const QRectF bottom = boxOf(m_view->scene(), 2)->path().boundingRect();
        QCOMPARE(bottom.top(), 1285.0);
        QCOMPARE(bottom.bottom(), 23 * 60 + 25.0);
        QVERIFY(boxOf(m_view->scene(), 2)->path().elementCount() > 8);

        // wholly before the range: kept as it is, outside the scene
        const QRectF before = boxOf(m_view->scene(), 3)->path().boundingRect();
        QCOMPARE(before, QRectF(400, 385, 150, 60));
        QCOMPARE(boxOf(m_view->scene(), 3)->path().elementCount(), 5);
        QVERIFY(!m_view->scene()->sceneRect().intersects(before));
    }

    void labelsShrinkToFitOrGo()
    {
        const QString longText = QStringLiteral("Advanced mathematics for engineering entrance exams - Group B");
        m_view->setSessions({session(1, 1, 600, 615, 0, longText), session(2, 2, 600, 602, 0, longText)});
        m_view->setHourRange(0, 23);
        QGraphicsTextItem* shrunk = labelAt(m_view->scene(), QPointF(100, 625));
        QVERIFY(shrunk);
        QVERIFY(shrunk->boundingRect().height() <= boxOf(m_view->scene(), 1)->boundingRect().height());
        QVERIFY(shrunk->font().pointSizeF() < QFont().pointSizeF());
        QVERIFY2(!labelAt(m_view->scene(), QPointF(250, 625)), "a label that cannot fit is dropped");
        QVERIFY(boxOf(m_view->scene(), 2));
    }

    void sessionOfAnUnknownColumnIsSkipped()
    {
        MessageCapture capture;
        m_view->setSessions({session(9, 12, 600, 660)});
        m_view->setHourRange(0, 23);
        QVERIFY(!boxOf(m_view->scene(), 9));
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("Session id with non existent header: ")));
    }

    void withoutHeadersOnlyTheInfoTextShows()
    {
        m_view->setHeaders({});
        m_view->setInfoText(QStringLiteral("Please, add a classroom"));
        m_view->setSessions({session(1, 1, 600, 660)});
        m_view->setHourRange(0, 23);
        QCOMPARE(m_view->scene()->sceneRect().width(), 101.0);
        int visible = 0;
        QGraphicsSimpleTextItem* info = nullptr;
        for (QGraphicsItem* item : m_view->scene()->items()) {
            if (qgraphicsitem_cast<QGraphicsItemGroup*>(item))
                continue;
            ++visible;
            info = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item);
        }
        QCOMPARE(visible, 1);
        QVERIFY(info);
        QCOMPARE(info->text(), QStringLiteral("Please, add a classroom"));
        QCOMPARE(info->pos().y(), double(m_view->height() / 2));
    }

    void everyRefreshReplacesTheBoxes()
    {
        m_view->setSessions({session(5, 1, 600, 660)});
        m_view->setHourRange(0, 23);
        m_view->setSessions({session(6, 1, 600, 660)});
        m_view->refresh();
        scrollTo(0, 9 * 60);
        pointAt(QPointF(150, 25 + 620));
        QCOMPARE(m_view->getSessionIdAtPointer(), 6);
        QVERIFY(!boxOf(m_view->scene(), 5));
    }

    void labelsFollowTheirBoxesAcrossRefreshes()
    {
        m_view->setSessions({session(1, 1, 600, 660, 0, QStringLiteral("A")), session(2, 2, 600, 660)});
        m_view->setHourRange(0, 23);
        m_view->setSessions({session(1, 3, 600, 660, 0, QStringLiteral("A")),
                             session(3, 1, 600, 660, 0, QStringLiteral("B"))});
        m_view->refresh();
        QCOMPARE(labelAt(m_view->scene(), QPointF(400, 625))->toPlainText(), QStringLiteral("A"));
        QCOMPARE(labelAt(m_view->scene(), QPointF(100, 625))->toPlainText(), QStringLiteral("B"));
        QVERIFY2(!labelAt(m_view->scene(), QPointF(250, 625)), "the label of a gone box goes too");
        int labels = 0;
        for (QGraphicsItem* item : m_view->scene()->items())
            labels += qgraphicsitem_cast<QGraphicsTextItem*>(item) && !item->group();
        QCOMPARE(labels, 2);
        // a box label lies over its own box, not under it
        const QList<QGraphicsItem*> stack = m_view->scene()->items(QPointF(420, 630)); // topmost first
        QVERIFY(stack.indexOf(labelAt(m_view->scene(), QPointF(400, 625))) >= 0);
        QVERIFY(stack.indexOf(labelAt(m_view->scene(), QPointF(400, 625))) < stack.indexOf(boxOf(m_view->scene(), 1)));
    }

    void renamedHeadersAreDrawnAgain()
    {
        m_view->setHourRange(0, 23);
        QList<ATimeTableHeader> headers = weekHeaders();
        headers[1].text = QStringLiteral("Martes");
        m_view->setHeaders(headers);
        m_view->refresh();
        bool found = false;
        for (QGraphicsItem* item : m_view->scene()->items())
            if (auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item))
                found = found || (text->group() && text->toPlainText() == QStringLiteral("Martes"));
        QVERIFY(found);
    }

private:
    static double xCenter(int column) { return ATimeTableWidget::xOfColumn(column) + 75; }

    void scrollTo(int x, int y)
    {
        m_view->horizontalScrollBar()->setValue(x);
        m_view->verticalScrollBar()->setValue(y);
    }

    // Where a context-menu request at that scene point would leave the pointer.
    void pointAt(const QPointF& scenePoint)
    {
        m_view->setPointer(m_view->mapFromScene(scenePoint));
    }

    ATimeTableWidget* m_view = nullptr;
};

PENSARIO_TEST_MAIN(TestATimeTableWidget)
#include "tst_atimetablewidget.moc"
