#include "atableview.h"
#include "messagecapture.h"
#include "selectcolumnsdialog.h"
#include "testmain.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTimer>

#include <functional>

namespace {
// A model like the list pages' ones.
struct ListModel : QStandardItemModel
{
    ListModel(int rows, int columns) : QStandardItemModel(rows, columns)
    {
        for (int c = 0; c < columns; ++c)
            setHeaderData(c, Qt::Horizontal, QStringLiteral("Col %1").arg(c));
    }
};

QStringList headerTexts(ATableView& view)
{
    QStringList texts;
    for (QAction* action : view.horizontalHeader()->actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

QAction* columnAction(ATableView& view, const QString& text)
{
    for (QAction* action : view.horizontalHeader()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

QList<int> visibleColumns(ATableView& view)
{
    QList<int> visible;
    for (int c = 0; c < view.model()->columnCount(); ++c)
        if (!view.isColumnHidden(c))
            visible << c;
    return visible;
}
} // namespace

class TestATableView : public QObject
{
    Q_OBJECT
private:
    // Runs the column chooser; work gets the open dialog and decides how it ends.
    void runChooser(ATableView& view, const std::function<void(SelectColumnsDialog*)>& work)
    {
        bool seen = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* dialog = view.findChild<SelectColumnsDialog*>();
            if (!dialog || !dialog->isVisible())
                return;
            poll.stop();
            seen = true;
            work(dialog);
        });
        poll.start(10);
        columnAction(view, QStringLiteral("Select columns..."))->trigger();
        QVERIFY(seen);
        QVERIFY(!view.findChild<SelectColumnsDialog*>()); // deleted after use
    }


private slots:
    void init() { TestEnv::resetCase(); }

    void headerMenuEntries()
    {
        ATableView ten;
        ListModel model10(2, 10);
        ten.setModel(&model10);
        QCOMPARE(headerTexts(ten).mid(0, 5), (QStringList{"All", "None", "|", "Col 0", "Col 1"}));
        QCOMPARE(headerTexts(ten).size(), 13);

        ATableView eleven;
        ListModel model11(2, 11);
        eleven.setModel(&model11);
        const QStringList texts = headerTexts(eleven);
        QCOMPARE(texts.size(), 15);
        QCOMPARE(texts.at(3), QStringLiteral("Select columns..."));
        QCOMPARE(texts.at(4), QStringLiteral("Col 0"));
    }

    void lastVisibleColumnStays()
    {
        ATableView view;
        ListModel model(1, 3);
        view.setModel(&model);
        columnAction(view, "Col 1")->setChecked(false);
        columnAction(view, "Col 2")->setChecked(false);
        columnAction(view, "Col 0")->setChecked(false);
        QVERIFY(columnAction(view, "Col 0")->isChecked());
        QCOMPARE(visibleColumns(view), QList<int>{0});
        columnAction(view, "All")->trigger();
        QCOMPARE(visibleColumns(view), (QList<int>{0, 1, 2}));
        columnAction(view, "None")->trigger();
        QCOMPARE(visibleColumns(view), QList<int>{0});
    }

    void headerStateAcrossTwoRuns()
    {
        ListModel model(3, 5);
        int width = 0;
        {
            ATableView view;
            view.setObjectName(QStringLiteral("tbvAlumnos"));
            view.setModel(&model);
            columnAction(view, "Col 2")->setChecked(false);
            view.horizontalHeader()->moveSection(4, 0);
            view.horizontalHeader()->resizeSection(1, 177);
            view.horizontalHeader()->setSortIndicator(3, Qt::DescendingOrder);
            width = view.horizontalHeader()->sectionSize(1);
        }
        MessageCapture capture;
        ATableView view;
        view.setObjectName(QStringLiteral("tbvAlumnos"));
        view.setModel(&model);
        QCOMPARE(capture.count(QtWarningMsg), 0);
        QVERIFY(view.isColumnHidden(2));
        QVERIFY(!columnAction(view, "Col 2")->isChecked());
        QCOMPARE(view.horizontalHeader()->logicalIndex(0), 4);
        QCOMPARE(view.horizontalHeader()->sectionSize(1), width);
        QCOMPARE(view.horizontalHeader()->sortIndicatorSection(), 3);
    }

    // Columns show their longest cell (a DNI, not "300…") within reason, also
    // when the rows come after the page is built; the last one takes the rest
    // of the view's width; columns the user arranged are left as they were.
    void columnsFitTheirContents()
    {
        ListModel model(0, 4);
        ATableView view;
        view.setObjectName(QStringLiteral("tbvProfesores"));
        view.resize(900, 300);
        view.setModel(&model);
        view.fitColumnsToContents();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QString dni = QStringLiteral("30000000W");
        model.appendRow({new QStandardItem(dni), new QStandardItem(QString(200, QLatin1Char('x'))),
                         new QStandardItem(QStringLiteral("a")), new QStandardItem(QStringLiteral("b"))});
        QHeaderView* header = view.horizontalHeader();
        QVERIFY(header->sectionSize(0) >= view.fontMetrics().horizontalAdvance(dni));
        QVERIFY(header->sectionSize(1) < view.width() / 2);
        QVERIFY(header->sectionSize(1) > header->sectionSize(0));
        QCOMPARE(header->length(), view.viewport()->width());

        // rows that come later leave the fitted columns alone
        header->resizeSection(0, 60);
        model.appendRow(new QStandardItem(dni + dni));
        QCOMPARE(header->sectionSize(0), 60);
    }

    void arrangedColumnsAreKept()
    {
        ListModel model(1, 3);
        model.setItem(0, 0, new QStandardItem(QString(30, QLatin1Char('m'))));
        {
            ATableView view;
            view.setObjectName(QStringLiteral("tbvRecibos"));
            view.setModel(&model);
            view.horizontalHeader()->resizeSection(0, 31);
        }
        ATableView view;
        view.setObjectName(QStringLiteral("tbvRecibos"));
        view.setModel(&model);
        view.fitColumnsToContents();
        QCOMPARE(view.horizontalHeader()->sectionSize(0), 31);
        QVERIFY(view.horizontalHeader()->stretchLastSection());
    }

    // A state saved for another column count is discarded, for fewer columns
    // and for more (restored as it is, it would leave the header with
    // sections the model doesn't have).
    void stateOfAnotherColumnCountIsDiscarded_data()
    {
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("now");
        QTest::newRow("fewer saved") << 4 << 6;
        QTest::newRow("more saved") << 6 << 4;
    }
    void stateOfAnotherColumnCountIsDiscarded()
    {
        QFETCH(int, saved);
        QFETCH(int, now);
        {
            ListModel old(1, saved);
            ATableView view;
            view.setObjectName(QStringLiteral("tbvRecibos"));
            view.setModel(&old);
            view.hideColumn(1);
            view.horizontalHeader()->moveSection(saved - 1, 0);
        }
        MessageCapture capture;
        ListModel model(1, now);
        ATableView view;
        view.setObjectName(QStringLiteral("tbvRecibos"));
        view.setModel(&model);
        QVERIFY(capture.contains(QtDebugMsg,
                                 QStringLiteral("Horizontal headers count != saved columns count in table \"tbvRecibos\"")));
        QCOMPARE(view.horizontalHeader()->count(), now);
        QList<int> all;
        for (int c = 0; c < now; ++c)
            all << c;
        QCOMPARE(visibleColumns(view), all);
        QCOMPARE(view.horizontalHeader()->logicalIndex(0), 0);
        QCOMPARE(capture.count(QtWarningMsg), 0);
    }

    void chooserShowsTheChosenColumns()
    {
        ATableView view;
        ListModel model(1, 12);
        view.setModel(&model);
        for (int c = 1; c < 12; ++c)
            view.hideColumn(c);
        view.showColumn(7);
        runChooser(view, [](SelectColumnsDialog* dialog) {
            // showing 0 and 7; add "Col 3" and "Col 10"
            auto* left = dialog->findChild<QListView*>(QStringLiteral("listTodos"));
            QAbstractItemModel* model = left->model();
            for (int r = 0; r < model->rowCount(); ++r) {
                const QString text = model->index(r, 1).data().toString();
                if (text == QLatin1String("Col 3") || text == QLatin1String("Col 10"))
                    left->selectionModel()->select(model->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
            dialog->findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(visibleColumns(view), (QList<int>{0, 3, 7, 10}));
        QVERIFY(columnAction(view, "Col 10")->isChecked());
    }


    // Return opens the current row as a double click does, selecting it first.
    void returnOpensTheCurrentRow()
    {
        ListModel model(3, 2);
        ATableView view;
        view.setModel(&model);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        QSignalSpy opened(&view, &QAbstractItemView::doubleClicked);
        QTest::keyClick(&view, Qt::Key_Return); // no current row
        QCOMPARE(opened.count(), 0);

        view.selectionModel()->setCurrentIndex(model.index(2, 1), QItemSelectionModel::NoUpdate);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toModelIndex(), model.index(2, 1));
        QCOMPARE(view.selectionModel()->selectedRows(), QModelIndexList{model.index(2, 0)});
        QTest::keyClick(&view, Qt::Key_Enter);
        QCOMPARE(opened.count(), 2);
    }
};

PENSARIO_TEST_MAIN(TestATableView)
#include "tst_atableview.moc"
