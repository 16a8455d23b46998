#include "widgetstate.h"

#include <QSettings>

void storeWidgetState(const QString& group, const QString& key, const QByteArray& state)
{
    QSettings settings;
    settings.beginGroup(group);
    settings.setValue(key, state);
}

void loadWidgetState(const QString& group, const QString& key, const char* what,
                     const std::function<bool(const QByteArray&)>& restore)
{
    QSettings settings;
    settings.beginGroup(group);
    const QVariant stored = settings.value(key);
    if (stored.isValid() && !restore(stored.toByteArray()))
        qWarning("%s", qPrintable(QStringLiteral("Couldn't restore \"%1\" %2!").arg(key, QLatin1String(what))));
}
