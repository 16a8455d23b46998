#include "acalendarsetup.h"
#include "acheckboxdelegate.h"
#include "adatehelper.h"
#include "arounder.h"
#include "atextviewerbox.h"
#include "messagecapture.h"
#include "proxyhelpers.h"
#include "testmain.h"

#include <QDateEdit>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QImage>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>

class TestHelpers : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnv::resetCase(); }

    void roundHalfUp_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("2.5") << 2.5 << 0 << 3.0;
        QTest::newRow("-2.5 goes up") << -2.5 << 0 << -2.0;
        QTest::newRow("-2.6") << -2.6 << 0 << -3.0;
        QTest::newRow("0.125 to 2") << 0.125 << 2 << 0.13;
        QTest::newRow("-0.125 to 2") << -0.125 << 2 << -0.12;
        QTest::newRow("negative decimals as 0") << 2.5 << -1 << 3.0;
        QTest::newRow("price after discount") << 45.0 * 0.85 << 2 << 38.25;
        QTest::newRow("millions at 3") << 3000000.0625 << 3 << 3000000.063;
        QTest::newRow("negative millions at 3") << -3000000.0625 << 3 << -3000000.062;
        QTest::newRow("beyond 32 bits at 0") << 4294967296.5 << 0 << 4294967297.0;
    }

    void roundHalfUp()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(ARounder::round(value, decimals), expected);
    }

    // Building the static-only rounder is warned about; the program goes on.
    void instantiatingTheRounderWarnsOnly()
    {
        MessageCapture capture;
        {
            ARounder rounder;
        }
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("ARounder is a static class")));
        QCOMPARE(ARounder::round(7.7, 0), 8.0);
    }

    void monthBounds()
    {
        QCOMPARE(ADateHelper::firstDayOfNextMonth(QDate(2026, 12, 31)), QDate(2027, 1, 1));
        QCOMPARE(ADateHelper::lastDayOfPreviousMonth(QDate(2024, 3, 15)), QDate(2024, 2, 29));
        QCOMPARE(ADateHelper::lastDayOfPreviousMonth(QDate(2026, 1, 10)), QDate(2025, 12, 31));
        QCOMPARE(ADateHelper::firstDayOfMonth(QDate(2026, 7, 31)), QDate(2026, 7, 1));
        const QDate today = QDate::currentDate();
        const QDate first = ADateHelper::firstDayOfMonth();
        QCOMPARE(first, QDate(today.year(), today.month(), 1));
        QCOMPARE(ADateHelper::firstDayOfNextMonth(), first.addMonths(1));
        QCOMPARE(ADateHelper::lastDayOfPreviousMonth().addDays(1), first);
    }

    void proxies()
    {
        QStandardItemModel source(3, 2);
        const QStringList names{"Ana", "Bruno", "Carla"};
        const QStringList towns{"Lugo", "ourense", "VIGO"};
        for (int r = 0; r < 3; ++r) {
            source.setData(source.index(r, 0), names.at(r));
            source.setData(source.index(r, 1), towns.at(r));
        }
        QObject owner;
        QSortFilterProxyModel* filter = createFilterProxy(&source, &owner);
        QCOMPARE(filter->parent(), &owner);
        filter->setFilterWildcard(QStringLiteral("OUR")); // any column, any case
        QCOMPARE(filter->rowCount(), 1);
        QCOMPARE(mapToSourceModel(filter->index(0, 0)).row(), 1);
        filter->setFilterWildcard(QString());
        filter->sort(0, Qt::DescendingOrder); // by the display text when no sort value is given
        QCOMPARE(filter->index(0, 0).data().toString(), QStringLiteral("Carla"));
        QIdentityProxyModel identity;
        identity.setSourceModel(filter);
        const QModelIndex mapped = mapToSourceModel(identity.index(1, 0)); // through two proxies
        QCOMPARE(mapped.model(), &source);
        QCOMPARE(mapped.data().toString(), QStringLiteral("Bruno"));
        // dynamic sorting follows a change in the data
        source.setData(source.index(0, 0), QStringLiteral("Zoe"));
        QCOMPARE(filter->index(0, 0).data().toString(), QStringLiteral("Zoe"));
    }

    void textViewer()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("notice.txt"));
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Caf\xe9 licence\nsecond line\0hidden tail", 35);
        file.close();
        MessageCapture capture;
        ATextViewerBox box(name); // shown up to the zero byte
        QCOMPARE(box.text(), QStringLiteral("Caf\u00e9 licence\nsecond line"));
        QCOMPARE(capture.count(QtWarningMsg), 0);

        ATextViewerBox missing(QStringLiteral("/nonexistent/licence.txt"));
        QVERIFY(capture.contains(QtWarningMsg, QStringLiteral("File is not accesible \"/nonexistent/licence.txt\"")));
        QVERIFY(missing.text().isEmpty());
    }

    // A check box cell paints the same whatever cell was measured before it:
    // column fitting measures other rows, and their text must not show.
    void checkBoxCellPaintsNoText()
    {
        QStandardItemModel model(2, 1);
        model.setData(model.index(0, 0), true);
        model.setData(model.index(1, 0), false);
        QTableView view;
        view.setModel(&model);
        auto paintUnpaid = [&](ACheckBoxDelegate& delegate) {
            QStyleOptionViewItem option;
            option.initFrom(view.viewport());
            option.widget = &view;
            option.rect = QRect(0, 0, 80, 30);
            QImage image(option.rect.size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            delegate.paint(&painter, option, model.index(1, 0));
            return image;
        };
        ACheckBoxDelegate fresh;
        const QImage alone = paintUnpaid(fresh);
        ACheckBoxDelegate measured;
        QStyleOptionViewItem option;
        option.widget = &view;
        QVERIFY(measured.sizeHint(option, model.index(0, 0)).isValid());
        QCOMPARE(paintUnpaid(measured), alone);
        // and nothing but the background: no text of its own either
        QImage blank(alone.size(), QImage::Format_ARGB32);
        blank.fill(Qt::white);
        QCOMPARE(alone, blank);
    }

    // A date field in the language's order shows four-digit years and keeps
    // the year typed, in full or in two digits, whether the field is left or
    // Enter is pressed.
    void dateFieldsTakeFourDigitYears_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QDate>("date");
        const QDate feb1(2026, 2, 1);
        QTest::newRow("spanish") << "es_ES" << "d/M/yyyy" << "1/2/2026" << false << feb1;
        QTest::newRow("spanish, zeros") << "es_ES" << "d/M/yyyy" << "01/02/2026" << true << feb1;
        QTest::newRow("spanish, two digits") << "es_ES" << "d/M/yyyy" << "1/11/26" << false << QDate(2026, 11, 1);
        QTest::newRow("galician") << "gl_ES" << "dd/MM/yyyy" << "1/2/2026" << true << feb1;
        QTest::newRow("galician, two digits") << "gl_ES" << "dd/MM/yyyy" << "01/02/26" << false << feb1;
        QTest::newRow("english") << "en_US" << "M/d/yyyy" << "2/1/26" << true << feb1;
    }
    void dateFieldsTakeFourDigitYears()
    {
        QFETCH(QString, locale);
        QFETCH(QString, format);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QDate, date);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        ACalendarSetup setup;
        qApp->installEventFilter(&setup);
        QWidget window;
        auto* previous = new QLineEdit(&window);
        auto* edit = new QDateEdit(QDate(2025, 6, 30), &window);
        auto* next = new QLineEdit(&window);
        edit->move(0, 40);
        next->move(0, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLocale::setDefault(before);
        QCOMPARE(edit->displayFormat(), format);
        QCOMPARE(edit->text(), QLocale(locale).toString(QDate(2025, 6, 30), format));

        // as a user who tabs into the field and types
        previous->setFocus();
        QTest::keyClick(previous, Qt::Key_Tab);
        QTest::keyClicks(edit, typed);
        if (enter)
            QTest::keyClick(edit, Qt::Key_Return);
        else
            next->setFocus();
        QCOMPARE(edit->date(), date);
        QCOMPARE(edit->text(), QLocale(locale).toString(date, format));
    }
};

PENSARIO_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
