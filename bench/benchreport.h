#ifndef BENCHREPORT_H
#define BENCHREPORT_H

#include <QList>
#include <QString>

#include <deque>
#include <functional>

class QTextStream;

// The measurements of one run: each the median of its samples, with the
// plain-SQL floor and the target beside it where there is one, printed as a
// table or as one JSON object per line.
class BenchReport
{
public:
    struct Measure {
        QString name;
        QList<double> samples; // milliseconds
        QList<double> floorSamples;
        double targetMs = 0;    // 0: no target
        // the target from kLargeScale students on, when it is another
        double targetMsAtScale = 0;
        double targetRatio = 0; // 0: no target on the ratio to the floor
        QString detail;         // what the run produced, e.g. "5000 bills"
        bool sane = true;       // the result was what the academy implies
    };

    // Academies from this size on are held to their own targets where a
    // measure has one.
    static constexpr int kLargeScale = 20000;

    explicit BenchReport(int alumnos);

    // The reference stays valid while further measures are added.
    Measure& add(const QString& name);
    const std::deque<Measure>& measures() const { return m_measures; }

    // How long job takes, in milliseconds.
    static double timeMs(const std::function<void()>& job);
    static double median(QList<double> samples);
    static double ratio(const Measure& m);
    // The time target for this academy's size; 0 when there is none.
    double targetMsFor(const Measure& m) const;
    // True, false, or -1 when the measure has no target.
    int targetMet(const Measure& m) const;
    bool allSane() const;

    void printTable(QTextStream& out) const;
    void printJson(QTextStream& out) const;

private:
    int m_alumnos;
    std::deque<Measure> m_measures;
};

#endif // BENCHREPORT_H
