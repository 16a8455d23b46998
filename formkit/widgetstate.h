#ifndef WIDGETSTATE_H
#define WIDGETSTATE_H

#include <QByteArray>
#include <QString>

#include <functional>

// Window and header states kept in the settings: one group per kind of
// state, one key per object name.
void storeWidgetState(const QString& group, const QString& key, const QByteArray& state);

// Hands the stored bytes to restore when there are any; when restore refuses
// them, warns "Couldn't restore "<key>" <what>!".
void loadWidgetState(const QString& group, const QString& key, const char* what,
                     const std::function<bool(const QByteArray&)>& restore);

#endif // WIDGETSTATE_H
