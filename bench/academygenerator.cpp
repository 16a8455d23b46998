#include "academygenerator.h"

#include "adatehelper.h"
#include "alta.h"
#include "alumno.h"
#include "asignatura.h"
#include "aula.h"
#include "curso.h"
#include "dao.h"
#include "daorow.h"
#include "cccvalidator.h"
#include "dnivalidator.h"
#include "emailvalidator.h"
#include "daotransaction.h"
#include "moneda.h"
#include "profesor.h"
#include "recibo.h"
#include "sesiondeclase.h"
#include "turnoasignatura.h"
#include "turnocurso.h"

#include <QSettings>
#include <QSet>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

// A constant seed: the same size always builds the same academy.
constexpr unsigned kSeed = 0x50e5a210u;

const char* const kNombres[] = {"Lucía", "Hugo", "Martina", "Mateo", "Sofía", "Leo", "María", "Daniel",
                                "Julia", "Pablo", "Paula", "Álvaro", "Valeria", "Manuel", "Emma", "Adrián",
                                "Daniela", "Enzo", "Carla", "Mario", "Alba", "Diego", "Noa", "Marcos"};
const char* const kApellidos[] = {"García", "Fernández", "González", "Rodríguez", "López", "Martínez",
                                  "Sánchez", "Pérez", "Gómez", "Martín", "Jiménez", "Ruiz", "Hernández",
                                  "Díaz", "Moreno", "Muñoz", "Álvarez", "Romero", "Alonso", "Gutiérrez",
                                  "Navarro", "Torres", "Domínguez", "Vázquez", "Ramos", "Gil", "Castro"};
const char* const kLocalidades[] = {"Lugo", "Ourense", "Vigo", "Santiago", "Ferrol", "Pontevedra", "Monforte"};
const char* const kProvincias[] = {"Lugo", "Ourense", "Pontevedra", "A Coruña", "A Coruña", "Pontevedra", "Lugo"};
const char* const kMaterias[] = {"Mathematics", "Physics", "Chemistry", "English", "French", "German",
                                 "Biology", "History", "Latin", "Drawing", "Accounting", "Economics",
                                 "Programming", "Music theory", "Philosophy", "Geography"};
const char* const kInstitutos[] = {"IES Xoán Montes", "IES Lucus Augusti", "IES Nosa Señora dos Ollos Grandes",
                                   "Colegio Fingoi", "IES Sanxillao"};

template <typename T, std::size_t N>
constexpr std::size_t countOf(T (&)[N])
{
    return N;
}

// A Spanish identity number with its check letter.
QString dniFor(int numero)
{
    return QStringLiteral("%1%2").arg(numero, 8, 10, QLatin1Char('0')).arg(DNIValidator::letterFor(numero));
}

QString digitsFor(std::mt19937& rng, int count)
{
    QString digits;
    std::uniform_int_distribution<int> d(0, 9);
    for (int i = 0; i < count; ++i)
        digits += QChar(QLatin1Char(char('0' + d(rng))));
    return digits;
}

// An account whose check digits hold, so that the dialogs accept it as stored.
QString cccFor(std::mt19937& rng)
{
    const QString bank = digitsFor(rng, 4);
    const QString office = digitsFor(rng, 4);
    const QString account = digitsFor(rng, 10);
    return bank + office + CCCValidator::controlDigits(bank, office, account) + account;
}

struct Turno {
    TurnoAsignatura* objeto = nullptr;
    int asignatura = 0; // index
    int profesor = 0;   // index of the teacher of its sessions
    double precio = 0;
    int altas = 0;
    QSet<int> franjas; // day * 100 + hour
};

struct AltaPlan {
    int turno = 0;
    QDate falta;
    QDate fbaja;
    double precio = 0;
    double precioBase = 0;
};

// The rule of the monthly generation: started on or before the month's last
// day, and open or withdrawn after its first day.
bool activaEnMes(const AltaPlan& a, const QDate& ini, const QDate& fin)
{
    return a.falta <= fin.addDays(-1) && (!a.fbaja.isValid() || a.fbaja > ini);
}

} // namespace

