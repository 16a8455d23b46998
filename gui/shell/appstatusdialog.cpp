#include "appstatusdialog.h"
#include "ui_appstatusdialog.h"

#include "academia.h"
#include "estadoacademia.h"
#include "estadoacademiafallo.h"

#include <QSettings>
#include <QTextCursor>

namespace {

const char* const lineTemplate = "<span style=\"%1\">%2</span>";
const char* const summaryStyle = "color:#00C000;";
const char* const headingStyle = "font-weight:bold;";

const char* styleOf(int tipo)
{
    switch (tipo) {
    case EstadoAcademia::Aviso:
        return "color:#00FFFF;";
    case EstadoAcademia::Fallo:
        return "color:#FFA858;";
    case EstadoAcademia::Inconsistencia:
        return "color:#C00000;";
    default:
        return "";
    }
}

} // namespace

AppStatusDialog::AppStatusDialog(int options, QWidget* parent, Qt::WindowFlags f)
    : ADialog(parent, f), ui(new Ui::ErrorDialog)
{
    ui->setupUi(this);

    QSettings settings;
    settings.beginGroup(QStringLiteral("CONFIGURATION"));
    m_omitirIgnorados = settings.value(QStringLiteral("omitir_fallos"), false).toBool();
    settings.endGroup();
    ui->cbOmitir->setChecked(m_omitirIgnorados);

    connect(ui->btnAccept, &QPushButton::clicked, this, &AppStatusDialog::accept);
    connect(ui->btnIgnore, &QPushButton::clicked, this, &AppStatusDialog::ignore);
    connect(ui->btnRevert, &QPushButton::clicked, this, &AppStatusDialog::revert);
    connect(ui->btnReload, &QPushButton::clicked, this, &AppStatusDialog::reload);
    connect(ui->cbOmitir, &QCheckBox::toggled, this, &AppStatusDialog::omitirIgnorados);

    ui->cbOmitir->setVisible(options & OmitIgnored);
    ui->btnReload->setVisible(options & Reload);
    ui->btnIgnore->setVisible(options & SaveAnyway);
    ui->btnRevert->setVisible(options & Revert);
    ui->btnAccept->setVisible(options & FixManually);
    // Without the check box there is no way to show ignored faults.
    if (!(options & OmitIgnored))
        m_omitirIgnorados = true;
}

AppStatusDialog::~AppStatusDialog()
{
    delete ui;
}

int AppStatusDialog::checkStatus(bool modal)
{
    return checkStatus(modal, Academia::comprobarEstado());
}

int AppStatusDialog::checkStatus(bool modal, const QList<EstadoAcademia*>& results)
{
    listStatus(results);
    if (modal) {
        if (m_nothingListed)
            return 0;
        return exec();
    }
    m_modeless = true;
    show();
    return 0;
}

void AppStatusDialog::setFoundBefore(const QSet<QString>& identities)
{
    m_foundBefore = identities;
    m_knowsFoundBefore = true;
}

int AppStatusDialog::getOpcion() const
{
    return m_opcion;
}

void AppStatusDialog::accept()
{
    m_opcion = FixByHand;
    QDialog::accept();
}

void AppStatusDialog::revert()
{
    m_opcion = Reverted;
    QDialog::accept();
}

void AppStatusDialog::ignore()
{
    m_opcion = Saved;
    Academia::ignorarAvisos();
    QDialog::accept();
}

// Escape or the window's close button: keep editing, as "Fix manually", but
// the dialog closes as rejected.
void AppStatusDialog::reject()
{
    m_opcion = FixByHand;
    QDialog::reject();
    if (m_modeless)
        deleteLater();
}

void AppStatusDialog::reload()
{
    listStatus();
}

void AppStatusDialog::omitirIgnorados(bool omitir)
{
    m_omitirIgnorados = omitir;
    QSettings settings;
    settings.beginGroup(QStringLiteral("CONFIGURATION"));
    settings.setValue(QStringLiteral("omitir_fallos"), omitir);
    settings.endGroup();
    listStatus();
}

// The texts carry names people typed: they go into the markup escaped.
void AppStatusDialog::appendLine(const QString& style, const QString& text)
{
    ui->tbErrors->append(QString::fromLatin1(lineTemplate).arg(style, text.toHtmlEscaped()));
}

void AppStatusDialog::listStatus()
{
    listStatus(Academia::comprobarEstado());
}

void AppStatusDialog::listStatus(const QList<EstadoAcademia*>& results)
{
    m_inconsistency = false;
    m_nothingListed = true;
    ui->tbErrors->clear();
    int omitted = 0;

    QList<EstadoAcademia*> brought;
    QList<EstadoAcademia*> stored;
    for (EstadoAcademia* result : results)
        (m_knowsFoundBefore && m_foundBefore.contains(result->identidad()) ? stored : brought) << result;
    if (m_knowsFoundBefore) {
        listGroup(tr("Brought by these changes"), brought, true, omitted);
        listGroup(tr("Already stored before these changes"), stored, false, omitted);
    } else {
        listGroup(QString(), brought, true, omitted);
    }

    if (omitted != 0)
        appendLine(QLatin1String(summaryStyle), tr("Omitted %n error(s)", nullptr, omitted));
    if (results.isEmpty())
        appendLine(QLatin1String(summaryStyle), tr("No errors"));

    ui->tbErrors->moveCursor(QTextCursor::Start);
    ui->tbErrors->setReadOnly(true);
    // whatever relists the status also settles whether saving is allowed
    ui->btnIgnore->setEnabled(!m_inconsistency);
}

// Lists one group under its heading (none when empty), and deletes what is
// the dialog's. Only a group that may block saving sets the inconsistency flag.
void AppStatusDialog::listGroup(const QString& heading, const QList<EstadoAcademia*>& results, bool mayBlock,
                                int& omitted)
{
    QList<QPair<QLatin1String, QString>> lines;
    for (EstadoAcademia* result : results) {
        const int tipo = result->tipo();
        if (tipo == EstadoAcademia::Fallo && m_omitirIgnorados
            && static_cast<EstadoAcademiaFallo*>(result)->isIgnorado()) {
            ++omitted;
            continue;
        }
        m_inconsistency = m_inconsistency || (mayBlock && tipo == EstadoAcademia::Inconsistencia);
        lines.append({QLatin1String(styleOf(tipo)), result->descripcion()});
        // Faults stay with the academy services; the other results are ours.
        if (tipo != EstadoAcademia::Fallo)
            delete result;
    }
    if (lines.isEmpty())
        return;
    m_nothingListed = false;
    if (!heading.isEmpty())
        appendLine(QLatin1String(headingStyle), heading);
    for (const auto& [style, text] : std::as_const(lines))
        appendLine(style, text);
}
