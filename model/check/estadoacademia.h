#ifndef ESTADOACADEMIA_H
#define ESTADOACADEMIA_H

#include <QString>
#include <QStringList>

// One finding of the academy's consistency check. Findings keep the ids and
// texts they need, never entity objects, so a finding stays readable after the
// data it names has changed or gone.
class EstadoAcademia
{
public:
    enum Tipo { Ok = 0, Aviso = 1, Fallo = 2, Inconsistencia = 3 };

    virtual int tipo() const = 0;
    virtual QString descripcion() const = 0;
    virtual ~EstadoAcademia();
    // A copy of the same kind.
    virtual EstadoAcademia* clonar() const = 0;

    // Tells one finding from another across checks: its kind, the ids it
    // names and its text. Equal identities, the same problem.
    QString identidad() const;

    // "09", "30": hours and minutes as printed in the check's texts.
    static QString dosDigitos(int valor);
    // Long weekday name (1 Monday .. 7 Sunday) of the system locale.
    static QString nombreDia(int diaSemana);
    // Fills %1..%9 of texto in one pass, so neither the order of the
    // placeholders nor a value that itself contains "%n" changes the result.
    static QString rellenar(const QString& texto, const QStringList& valores);

protected:
    // The ids that tell this finding from others of its kind.
    virtual QString claveIdentidad() const;

    EstadoAcademia() = default;
    EstadoAcademia(const EstadoAcademia&) = default;
    EstadoAcademia& operator=(const EstadoAcademia&) = default;
};

#endif // ESTADOACADEMIA_H
