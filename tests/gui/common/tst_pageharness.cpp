#include "pageharness.h"
#include "proxyhelpers.h"
#include "testmain.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A page with a view over rows whose ids are not their row numbers, a sort
// proxy in between, two fields and an action.
struct Page
{
    QWidget widget;
    QStandardItemModel model;
    QSortFilterProxyModel proxy;
    QTableView* view = new QTableView(&widget);
    QLineEdit* name = new QLineEdit(&widget);
    QSpinBox* age = new QSpinBox(&widget);
    QAction* remove = new QAction(&widget);
    int removed = 0;

    Page()
    {
        auto* layout = new QVBoxLayout(&widget);
        layout->addWidget(view);
        layout->addWidget(name);
        layout->addWidget(age);
        view->setObjectName(QStringLiteral("tbvRows"));
        name->setObjectName(QStringLiteral("leNombre"));
        age->setObjectName(QStringLiteral("sbEdad"));
        remove->setObjectName(QStringLiteral("actionEliminar"));
        widget.addAction(remove);
        QObject::connect(remove, &QAction::triggered, [this] { ++removed; });
        for (int id : {40, 12, 7}) {
            auto* item = new QStandardItem(QString::number(id));
            item->setData(id, ARole::Id);
            model.appendRow(item);
        }
        proxy.setSourceModel(&model);
        proxy.sort(0, Qt::DescendingOrder);
        view->setModel(&proxy);
    }

    QList<int> selectedIds() const
    {
        QList<int> ids;
        for (const QModelIndex& index : view->selectionModel()->selectedRows())
            ids << index.data(ARole::Id).toInt();
        std::sort(ids.begin(), ids.end());
        return ids;
    }
};

} // namespace

class TestPageHarness : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnv::resetCase(); }

    void selectsRowsByIdThroughAProxy()
    {
        Page page;
        PageHarness h(&page.widget);
        QCOMPARE(h.shownIds("tbvRows"), QList<int>({7, 40, 12}));
        QVERIFY(h.selectIds("tbvRows", {12, 40}));
        QCOMPARE(page.selectedIds(), QList<int>({12, 40}));
        QVERIFY(h.ok());
        QVERIFY(!h.selectIds("tbvRows", {99}));
        QVERIFY(h.report().contains(QLatin1String("id 99")));
    }

    void triggersOnlyEnabledActionsThatExist()
    {
        Page page;
        PageHarness h(&page.widget);
        QVERIFY(h.trigger("actionEliminar"));
        QCOMPARE(page.removed, 1);
        page.remove->setEnabled(false);
        QVERIFY(!h.trigger("actionEliminar"));
        QVERIFY(!h.trigger("actionNada"));
        QCOMPARE(page.removed, 1);
        QCOMPARE(h.problems().size(), 2);
    }

    void typesIntoFieldsReplacingTheirText()
    {
        Page page;
        page.widget.show();
        page.name->setText(QStringLiteral("old"));
        PageHarness h(&page.widget);
        QVERIFY(h.type("leNombre", QStringLiteral("Sabela")));
        QCOMPARE(page.name->text(), QStringLiteral("Sabela"));
        // letters beyond ASCII, as the academy's names have them
        QVERIFY(h.type("leNombre", QStringLiteral("Uxía Núñez")));
        QCOMPARE(page.name->text(), QStringLiteral("Uxía Núñez"));
        QVERIFY(h.type("sbEdad", QStringLiteral("42")));
        QCOMPARE(page.age->value(), 42);
        QVERIFY(!h.type("leNada", QStringLiteral("x")));
    }

    void answersQuestionsByTheirText()
    {
        PageHarness h;
        h.answerNext(QStringLiteral("really delete"), QMessageBox::Yes)
            .answerNext(QStringLiteral("What to do?"), QStringLiteral("Force database"));
        QCOMPARE(APrompter::question(QStringLiteral("Pensario"), QStringLiteral("Do you really delete it?"),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
                 QMessageBox::Yes);
        APrompter::Choice choice;
        choice.text = QStringLiteral("The database is locked");
        choice.informativeText = QStringLiteral("What to do?");
        choice.buttons = {QStringLiteral("Change database"), QStringLiteral("Force database")};
        choice.escapeIndex = 0;
        QCOMPARE(APrompter::instance()->choose(choice), 1);
        QVERIFY2(h.ok(), qPrintable(h.report()));
    }

    void anUnexpectedQuestionIsAProblemNotAHang()
    {
        PageHarness h;
        h.answerNext(QStringLiteral("really delete"), QMessageBox::Yes);
        // another question comes first: escape answer, recorded
        QCOMPARE(APrompter::question(QStringLiteral("Pensario"), QStringLiteral("Save the changes?"),
                                     QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes),
                 QMessageBox::Cancel);
        QVERIFY(!h.ok());
        QVERIFY(h.report().contains(QLatin1String("really delete")));
    }

    void waitsForModalWindowsWithATimeout()
    {
        PageHarness h;
        bool seen = false;
        h.whenShown<QDialog>([&seen](QDialog* dialog) {
            seen = true;
            dialog->accept();
        });
        QDialog dialog;
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(seen);
        QVERIFY(h.ok());
        QCOMPARE(h.waitForWindow<QDialog>(50), nullptr);
        QVERIFY(!h.ok());
    }
};

PENSARIO_TEST_MAIN(TestPageHarness)
#include "tst_pageharness.moc"
