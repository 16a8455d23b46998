#include "documentosrecibos.h"

#include "academia.h"
#include "alumno.h"
#include "moneda.h"
#include "recibo.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <memory>
#include <stdexcept>

namespace {
// Enough bills to lay out at once for speed, few enough to keep memory low.
constexpr int kRecibosPorLote = 20;
}

PrintUtils::Batches DocumentosRecibos::lotesRecibos(const QList<int>& ids)
{
    PrintUtils::Batches lotes;
    lotes.items = int(ids.size());
    lotes.perBatch = kRecibosPorLote;
    lotes.read = [ids, academia = Recibo::DatosAcademia::leer()](int primero, int cuantos) {
        QList<QList<QPair<QString, QString>>> paginas;
        for (int id : ids.mid(primero, cuantos)) {
            std::unique_ptr<Recibo> recibo(Recibo::getFromDB(id));
            // A bill left out would shift every later one and the page count.
            if (!recibo)
                throw std::runtime_error(QCoreApplication::translate("DocumentosRecibos",
                                                                     "A bill chosen for printing can no longer be "
                                                                     "read; it may have been deleted meanwhile.")
                                             .toStdString());
            paginas << recibo->camposHtml(academia);
        }
        return std::function<QString()>([paginas] {
            QString html;
            for (const auto& campos : paginas)
                html += Recibo::paginaHtml(campos);
            return sinUltimoSalto(Recibo::toHtmlBody(html));
        });
    };
    lotes.pagesPerItem = 1;
    lotes.progressText = QCoreApplication::translate("DocumentosRecibos", "Printing bill %1 of %2");
    return lotes;
}

namespace {
// Debtors are told apart by student id; bills of removed students (id 0)
// by the name copied onto them.
QString claveDeudor(const Recibo* recibo)
{
    if (recibo->idAlumno() > 0)
        return QString::number(recibo->idAlumno());
    return QStringLiteral("-") + recibo->nombreAlumno() + QLatin1Char('\n') + recibo->apellidosAlumno();
}

QString nombreDeudor(const Recibo* recibo)
{
    if (recibo->idAlumno() > 0) {
        std::unique_ptr<Alumno> alumno(Alumno::getFromDB(recibo->idAlumno()));
        if (alumno)
            return alumno->nombre() + QLatin1Char(' ') + alumno->apellidos();
    }
    return recibo->nombreAlumno() + QLatin1Char(' ') + recibo->apellidosAlumno();
}
} // namespace

QString DocumentosRecibos::cartasImpagos(const QList<Recibo*>& recibos, const QLocale& locale)
{
    QStringList orden;
    QHash<QString, QList<Recibo*>> grupos;
    for (Recibo* recibo : recibos) {
        if (recibo->isPagado()) {
            qWarning() << "Trying to generate a impaid document for a paid receipt";
            continue;
        }
        const QString clave = claveDeudor(recibo);
        if (!grupos.contains(clave))
            orden << clave;
        grupos[clave] << recibo;
    }

    QString cartas;
    for (const QString& clave : orden) {
        const QList<Recibo*>& deudas = grupos.value(clave);
        cartas += Academia::escritoImpagos(nombreDeudor(deudas.first()),
                                           tablaDeudas(deudas, locale), locale, QString());
    }
    return sinUltimoSalto(cartas);
}

QString DocumentosRecibos::tablaDeudas(const QList<Recibo*>& deudas, const QLocale& locale)
{
    QString tabla = QStringLiteral("<tbody>");
    qint64 totalCentimos = 0;
    for (const Recibo* recibo : deudas) {
        // in cents, so that the total keeps every cent of its rows
        const qint64 debe = Moneda::aCentimos(recibo->importe()) - Moneda::aCentimos(recibo->importePagado());
        totalCentimos += debe;
        tabla += QStringLiteral("<tr><td>") + locale.monthName(recibo->fecha().month(), QLocale::LongFormat)
                 + QStringLiteral("</td><td>") + Moneda::formatearListado(Moneda::deCentimos(debe))
                 + QStringLiteral("</td></tr>");
    }
    tabla += QStringLiteral("</tbody><tfoot style=\"font-weight:bold;\"><tr><td>TOTAL:</td><td>%1</td></tr></tfoot>")
                 .arg(Moneda::formatearListado(Moneda::deCentimos(totalCentimos)));
    return tabla;
}

QString DocumentosRecibos::sinUltimoSalto(QString documento)
{
    // Not shared: the bills' batches are composed on several threads at once.
    const QRegularExpression salto(QStringLiteral("page-break-after:\\s*always;"));
    qsizetype ultimo = -1;
    qsizetype largo = 0;
    for (auto it = salto.globalMatch(documento); it.hasNext();) {
        const auto m = it.next();
        ultimo = m.capturedStart();
        largo = m.capturedLength();
    }
    if (ultimo >= 0)
        documento.remove(ultimo, largo);
    return documento;
}

QList<QPair<QString, QPixmap>> DocumentosRecibos::imagenes()
{
    return {qMakePair(QStringLiteral("resources://logo"), Academia::logo())};
}
