#include "acheckboxdelegate.h"
#include "adatehelper.h"
#include "arounder.h"
#include "atextviewerbox.h"
#include "messagecapture.h"
#include "proxyhelpers.h"
#include "testmain.h"

#include <QDialogButtonBox>
#include <QIdentityProxyModel>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTemporaryDir>

namespace {
// Answers its cells but refuses every write.
class ReadOnlyModel : public QStandardItemModel
{
public:
    using QStandardItemModel::QStandardItemModel;
    bool setData(const QModelIndex&, const QVariant&, int) override { return false; }
};
} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT
private:
    QImage paintCell(const QVariant& value)
    {
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), value);
        ACheckBoxDelegate delegate;
        QImage image(60, 30, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 60, 30);
        delegate.paint(&painter, option, model.index(0, 0));
        painter.end();
        return image;
    }

    static bool press(ACheckBoxDelegate& delegate, QAbstractItemModel& model, const QModelIndex& index,
                      QEvent::Type type = QEvent::MouseButtonPress, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent event(type, QPointF(5, 5), QPointF(5, 5), button, button, Qt::NoModifier);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 60, 30);
        return delegate.editorEvent(&event, &model, option, index);
    }

private slots:
    void init() { TestEnv::resetCase(); }

    void roundHalfUp_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("2.5") << 2.5 << 0 << 3.0;
        QTest::newRow("-2.5 goes up") << -2.5 << 0 << -2.0;
        QTest::newRow("-2.4") << -2.4 << 0 << -2.0;
        QTest::newRow("-2.6") << -2.6 << 0 << -3.0;
        QTest::newRow("-0.5") << -0.5 << 0 << 0.0;
        QTest::newRow("1.23456 to 3") << 1.23456 << 3 << 1.235;
        QTest::newRow("7.7 to 0") << 7.7 << 0 << 8.0;
        QTest::newRow("negative decimals as 0") << 2.5 << -1 << 3.0;
        QTest::newRow("0.125 to 2") << 0.125 << 2 << 0.13;
        QTest::newRow("-0.125 to 2") << -0.125 << 2 << -0.12;
        QTest::newRow("-1.2345678 to 4") << -1.2345678 << 4 << -1.2346;
        QTest::newRow("price after discount") << 45.0 * 0.85 << 2 << 38.25;
        QTest::newRow("millions at 3") << 3000000.0625 << 3 << 3000000.063;
        QTest::newRow("negative millions at 3") << -3000000.0625 << 3 << -3000000.062;
        QTest::newRow("25 millions at 2") << 25000000.125 << 2 << 25000000.13;
        QTest::newRow("beyond 32 bits at 0") << 4294967296.5 << 0 << 4294967297.0;
        QTest::newRow("negative beyond 32 bits") << -4294967296.5 << 0 << -4294967296.0;
    }

    void roundHalfUp()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(ARounder::round(value, decimals), expected);
    }

    void monthBounds()
    {
        QCOMPARE(ADateHelper::firstDayOfNextMonth(QDate(2026, 12, 31)), QDate(2027, 1, 1));
        QCOMPARE(ADateHelper::firstDayOfNextMonth(QDate(2025, 1, 31)), QDate(2025, 2, 1));
        QCOMPARE(ADateHelper::lastDayOfPreviousMonth(QDate(2024, 3, 15)), QDate(2024, 2, 29));
        QCOMPARE(ADateHelper::lastDayOfPreviousMonth(QDate(2023, 3, 1)), QDate(2023, 2, 28));
        QCOMPARE(ADateHelper::lastDayOfPreviousMonth(QDate(2026, 1, 10)), QDate(2025, 12, 31));
        QCOMPARE(ADateHelper::firstDayOfMonth(QDate(2026, 7, 31)), QDate(2026, 7, 1));

        const QDate today = QDate::currentDate();
        const QDate first = ADateHelper::firstDayOfMonth();
        const QDate next = ADateHelper::firstDayOfNextMonth();
        QCOMPARE(first.day(), 1);
        QVERIFY(first <= today && today < next);
        QCOMPARE(next.day(), 1);
        QCOMPARE(first.daysTo(next), qint64(today.daysInMonth()));
        QCOMPARE(ADateHelper::lastDayOfPreviousMonth().addDays(1), first);
    }

    void mapThroughProxyChain()
    {
        QStandardItemModel source(4, 1);
        const QStringList names{"delta", "alpha", "charlie", "bravo"};
        for (int r = 0; r < names.size(); ++r)
            source.setData(source.index(r, 0), names.at(r));
        QModelIndex plain = source.index(2, 0);
        QCOMPARE(mapToSourceModel(plain), plain);
        QVERIFY(!mapToSourceModel(QModelIndex()).isValid());

        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&source);
        sorted.sort(0, Qt::DescendingOrder);
        QIdentityProxyModel identity;
        identity.setSourceModel(&sorted);
        // row 0 of the view is "delta", source row 0; row 1 is "charlie", source row 2
        const QModelIndex mapped = mapToSourceModel(identity.index(1, 0));
        QCOMPARE(mapped.model(), &source);
        QCOMPARE(mapped.row(), 2);
        QCOMPARE(mapped.data().toString(), QStringLiteral("charlie"));
    }

    void filterProxyMatchesAnyColumnWhateverTheCase()
    {
        QStandardItemModel model(3, 2);
        const QStringList first{"Ana", "Bruno", "Carla"};
        const QStringList second{"Lugo", "ourense", "VIGO"};
        for (int r = 0; r < 3; ++r) {
            model.setData(model.index(r, 0), first.at(r));
            model.setData(model.index(r, 1), second.at(r));
        }
        QObject owner;
        QSortFilterProxyModel* proxy = createFilterProxy(&model, &owner);
        QCOMPARE(proxy->parent(), &owner);
        QCOMPARE(proxy->sourceModel(), &model);
        QVERIFY(proxy->dynamicSortFilter());
        QVERIFY(proxy->isSortLocaleAware());

        proxy->setFilterWildcard(QStringLiteral("vig*"));
        QCOMPARE(proxy->rowCount(), 1);
        QCOMPARE(proxy->index(0, 0).data().toString(), QStringLiteral("Carla"));
        proxy->setFilterWildcard(QStringLiteral("OUR"));
        QCOMPARE(proxy->rowCount(), 1);
        QCOMPARE(mapToSourceModel(proxy->index(0, 0)).row(), 1);
        proxy->setFilterWildcard(QStringLiteral("a"));
        QCOMPARE(proxy->rowCount(), 2); // Ana, Carla
        proxy->setFilterWildcard(QString());
        proxy->sort(0, Qt::DescendingOrder);
        // dynamic sorting follows a change in the data
        model.setData(model.index(0, 0), QStringLiteral("Zoe"));
        QCOMPARE(proxy->index(0, 0).data().toString(), QStringLiteral("Zoe"));
    }

    void checkBoxPainting()
    {
        const QImage unchecked = paintCell(false);
        const QImage checked = paintCell(true);
        QVERIFY(checked != unchecked);
        QCOMPARE(paintCell(QVariant()), unchecked);
        QCOMPARE(paintCell(7), checked);
        QCOMPARE(paintCell(0), unchecked);
        // no text is drawn: the value "true" paints the same as any true value
        QCOMPARE(paintCell(QStringLiteral("true")), checked);
    }

    void checkBoxPressToggles()
    {
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), false);
        ACheckBoxDelegate delegate;
        press(delegate, model, model.index(0, 0));
        QCOMPARE(model.data(model.index(0, 0), Qt::EditRole), QVariant(true));
        press(delegate, model, model.index(0, 0), QEvent::MouseButtonPress, Qt::RightButton);
        QCOMPARE(model.data(model.index(0, 0), Qt::EditRole), QVariant(false));
        press(delegate, model, model.index(0, 0), QEvent::MouseButtonDblClick);
        press(delegate, model, model.index(0, 0), QEvent::MouseButtonRelease);
        QCOMPARE(model.data(model.index(0, 0), Qt::EditRole), QVariant(false));

        ReadOnlyModel readOnly(1, 1);
        readOnly.QStandardItemModel::setData(readOnly.index(0, 0), true);
        press(delegate, readOnly, readOnly.index(0, 0));
        QCOMPARE(readOnly.data(readOnly.index(0, 0)), QVariant(true));
    }

    void textViewerShowsFileUpToZeroByte()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("notice.txt"));
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Caf\xe9 licence\nsecond line\0hidden tail", 35);
        file.close();
        MessageCapture capture;
        ATextViewerBox box(name);
        QCOMPARE(box.objectName(), QStringLiteral("ATextViewerBox"));
        QCOMPARE(box.text(), QStringLiteral("Caf\u00e9 licence\nsecond line"));
        QCOMPARE(capture.count(QtWarningMsg), 0);
    }

    void textViewerMissingFile()
    {
        MessageCapture capture;
        ATextViewerBox box(QStringLiteral("/nonexistent/licence.txt"));
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("File is not accesible \"/nonexistent/licence.txt\"")));
        QVERIFY(box.text().isEmpty());
        QCOMPARE(box.windowTitle(), QStringLiteral("Text viewer"));
        box.show();
        auto* buttons = box.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QVERIFY(buttons);
        QCOMPARE(buttons->buttons().size(), 1);
        buttons->button(QDialogButtonBox::Close)->click();
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Rejected));
    }

    void textViewerUnreadableFile()
    {
        QTemporaryDir dir;
        // A folder exists but cannot be read as a file.
        MessageCapture capture;
        ATextViewerBox box(dir.path());
        QVERIFY(box.text().isEmpty());
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("\"%1\"").arg(dir.path())));
    }

    void textViewerLogo()
    {
        ATextViewerBox box(QStringLiteral(":/nothing"));
        auto* label = box.findChild<QLabel*>(QStringLiteral("label"));
        QVERIFY(label);
        QVERIFY(label->isHidden());
        QPixmap logo(16, 16);
        logo.fill(Qt::red);
        box.setPixmap(logo);
        QVERIFY(!label->isHidden());
        QCOMPARE(label->pixmap().size(), QSize(16, 16));
        box.setPixmap(QPixmap());
        QVERIFY(label->isHidden());
    }
};

PENSARIO_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
