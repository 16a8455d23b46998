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

    // Qt sets the C library's locale from the environment: in Spanish or
    // Galician printf, std::to_string and strtod, and the libraries built on
    // them (the workbook writer), would use a decimal comma. Numbers go back
    // to the "C" locale; characters, dates and messages keep the user's.
    static void useCNumericLocale();
};

#endif // AAPPLICATION_H
