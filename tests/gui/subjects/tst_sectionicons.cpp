#include "guitest.h"
#include "testmain.h"

#include <QFile>
#include <QIcon>
#include <QImage>

// Every icon the subjects and teachers forms name, embedded and found through
// the "icons:" search path, drawing something.
class TestSectionIcons : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::useIconPaths(); }

    void namedIconsLoad_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"subject_add.svg", "subject_edit.svg", "subject_del.svg", "teacher_add.svg",
                                 "teacher_edit.svg", "teacher_delete.svg", "teacher_listado.svg",
                                 "student_listado.svg", "timetables.svg", "edit-clear.svg", "printer.svg",
                                 "media-floppy.svg", "list-add.svg", "list-remove.svg"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void namedIconsLoad()
    {
        QFETCH(QString, name);
        QVERIFY(QFile::exists(":/icons/" + name));
        const QIcon icon("icons:" + name);
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(32, 32).toImage();
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        QVERIFY2(painted > 100, qPrintable(QString::number(painted)));
    }
};

PENSARIO_TEST_MAIN(TestSectionIcons)
#include "tst_sectionicons.moc"
