#include "adialog.h"
#include "cccvalidator.h"
#include "messagecapture.h"
#include "testmain.h"

#include <QIntValidator>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QVBoxLayout>

namespace {
// A dialog like the editing ones: a few line edits, one inside a sub-widget.
class FormDialog : public ADialog
{
public:
    explicit FormDialog(const QString& name)
    {
        setObjectName(name);
        auto* layout = new QVBoxLayout(this);
        first = new QLineEdit(this);
        first->setObjectName(QStringLiteral("first"));
        first->setValidator(new QIntValidator(1, 99, first));
        auto* group = new QWidget(this);
        auto* inner = new QVBoxLayout(group);
        nested = new QLineEdit(group);
        nested->setObjectName(QStringLiteral("nested"));
        nested->setValidator(new CCCValidator(false, nested));
        inner->addWidget(nested);
        free = new QLineEdit(this);
        free->setObjectName(QStringLiteral("free"));
        layout->addWidget(first);
        layout->addWidget(group);
        layout->addWidget(free);
    }
    QLineEdit* first;
    QLineEdit* nested;
    QLineEdit* free;
};

QByteArray storedGeometry(const QString& name)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("geometry"));
    return settings.value(name).toByteArray();
}
} // namespace

class TestADialog : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestEnv::resetCase(); }

    void geometryKeptAcrossTwoRuns()
    {
        MessageCapture capture;
        QRect placed;
        {
            FormDialog dialog(QStringLiteral("dlgAlumno"));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY(storedGeometry(QStringLiteral("dlgAlumno")).isEmpty());
            dialog.setGeometry(120, 140, 431, 287);
            placed = dialog.geometry();
            dialog.accept();
        }
        QVERIFY(!capture.contains(QtWarningMsg, QStringLiteral("Couldn't restore")));

        FormDialog again(QStringLiteral("dlgAlumno"));
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.geometry(), placed);

        // another object name keeps its own entry
        FormDialog other(QStringLiteral("dlgProfesor"));
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QVERIFY(other.size() != placed.size());
        other.reject();
        QVERIFY(storedGeometry(QStringLiteral("dlgProfesor")) != storedGeometry(QStringLiteral("dlgAlumno")));
    }

    void validateMarksEveryInvalidAndFocusesTheFirst()
    {
        FormDialog dialog(QStringLiteral("dlgValidate"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        dialog.free->setStyleSheet(QStringLiteral("color: blue;"));
        dialog.free->setFocus();
        dialog.first->setText(QStringLiteral("0"));
        dialog.nested->setText(QStringLiteral("1234"));

        QVERIFY(!dialog.validateLineEdits());
        const QString invalid = QStringLiteral("background:#FD6F73;");
        QCOMPARE(dialog.first->styleSheet(), invalid);
        QCOMPARE(dialog.nested->styleSheet(), invalid);
        QCOMPARE(dialog.free->styleSheet(), QString()); // its own style sheet goes too
        QTRY_COMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.first));

        dialog.first->setText(QStringLiteral("12"));
        dialog.nested->setText(QStringLiteral("1234 5678 06 1234567890"));
        dialog.nested->setEnabled(false); // disabled fields are checked all the same
        QVERIFY(dialog.validateLineEdits());
        QCOMPARE(dialog.first->styleSheet(), QString());
        QCOMPARE(dialog.nested->styleSheet(), QString());
    }

    // A form taller than the screen scrolls; OK and Cancel stay within reach.
    void tallFormScrollsWithinTheScreen()
    {
        FormDialog dialog(QStringLiteral("dlgTall"));
        const QRect area = dialog.screen()->availableGeometry();
        auto* tall = new QWidget;
        tall->setMinimumSize(200, area.height() + 300);
        dialog.layout()->addWidget(tall);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        dialog.layout()->addWidget(buttons);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY2(area.contains(dialog.frameGeometry()), qPrintable(QDebug::toString(dialog.frameGeometry())));

        auto* scroll = dialog.findChild<QScrollArea*>();
        QVERIFY(scroll);
        QVERIFY(scroll->isAncestorOf(dialog.first) && scroll->isAncestorOf(tall));
        QVERIFY(!scroll->isAncestorOf(buttons));
        QVERIFY(buttons->isVisible());
        QVERIFY(dialog.rect().contains(buttons->geometry()));
        // the fields are still the dialog's to validate
        dialog.first->setText(QStringLiteral("0"));
        QVERIFY(!dialog.validateLineEdits());

        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.findChildren<QScrollArea*>().size(), 1);
        QVERIFY(area.contains(dialog.frameGeometry()));
    }

    void savedGeometryLargerThanTheScreenIsBroughtWithin()
    {
        QRect area;
        {
            FormDialog dialog(QStringLiteral("dlgBig"));
            area = dialog.screen()->availableGeometry();
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.setGeometry(area.x() + 300, area.y() + 200, area.width() + 400, area.height() + 400);
            dialog.accept();
        }
        FormDialog again(QStringLiteral("dlgBig"));
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QVERIFY2(area.contains(again.frameGeometry()), qPrintable(QDebug::toString(again.frameGeometry())));
        QVERIFY(!again.findChild<QScrollArea*>()); // its form fits
    }
};

PENSARIO_TEST_MAIN(TestADialog)
#include "tst_adialog.moc"