AcademyGenerator::Sizes AcademyGenerator::sizesFor(int alumnos)
{
    Sizes s;
    s.alumnos = alumnos;
    s.turnos = std::max(5, alumnos / 10);
    s.asignaturas = std::max(1, s.turnos / 5);
    s.sesiones = s.turnos * 3;
    s.altas = alumnos * 12 / 5;
    s.profesores = std::max(3, alumnos / 100);
    // 70 one-hour slots a week per room; rooms filled to about 80 %.
    s.aulas = std::max(2, (s.sesiones * 5 + 70 * 4 - 1) / (70 * 4));
    s.cursos = std::max(2, s.turnos / 25);
    return s;
}

QDate AcademyGenerator::primerMesFacturado()
{
    return ADateHelper::firstDayOfMonth().addMonths(-12);
}

bool AcademyGenerator::generate(const Sizes& sizes, Counts* counts, QString* error)
{
    Counts c;
    std::mt19937 rng(kSeed);
    auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto chance = [&rng](double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < p; };
    auto fail = [error](const QString& what) {
        if (error)
            *error = what;
        return false;
    };

    {
        QSettings settings;
        settings.beginGroup(QStringLiteral("CONFIGURATION"));
        settings.setValue(QStringLiteral("hora_apertura"), kHoraApertura);
        settings.setValue(QStringLiteral("minuto_apertura"), 0);
        settings.setValue(QStringLiteral("hora_cierre"), kHoraCierre);
        settings.setValue(QStringLiteral("minuto_cierre"), 0);
        settings.setValue(QStringLiteral("academia_nombre"), QStringLiteral("Academia Synthetica"));
        settings.setValue(QStringLiteral("recibo_expedidoEn"), QStringLiteral("Lugo"));
        settings.setValue(QStringLiteral("recibo_diasVencimiento"), 10);
        settings.endGroup();
    }

    const QDate hoy = QDate::currentDate();
    const QDate primerMes = primerMesFacturado();

    DaoTransaction tx;
    if (!tx.owns())
        return fail(QStringLiteral("a transaction was already open"));

    // Classrooms.
    std::vector<int> aulas;
    for (int i = 0; i < sizes.aulas; ++i) {
        Aula aula;
        aula.setNombre(QStringLiteral("Room %1").arg(i + 1, 2, 10, QLatin1Char('0')));
        aula.setLocalizacion(QStringLiteral("Floor %1").arg(i / 8));
        aula.setAforo(40);
        if (!aula.persist())
            return fail(QStringLiteral("classroom %1 was not stored").arg(i));
        aulas.push_back(aula.id());
    }
    c.aulas = int(aulas.size());

    // Teachers: the three pay kinds in turn, some with two of them.
    // The teachers stay ours while subjects link them.
    QObject propietario;
    std::vector<Profesor*> profesores;
    for (int i = 0; i < sizes.profesores; ++i) {
        auto* p = new Profesor(&propietario);
        p->setNombre(QString::fromUtf8(kNombres[(i * 7) % countOf(kNombres)]));
        p->setApellidos(QString::fromUtf8(kApellidos[(i * 5) % countOf(kApellidos)]) + QLatin1Char(' ')
                        + QString::fromUtf8(kApellidos[(i * 11 + 3) % countOf(kApellidos)]));
        p->setApodo(QStringLiteral("T%1").arg(i + 1, 3, 10, QLatin1Char('0')));
        p->setDni(dniFor(30000000 + i * 7919));
        p->setCcc(cccFor(rng));
        p->setDireccion(QStringLiteral("Rúa do Mestre %1").arg(i + 1));
        p->setLocalidad(QString::fromUtf8(kLocalidades[i % countOf(kLocalidades)]));
        p->setProvincia(QString::fromUtf8(kProvincias[i % countOf(kProvincias)]));
        p->setCp(QStringLiteral("27%1").arg(i % 1000, 3, 10, QLatin1Char('0')));
        p->setEmail(QStringLiteral("teacher%1@academy.example").arg(i + 1));
        switch (i % 3) {
        case 0:
            p->setSueldoFijo(900 + uniform(0, 90) * 10);
            break;
        case 1:
            p->setSueldoPorHora(12 + uniform(0, 36) * 0.5);
            break;
        default:
            p->setSueldoPorcentaje(15 + uniform(0, 25));
            break;
        }
        // some are paid in all three ways at once
        if (i % 7 == 6 || i == 0) {
            p->setSueldoFijo(400 + uniform(0, 20) * 10);
            p->setSueldoPorHora(10 + uniform(0, 10));
            p->setSueldoPorcentaje(10 + uniform(0, 10));
        }
        p->setRetencion(uniform(0, 30) * 5);
        p->setFAlta(hoy.addDays(-uniform(400, 2500)));
        // one teacher joined this month: a settlement clipped to part of it
        if (i == 3 % sizes.profesores)
            p->setFAlta(ADateHelper::firstDayOfMonth().addDays(std::min(9, hoy.day() - 1)));
        p->setTelefonos({{QStringLiteral("Mobile"), QStringLiteral("6%1").arg(10000000 + i * 37, 8, 10, QLatin1Char('0'))}});
        if (!p->persist())
            return fail(QStringLiteral("teacher %1 was not stored").arg(i));
        profesores.push_back(p);
    }
    c.profesores = int(profesores.size());
    const int nProfes = int(profesores.size());

    // Subjects with their shifts and teachers.
    std::vector<std::unique_ptr<Asignatura>> asignaturas;
    std::vector<Turno> turnos;
    const int porAsignatura = sizes.turnos / sizes.asignaturas;
    const int sobrantes = sizes.turnos % sizes.asignaturas;
    for (int s = 0; s < sizes.asignaturas; ++s) {
        auto a = std::make_unique<Asignatura>();
        a->setNombre(QStringLiteral("%1 %2").arg(QString::fromUtf8(kMaterias[s % countOf(kMaterias)]))
                         .arg(s / int(countOf(kMaterias)) + 1));
        a->setDescripcion(QStringLiteral("Level %1 group lessons").arg(s % 4 + 1));
        const double precio = 30 + uniform(0, 12) * 5;
        a->setPrecioOrientativo(precio);
        a->setEdad(10 + s % 8);
        const int profe1 = s % nProfes;
        const int profe2 = (s + nProfes / 2) % nProfes;
        a->addProfesor(profesores[size_t(profe1)]);
        if (profe2 != profe1)
            a->addProfesor(profesores[size_t(profe2)]);
        const int n = porAsignatura + (s < sobrantes ? 1 : 0);
        for (int k = 0; k < n; ++k) {
            auto* t = new TurnoAsignatura();
            t->setNombre(QStringLiteral("Group %1").arg(QChar(QLatin1Char(char('A' + k % 26)))) +
                         (k >= 26 ? QString::number(k / 26) : QString()));
            const double precioTurno = precio + (k % 3 - 1) * 5;
            t->setPrecioOrientativo(precioTurno);
            t->setSueldoProfesorPorAlta(5 + uniform(0, 10));
            if (!a->addTurno(t))
                return fail(QStringLiteral("shift %1 of subject %2 was refused").arg(k).arg(s));
            Turno plan;
            plan.objeto = t;
            plan.asignatura = s;
            plan.profesor = k % 2 == 0 ? profe1 : profe2;
            plan.precio = precioTurno;
            turnos.push_back(plan);
        }
        if (!a->persist())
            return fail(QStringLiteral("subject %1 was not stored").arg(s));
        asignaturas.push_back(std::move(a));
    }
    c.asignaturas = int(asignaturas.size());
    c.turnos = int(turnos.size());

    // Weekly sessions: Monday to Friday 9 to 22, Saturday 9 to 14, one hour
    // each (some 45 minutes), no classroom or teacher in two places at once.
    auto horasDelDia = [](int dia) { return dia == 6 ? 5 : kHoraCierre - kHoraApertura; };
    const int nAulas = int(aulas.size());
    std::vector<char> aulaOcupada(size_t(nAulas) * 7 * 24, 0);
    std::vector<char> profeOcupado(size_t(nProfes) * 7 * 24, 0);
    auto slot = [](int idx, int dia, int hora) { return (size_t(idx) * 7 + size_t(dia)) * 24 + size_t(hora); };
    const int porTurno = sizes.sesiones / int(turnos.size());
    const int sesionesSobrantes = sizes.sesiones % int(turnos.size());
    for (int t = 0; t < int(turnos.size()); ++t) {
        Turno& turno = turnos[size_t(t)];
        const int n = porTurno + (t < sesionesSobrantes ? 1 : 0);
        QSet<int> dias;
        for (int k = 0; k < n; ++k) {
            int dia = 0, hora = 0, aula = -1;
            for (int intento = 0; intento < 400 && aula < 0; ++intento) {
                dia = uniform(1, 6);
                if (dias.contains(dia) && dias.size() < 6)
                    continue;
                hora = kHoraApertura + uniform(0, horasDelDia(dia) - 1);
                if (profeOcupado[slot(turno.profesor, dia, hora)] && intento < 300)
                    continue;
                const int primera = uniform(0, nAulas - 1);
                for (int r = 0; r < nAulas; ++r) {
                    const int cand = (primera + r) % nAulas;
                    if (!aulaOcupada[slot(cand, dia, hora)]) {
                        aula = cand;
                        break;
                    }
                }
            }
            if (aula < 0)
                return fail(QStringLiteral("no free classroom for a session of shift %1").arg(t));
            aulaOcupada[slot(aula, dia, hora)] = 1;
            profeOcupado[slot(turno.profesor, dia, hora)] = 1;
            dias.insert(dia);
            turno.franjas.insert(dia * 100 + hora);
            SesionDeClase sesion;
            sesion.setDiaSemana(dia);
            sesion.setInicio(hora, 0);
            if ((t + k) % 4 == 3)
                sesion.setFin(hora, 45);
            else
                sesion.setFin(hora + 1, 0);
            sesion.setIdAula(aulas[size_t(aula)]);
            // a few sessions still wait for a teacher, as in any real academy
            if (c.sesiones % 97 != 50)
                sesion.setIdProfesor(profesores[size_t(turno.profesor)]->id());
            sesion.setIdTurnoAsignatura(turno.objeto->id());
            if (!sesion.persist())
                return fail(QStringLiteral("a session of shift %1 was not stored").arg(t));
            ++c.sesiones;
        }
    }

    // Students with phones; some with a family discount.
    std::vector<std::unique_ptr<Alumno>> alumnos;
    std::vector<double> descuentos;
    for (int i = 0; i < sizes.alumnos; ++i) {
        auto a = std::make_unique<Alumno>();
        a->setNombre(QString::fromUtf8(kNombres[uniform(0, int(countOf(kNombres)) - 1)]));
        a->setApellidos(QString::fromUtf8(kApellidos[uniform(0, int(countOf(kApellidos)) - 1)]) + QLatin1Char(' ')
                        + QString::fromUtf8(kApellidos[uniform(0, int(countOf(kApellidos)) - 1)]));
        a->setDni(dniFor(40000000 + i * 104729 % 9999999));
        a->setCcc(cccFor(rng));
        a->setBanco(QStringLiteral("Banco %1").arg(i % 6 + 1));
        a->setDireccion(QStringLiteral("Rúa %1, %2").arg(QString::fromUtf8(kApellidos[i % countOf(kApellidos)])).arg(i % 90 + 1));
        const int lugar = uniform(0, int(countOf(kLocalidades)) - 1);
        a->setLocalidad(QString::fromUtf8(kLocalidades[lugar]));
        a->setProvincia(QString::fromUtf8(kProvincias[lugar]));
        a->setCp(QStringLiteral("%1").arg(27000 + uniform(0, 999)));
        a->setEmail(QStringLiteral("student%1@mail.example").arg(i + 1));
        a->setInstituto(QString::fromUtf8(kInstitutos[i % countOf(kInstitutos)]));
        const double descuento = chance(0.12) ? (chance(0.5) ? 10.0 : 5.0) : 0.0;
        a->setDescuento(descuento);
        Alumno::Telefonos telefonos{{QStringLiteral("Mobile"), QStringLiteral("6%1").arg(20000000 + i, 8, 10, QLatin1Char('0'))}};
        if (chance(0.6))
            telefonos.append({QStringLiteral("Home"), QStringLiteral("982%1").arg(100000 + i % 900000, 6, 10, QLatin1Char('0'))});
        a->setTelefonos(telefonos);
        if (!a->persist())
            return fail(QStringLiteral("student %1 was not stored").arg(i));
        descuentos.push_back(descuento);
        alumnos.push_back(std::move(a));
    }
    c.alumnos = int(alumnos.size());

    // Enrolments: one long-running per student, the rest started (and some
    // withdrawn) across the last year. A student's shifts never share a
    // subject nor an hour, and no shift takes more than its room holds.
    std::vector<std::vector<AltaPlan>> planes(alumnos.size());
    std::vector<QSet<int>> franjasAlumno(alumnos.size());
    std::vector<QSet<int>> asignaturasAlumno(alumnos.size());
    const int nTurnos = int(turnos.size());
    constexpr int kMaxPorTurno = 36;
    auto eligeTurno = [&](size_t alumno) {
        int mejor = -1;
        for (int intento = 0; intento < 60; ++intento) {
            const int t = uniform(0, nTurnos - 1);
            const Turno& turno = turnos[size_t(t)];
            if (turno.altas >= kMaxPorTurno || asignaturasAlumno[alumno].contains(turno.asignatura))
                continue;
            if (mejor < 0)
                mejor = t;
            if (!turno.franjas.intersects(franjasAlumno[alumno]))
                return t;
        }
        return mejor;
    };
    auto guarda = [&](size_t alumno, int t, const QDate& falta, const QDate& fbaja) {
        Turno& turno = turnos[size_t(t)];
        AltaPlan plan;
        plan.turno = t;
        plan.falta = falta;
        plan.fbaja = fbaja;
        plan.precioBase = turno.precio;
        plan.precio = Moneda::redondear(turno.precio * (1.0 - descuentos[alumno] / 100.0));
        Alta alta(alumnos[alumno]->id());
        alta.setFalta(falta);
        alta.setFbaja(fbaja);
        alta.setPrecio(plan.precio);
        alta.setPrecioBase(plan.precioBase);
        alta.setConDescuento(descuentos[alumno] > 0);
        alta.setNombreAlumno(alumnos[alumno]->nombre() + QLatin1Char(' ') + alumnos[alumno]->apellidos());
        alta.setNombreAsignatura(asignaturas[size_t(turno.asignatura)]->nombre());
        alta.setNombreTurnoAsignatura(turno.objeto->getNombre());
        alta.setIdTurnoAsignatura(turno.objeto->id());
        if (alumnos[alumno]->persistAlta(&alta, true) != Alta::Almacenada)
            return false;
        ++turno.altas;
        franjasAlumno[alumno] += turno.franjas;
        asignaturasAlumno[alumno].insert(turno.asignatura);
        planes[alumno].push_back(plan);
        ++c.altas;
        return true;
    };
    for (size_t i = 0; i < alumnos.size(); ++i) {
        const int t = eligeTurno(i);
        if (t < 0)
            return fail(QStringLiteral("no shift left for student %1").arg(i));
        if (!guarda(i, t, primerMes.addDays(-uniform(1, 60)), QDate()))
            return fail(QStringLiteral("the enrolment of student %1 was not stored").arg(i));
    }
    // A few students signed up twice in the same shift by mistake.
    for (size_t i = 500; i < alumnos.size(); i += 1000) {
        const AltaPlan primera = planes[i].front();
        if (!guarda(i, primera.turno, primera.falta.addDays(15), QDate()))
            return fail(QStringLiteral("the double enrolment of student %1 was not stored").arg(i));
    }
    const int diasDelAno = int(primerMes.daysTo(hoy));
    for (int e = 0; c.altas < sizes.altas && e < sizes.altas * 4; ++e) {
        const size_t i = size_t(uniform(0, int(alumnos.size()) - 1));
        const int t = eligeTurno(i);
        if (t < 0)
            continue; // this student is in every subject already
        const QDate falta = primerMes.addDays(uniform(0, diasDelAno));
        const QDate fbaja = chance(0.4) ? falta.addDays(uniform(20, 200)) : QDate();
        if (!guarda(i, t, falta, fbaja))
            return fail(QStringLiteral("enrolment %1 was not stored").arg(c.altas));
    }

    // Courses: three subjects each, offered in two or three course shifts.
    const int nAsignaturas = int(asignaturas.size());
    std::vector<std::vector<int>> turnosDeAsignatura(static_cast<size_t>(nAsignaturas));
    for (int t = 0; t < nTurnos; ++t)
        turnosDeAsignatura[size_t(turnos[size_t(t)].asignatura)].push_back(t);
    for (int k = 0; k < sizes.cursos; ++k) {
        Curso curso;
        curso.setNombre(QStringLiteral("Course %1").arg(k + 1, 2, 10, QLatin1Char('0')));
        curso.setDescripcion(QStringLiteral("Preparation course %1").arg(k + 1));
        QList<int> elegidas;
        for (int j = 0; j < std::min(3, nAsignaturas); ++j)
            elegidas << (k * 3 + j) % nAsignaturas;
        double precio = 0;
        for (int s : std::as_const(elegidas)) {
            curso.addAsignatura(new Asignatura(asignaturas[size_t(s)]->id(), nullptr));
            precio += asignaturas[size_t(s)]->precioOrientativo();
        }
        curso.setPrecioOrientativo(precio * 0.9);
        const int variantes = 2 + k % 2;
        for (int v = 0; v < variantes; ++v) {
            auto* tc = new TurnoCurso();
            tc->setNombre(QStringLiteral("Variant %1").arg(v + 1));
            tc->setPrecioOrientativo(precio * 0.9);
            for (int s : std::as_const(elegidas)) {
                const std::vector<int>& opciones = turnosDeAsignatura[size_t(s)];
                tc->addTurnoAsignatura(turnos[size_t(opciones[size_t(v) % opciones.size()])].objeto);
            }
            if (!curso.addTurnoCurso(tc))
                return fail(QStringLiteral("course shift %1 of course %2 was refused").arg(v).arg(k));
            ++c.turnosCurso;
        }
        if (!curso.persist())
            return fail(QStringLiteral("course %1 was not stored").arg(k));
        ++c.cursos;
    }

    // Bills of the last twelve months, built by the rules of the monthly
    // generation and stored through the program's statement builder, issued
    // in the first days of each month and mostly paid.
    const QString serie = Recibo::getSerieActual();
    int numero = Recibo::getSiguienteNumeroRecibo();
    const QStringList columnas = Recibo::COLUMNS.mid(1);
    Dao* dao = Dao::getInstance();
    for (int m = 0; m < sizes.mesesRecibos; ++m) {
        const QDate ini = primerMes.addMonths(m);
        const QDate fin = ini.addMonths(1);
        for (size_t i = 0; i < alumnos.size(); ++i) {
            double importe = 0, descuento = 0;
            QString concepto;
            for (const AltaPlan& a : planes[i]) {
                if (!activaEnMes(a, ini, fin))
                    continue;
                importe += a.precio;
                descuento += a.precioBase - a.precio;
                const QString linea = Recibo::lineaConcepto(asignaturas[size_t(turnos[size_t(a.turno)].asignatura)]->nombre(),
                                                            a.precioBase);
                concepto += concepto.isEmpty() ? linea : QStringLiteral("\n") + linea;
            }
            if (concepto.isEmpty())
                continue;
            const bool pagado = m < sizes.mesesRecibos - 1 ? !chance(0.04) : chance(0.7);
            const Alumno* al = alumnos[i].get();
            const QList<QVariant> valores{numero,
                                          serie,
                                          ini.addDays(uniform(0, 4)),
                                          Moneda::aCentimos(importe),
                                          Moneda::aCentimos(pagado ? importe : 0.0),
                                          Moneda::redondear(descuento),
                                          concepto,
                                          Recibo::datosAlumno(alumnos[i].get()),
                                          pagado,
                                          true,
                                          al->ccc(),
                                          al->id(),
                                          al->nombre(),
                                          al->apellidos()};
            const QVariant id = dao->insert(Recibo::TABLE, columnas, valores);
            if (!id.isValid() || id.typeId() == QMetaType::Bool)
                return fail(QStringLiteral("a bill of month %1 was not stored").arg(m));
            ++numero;
            ++c.recibos;
        }
    }
    Recibo::forzarNumeroRecibo(numero, QString());

    if (!tx.commit())
        return fail(QStringLiteral("the academy could not be committed"));
    if (counts)
        *counts = c;
    return true;
}

bool AcademyGenerator::editableAsStored()
{
    const CCCValidator cuenta(true);
    const EmailValidator correo;
    bool ok = true;
    Dao::getInstance()->readRows(QStringLiteral("SELECT ccc, email FROM alumno UNION ALL SELECT ccc, email FROM profesor"),
                                 {}, [&](const DaoRow& row) {
                                     QString ccc = row.text(0);
                                     QString email = row.text(1);
                                     int pos = 0;
                                     cuenta.fixup(ccc);
                                     ok = ok && cuenta.validate(ccc, pos) == QValidator::Acceptable
                                          && correo.validate(email, pos) == QValidator::Acceptable;
                                 });
    return ok;
}
