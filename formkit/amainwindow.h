#ifndef AMAINWINDOW_H
#define AMAINWINDOW_H

#include <QMainWindow>
#include <QStringList>
#include <QUrl>

// Main-window base: geometry and tool-bar state kept across runs, "about:"
// links answered with the licence texts, and the user's replaceable icons.
class AMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit AMainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~AMainWindow() override;

    // Names under ":/icons/" that may be copied to the user's icon folder.
    void setIconfileNames(const QStringList& names);

    // The folder whose icons replace the embedded ones.
    static QString userIconFolder();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void aboutIcons();
    void handleAboutLink(QUrl url);
    void populateIcons();

private:
    void loadGeometry();
    void loadStatus();
    void storeGeometry();
    void storeStatus();

    QStringList iconfileNames;
    bool restored = false;
};

#endif // AMAINWINDOW_H
