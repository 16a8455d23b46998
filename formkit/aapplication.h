#ifndef AAPPLICATION_H
#define AAPPLICATION_H

#include <QApplication>

// The program's application object: identity (which selects the settings
// store), the locale stored in the settings, translators and icon search path.
class AApplication : public QApplication
{
    Q_OBJECT
public:
    AApplication(int& argc, char** argv, const QString& applicationName,
                 const QString& organizationName, const QString& organizationDomain);
    ~AApplication() override;
};

#endif // AAPPLICATION_H
