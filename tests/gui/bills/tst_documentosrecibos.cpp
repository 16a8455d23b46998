#include "recibofixture.h"

#include "documentosrecibos.h"
#include "outputfiles.h"
#include "printutils.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace ReciboFixture;

class TstDocumentosRecibos : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(abrirBaseNueva()); }

    // A bill deleted between its choice and its print is never left out in
    // silence: the print stops, says why, and leaves the earlier file.
    void billDeletedBeforeItsPrintStopsIt()
    {
        const int ana = alumno(u"Ana"_s, u"Souto"_s);
        QList<int> ids;
        for (int i = 0; i < 45; ++i)
            ids << recibo(ana, primeroDeMes(), 40 + i);
        QVERIFY(!ids.contains(0));
        PrintUtils documento(QString(), DocumentosRecibos::lotesRecibos(ids), QString(), nullptr,
                             DocumentosRecibos::imagenes());
        QVERIFY(Dao::getInstance()->execute(u"DELETE FROM recibo WHERE id = ?"_s, {ids.at(30)}));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"recibos.pdf"_s);
        {
            QFile earlier(pdf);
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier bills") == 13);
        }
        ScriptedPrompter prompter;
        prompter.buttonFor(u"it may have been deleted meanwhile"_s, QMessageBox::Ok);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        documento.print(&printer);
        QVERIFY(documento.failed());
        QVERIFY(prompter.allAnswered());
        QVERIFY(prompter.asked().constFirst().text.startsWith(u"The print could not be completed."_s));
        QFile earlier(pdf);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier bills"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"recibos.pdf"_s});
    }
};

PENSARIO_TEST_MAIN(TstDocumentosRecibos)
#include "tst_documentosrecibos.moc"
