#include "benchreport.h"

#include <QElapsedTimer>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

BenchReport::BenchReport(int alumnos)
    : m_alumnos(alumnos)
{
}

BenchReport::Measure& BenchReport::add(const QString& name)
{
    Measure m;
    m.name = name;
    m_measures.push_back(m);
    return m_measures.back();
}

double BenchReport::median(QList<double> samples)
{
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const qsizetype n = samples.size();
    return n % 2 ? samples.at(n / 2) : (samples.at(n / 2 - 1) + samples.at(n / 2)) / 2.0;
}

double BenchReport::ratio(const Measure& m)
{
    const double floor = median(m.floorSamples);
    return m.floorSamples.isEmpty() || floor <= 0 ? 0 : median(m.samples) / floor;
}

double BenchReport::targetMsFor(const Measure& m) const
{
    return m_alumnos >= kLargeScale && m.targetMsAtScale > 0 ? m.targetMsAtScale : m.targetMs;
}

int BenchReport::targetMet(const Measure& m) const
{
    const double targetMs = targetMsFor(m);
    if (targetMs <= 0 && m.targetRatio <= 0)
        return -1;
    bool met = true;
    if (targetMs > 0)
        met = met && median(m.samples) < targetMs;
    if (m.targetRatio > 0)
        met = met && ratio(m) <= m.targetRatio;
    return met ? 1 : 0;
}

bool BenchReport::allSane() const
{
    return std::all_of(m_measures.begin(), m_measures.end(), [](const Measure& m) { return m.sane; });
}

namespace {
QString ms(double v)
{
    return QString::number(v, 'f', v < 10 ? 2 : 1);
}
} // namespace

void BenchReport::printTable(QTextStream& out) const
{
    int ancho = 12;
    for (const Measure& m : m_measures)
        ancho = std::max<int>(ancho, int(m.name.size()));
    out << QStringLiteral("Academy of %1 students\n").arg(m_alumnos);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6  %7  %8\n")
               .arg(QStringLiteral("measurement"), -ancho)
               .arg(QStringLiteral("median ms"), 10)
               .arg(QStringLiteral("min ms"), 9)
               .arg(QStringLiteral("max ms"), 9)
               .arg(QStringLiteral("SQL ms"), 9)
               .arg(QStringLiteral("ratio"), 6)
               .arg(QStringLiteral("target"), -16)
               .arg(QStringLiteral("result"));
    for (const Measure& m : m_measures) {
        const auto [mn, mx] = std::minmax_element(m.samples.begin(), m.samples.end());
        QString target;
        if (targetMsFor(m) > 0)
            target = QStringLiteral("< %1 ms").arg(targetMsFor(m));
        if (m.targetRatio > 0)
            target += (target.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("<= %1x").arg(m.targetRatio);
        const int met = targetMet(m);
        if (met >= 0)
            target += met ? QStringLiteral(" ok") : QStringLiteral(" MISSED");
        out << QStringLiteral("%1 %2 %3 %4 %5 %6  %7  %8%9\n")
                   .arg(m.name, -ancho)
                   .arg(ms(median(m.samples)), 10)
                   .arg(m.samples.isEmpty() ? QString() : ms(*mn), 9)
                   .arg(m.samples.isEmpty() ? QString() : ms(*mx), 9)
                   .arg(m.floorSamples.isEmpty() ? QString() : ms(median(m.floorSamples)), 9)
                   .arg(m.floorSamples.isEmpty() ? QString() : QString::number(ratio(m), 'f', 1) + QLatin1Char('x'), 6)
                   .arg(target, -16)
                   .arg(m.detail)
                   .arg(m.sane ? QString() : QStringLiteral("  [UNEXPECTED RESULT]"));
    }
}

void BenchReport::printJson(QTextStream& out) const
{
    for (const Measure& m : m_measures) {
        QJsonObject o;
        o.insert(QStringLiteral("measure"), m.name);
        o.insert(QStringLiteral("students"), m_alumnos);
        o.insert(QStringLiteral("detail"), m.detail);
        o.insert(QStringLiteral("sane"), m.sane);
        const auto [mn, mx] = std::minmax_element(m.samples.begin(), m.samples.end());
        o.insert(QStringLiteral("runs"), int(m.samples.size()));
        o.insert(QStringLiteral("median_ms"), median(m.samples));
        if (!m.samples.isEmpty()) {
            o.insert(QStringLiteral("min_ms"), *mn);
            o.insert(QStringLiteral("max_ms"), *mx);
        }
        if (!m.floorSamples.isEmpty()) {
            o.insert(QStringLiteral("sql_floor_ms"), median(m.floorSamples));
            o.insert(QStringLiteral("ratio"), ratio(m));
        }
        if (targetMsFor(m) > 0)
            o.insert(QStringLiteral("target_ms"), targetMsFor(m));
        if (m.targetRatio > 0)
            o.insert(QStringLiteral("target_ratio"), m.targetRatio);
        const int met = targetMet(m);
        if (met >= 0)
            o.insert(QStringLiteral("target_met"), met == 1);
        out << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) << '\n';
    }
}

double BenchReport::timeMs(const std::function<void()>& job)
{
    QElapsedTimer timer;
    timer.start();
    job();
    return double(timer.nsecsElapsed()) / 1e6;
}
