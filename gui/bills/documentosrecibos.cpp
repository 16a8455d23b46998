#include "documentosrecibos.h"

#include "academia.h"
#include "dao.h"
#include "daorow.h"
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
// A page or so each; few, since the first batch is laid out before anything
// else shows.
constexpr int kCartasPorLote = 10;

// Debtors are told apart by student id; bills of removed students (id 0)
// by the name copied onto them.
QString claveDeudor(int idAlumno, const QString& nombre, const QString& apellidos)
{
    if (idAlumno > 0)
        return QString::number(idAlumno);
    return QStringLiteral("-") + nombre + QLatin1Char('\n') + apellidos;
}

struct Deudor
{
    int idAlumno = 0;
    QString nombreCopiado;  // the name on the first bill, for a removed student
    QList<DocumentosRecibos::Deuda> deudas;
};

QString nombreDeudor(const Deudor& deudor)
{
    if (deudor.idAlumno > 0) {
        std::unique_ptr<Alumno> alumno(Alumno::getFromDB(deudor.idAlumno));
        if (alumno)
            return alumno->nombre() + QLatin1Char(' ') + alumno->apellidos();
    }
    return deudor.nombreCopiado;
}

// Groups the unpaid bills by debtor as they come, debtors in the order of
// their first bill.
class Deudores
{
public:
    void anadir(int idAlumno, const QString& nombre, const QString& apellidos, QDate fecha, qint64 debeCentimos)
    {
        const QString clave = claveDeudor(idAlumno, nombre, apellidos);
        auto it = m_indice.find(clave);
        if (it == m_indice.end()) {
            it = m_indice.insert(clave, m_deudores.size());
            m_deudores.append({idAlumno, nombre + QLatin1Char(' ') + apellidos, {}});
        }
        m_deudores[*it].deudas.append({fecha.month(), debeCentimos});
    }
    const QList<Deudor>& lista() const { return m_deudores; }

private:
    QList<Deudor> m_deudores;
    QHash<QString, qsizetype> m_indice;
};

QList<Deudor> agruparDeudores(const QList<Recibo*>& recibos)
{
    Deudores deudores;
    for (const Recibo* recibo : recibos) {
        if (recibo->isPagado()) {
            qWarning() << "Trying to generate a impaid document for a paid receipt";
            continue;
        }
        // in cents, so that the total keeps every cent of its rows
        deudores.anadir(recibo->idAlumno(), recibo->nombreAlumno(), recibo->apellidosAlumno(),
                        recibo->fecha(),
                        Moneda::aCentimos(recibo->importe()) - Moneda::aCentimos(recibo->importePagado()));
    }
    return deudores.lista();
}

// Every unpaid bill, read as Recibo::list() reads them and in its order, but
// only what a letter tells of them: tens of thousands of bill objects would
// keep the window from painting before the progress could show.
QList<Deudor> todosLosDeudores()
{
    Deudores deudores;
    Dao::getInstance()->readRows(
        QStringLiteral("SELECT idalumno, nombrealumno, apellidosalumno, fecha, importe, importepagado FROM %1 "
                       "WHERE pagado == 'false'")
            .arg(Recibo::TABLE),
        {}, [&deudores](const DaoRow& fila) {
            const auto centimos = [&fila](int columna) {
                return Moneda::aCentimos(Moneda::deCentimos(fila.value(columna)));
            };
            deudores.anadir(int(fila.integer(0)), fila.text(1), fila.text(2),
                            QDate::fromString(fila.text(3), Qt::ISODate), centimos(4) - centimos(5));
        });
    return deudores.lista();
}

// The letter of the chosen language filled once for a whole print, cut where
// the greeting's name and the table of debts go. Characters of the private
// use area stand for them, as no setting holds them.
const QString kMarcaNombre = QStringLiteral(u"\uE000nombre\uE000");
const QString kMarcaTabla = QStringLiteral(u"\uE000tabla\uE000");

QStringList plantillaCarta(const QLocale& locale)
{
    const QString carta = Academia::escritoImpagos(kMarcaNombre, kMarcaTabla, locale, QString());
    QStringList trozos;
    static const QRegularExpression marca(QRegularExpression::escape(kMarcaNombre) + QLatin1Char('|')
                                          + QRegularExpression::escape(kMarcaTabla));
    qsizetype desde = 0;
    for (auto it = marca.globalMatch(carta); it.hasNext();) {
        const auto m = it.next();
        trozos << carta.mid(desde, m.capturedStart() - desde) << m.captured();
        desde = m.capturedEnd();
    }
    trozos << carta.mid(desde);
    return trozos;
}

// Each batch begins a page of its own. Joined in one document, a letter
// after another began lower, by the margin the page break carried over from
// the last line of the letter before: the batches after the first keep it.
const QString kEspacioTrasSalto = QStringLiteral(
    "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" border=\"0\"><tr><td height=\"12\">"
    "<img src=\"\" width=\"0\" height=\"12\" /></td></tr></table>");

// Uses nothing but what it is given, so that it may run on any thread.
QString carta(const QStringList& plantilla, const QString& nombre, const QString& tabla)
{
    QString texto;
    for (const QString& trozo : plantilla)
        texto += trozo == kMarcaNombre ? nombre.toHtmlEscaped() : trozo == kMarcaTabla ? tabla : trozo;
    return texto;
}
} // namespace

namespace {
PrintUtils::Batches lotesDe(const QList<Deudor>& deudores, const QLocale& locale)
{
    using Deuda = DocumentosRecibos::Deuda;
    PrintUtils::Batches lotes;
    lotes.items = int(deudores.size());
    lotes.perBatch = kCartasPorLote;
    lotes.read = [deudores, locale, plantilla = plantillaCarta(locale)](int primero, int cuantos) {
        QList<QPair<QString, QList<Deuda>>> cartas;
        for (const Deudor& deudor : deudores.mid(primero, cuantos))
            cartas.append({nombreDeudor(deudor), deudor.deudas});
        return std::function<QString()>([cartas, locale, plantilla, primero] {
            QString html = primero > 0 ? kEspacioTrasSalto : QString();
            for (const auto& [nombre, deudas] : cartas)
                html += carta(plantilla, nombre, DocumentosRecibos::tablaDeudas(deudas, locale));
            return DocumentosRecibos::sinUltimoSalto(html);
        });
    };
    lotes.progressText = QCoreApplication::translate("DocumentosRecibos", "Printing letter %1 of %2");
    return lotes;
}
} // namespace

PrintUtils::Batches DocumentosRecibos::lotesCartas(const QList<Recibo*>& recibos, const QLocale& locale)
{
    return lotesDe(agruparDeudores(recibos), locale);
}

PrintUtils::Batches DocumentosRecibos::lotesCartasImpagadas(const QLocale& locale)
{
    return lotesDe(todosLosDeudores(), locale);
}

QString DocumentosRecibos::tablaDeudas(const QList<Deuda>& deudas, const QLocale& locale)
{
    QString tabla = QStringLiteral("<tbody>");
    qint64 totalCentimos = 0;
    for (const Deuda& deuda : deudas) {
        totalCentimos += deuda.centimos;
        tabla += QStringLiteral("<tr><td>") + locale.monthName(deuda.mes, QLocale::LongFormat)
                 + QStringLiteral("</td><td>") + Moneda::formatearListado(Moneda::deCentimos(deuda.centimos))
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
