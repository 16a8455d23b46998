#ifndef AROUNDER_H
#define AROUNDER_H

#include <QObject>

// Rounds amounts half upward (towards positive infinity). Static only.
class ARounder : public QObject
{
    Q_OBJECT
public:
    // Instantiating is a programming error: it is warned about.
    explicit ARounder(QObject* parent = nullptr);

    static double round(double value, int decimals);
};

#endif // AROUNDER_H
