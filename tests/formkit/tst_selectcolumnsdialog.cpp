#include "selectcolumnsdialog.h"
#include "testmain.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>

namespace {
void addEntry(QStandardItemModel& model, const QString& key, const QString& text)
{
    model.appendRow({new QStandardItem(key), new QStandardItem(text)});
}

QStringList keys(const QAbstractItemModel& model)
{
    QStringList result;
    for (int r = 0; r < model.rowCount(); ++r)
        result << model.index(r, 0).data().toString();
    return result;
}
} // namespace

class TestSelectColumnsDialog : public QObject
{
    Q_OBJECT
private:
    SelectColumnsDialog* dialog = nullptr;
    QStandardItemModel* available = nullptr;
    QStandardItemModel* selected = nullptr;
    QListView* listTodos = nullptr;
    QListView* listSeleccionados = nullptr;

    // The row of the left list that shows text, or -1.
    int leftRow(const QString& text) const
    {
        QAbstractItemModel* model = listTodos->model();
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->index(r, 1).data().toString() == text)
                return r;
        return -1;
    }
    bool leftShows(const QString& text) const
    {
        const int row = leftRow(text);
        return row >= 0 && !listTodos->isRowHidden(row);
    }
    void selectLeft(const QStringList& texts)
    {
        listTodos->clearSelection();
        for (const QString& text : texts)
            listTodos->selectionModel()->select(listTodos->model()->index(leftRow(text), 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QPushButton* button(const char* name) const { return dialog->findChild<QPushButton*>(QLatin1String(name)); }

private slots:
    void init()
    {
        TestEnv::resetCase();
        dialog = new SelectColumnsDialog(nullptr, Qt::WindowFlags(), QStringLiteral("Hidden"), QString());
        available = new QStandardItemModel(dialog);
        selected = new QStandardItemModel(dialog);
        // keys deliberately out of text order; "1" must not match "10" or "11"
        const QStringList texts{"Name", "Surname", "Phone", "Email", "Town", "Address",
                                "Birth", "Course", "Notes", "Bank", "Discount", "Brothers"};
        for (int c = 0; c < texts.size(); ++c)
            addEntry(*available, QString::number(c), texts.at(c));
        addEntry(*selected, QStringLiteral("1"), QStringLiteral("Surname"));
        addEntry(*selected, QStringLiteral("3"), QStringLiteral("Email"));
        listTodos = dialog->findChild<QListView*>(QStringLiteral("listTodos"));
        listSeleccionados = dialog->findChild<QListView*>(QStringLiteral("listSeleccionados"));
    }
    void cleanup() { delete dialog; }

    void hiddenByExactKeyAddedAndRemoved()
    {
        dialog->setModels(selected, available);
        QVERIFY(!leftShows(QStringLiteral("Surname")));
        QVERIFY(!leftShows(QStringLiteral("Email")));
        QVERIFY(leftShows(QStringLiteral("Discount"))); // key 10
        QVERIFY(leftShows(QStringLiteral("Brothers"))); // key 11
        // the left list is sorted by the shown text
        QCOMPARE(listTodos->model()->index(0, 1).data().toString(), QStringLiteral("Address"));

        selectLeft({QStringLiteral("Address"), QStringLiteral("Bank")});
        QVERIFY(button("btnAdd")->isEnabled());
        button("btnAdd")->click();
        QCOMPARE(keys(*selected), (QStringList{"1", "3", "5", "9"}));
        QCOMPARE(selected->index(2, 1).data().toString(), QStringLiteral("Address"));
        QVERIFY(!leftShows(QStringLiteral("Address")));
        QVERIFY(!button("btnAdd")->isEnabled());

        listSeleccionados->selectAll();
        QVERIFY(button("btnRemove")->isEnabled());
        button("btnRemove")->click();
        QCOMPARE(selected->rowCount(), 0);
        QVERIFY(leftShows(QStringLiteral("Surname")));
        QVERIFY(leftShows(QStringLiteral("Bank")));
    }

    void filtersNarrowCaseInsensitively()
    {
        dialog->setModels(selected, available);
        auto* filter = dialog->findChild<QLineEdit*>(QStringLiteral("edtFilterAvailable"));
        QTest::keyClicks(filter, QStringLiteral("NAME"));
        QCOMPARE(listTodos->model()->rowCount(), 2); // Name, Surname
        QVERIFY(leftShows(QStringLiteral("Name")));
        QVERIFY(!leftShows(QStringLiteral("Surname")));
        filter->clear();
        // rows brought back by the filter that are already selected stay hidden
        QVERIFY(!leftShows(QStringLiteral("Surname")));
        QVERIFY(leftShows(QStringLiteral("Phone")));
    }

    void addWhileFilteredKeepsTheEntry()
    {
        dialog->setModels(selected, available);
        dialog->findChild<QLineEdit*>(QStringLiteral("edtFilterSelected"))->setText(QStringLiteral("zzz"));
        selectLeft({QStringLiteral("Town")});
        button("btnAdd")->click();
        QCOMPARE(keys(*selected), (QStringList{"1", "3", "4"}));
        QCOMPARE(selected->index(2, 1).data().toString(), QStringLiteral("Town"));
    }

};

PENSARIO_TEST_MAIN(TestSelectColumnsDialog)
#include "tst_selectcolumnsdialog.moc"
