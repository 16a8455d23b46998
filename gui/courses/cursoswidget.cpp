#include "cursoswidget.h"
#include "ui_cursoswidget.h"

#include "academia.h"
#include "aprompter.h"
#include "asaveashelper.h"
#include "curso.h"
#include "cursodialog.h"
#include "listado.h"
#include "printutils.h"
#include "proxyhelpers.h"
#include "tipolistadoporcursodialog.h"
#include "turnocurso.h"
#include "turnocursotablemodel.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QMenu>
#include <QPrinter>

#include <memory>

namespace {
TurnoCursoTableModel* modelo()
{
    return TurnoCursoTableModel::instance();
}

QString titulo()
{
    return QApplication::applicationName();
}
}

CursosWidget::CursosWidget(QWidget* parent, Qt::WindowFlags f)
    : CentralWidget(parent, f)
    , ui(new Ui::CursosWidget)
{
    ui->setupUi(this);
    m_proxy = createFilterProxy(modelo(), this);
    ui->tbvCursos->setModel(m_proxy);
    ui->tbvCursos->setSortingEnabled(true);
    ui->tbvCursos->fitColumnsToContents();

    addActions({ui->actionNuevo_curso, ui->actionEditar_curso, ui->actionBorrar_curso,
                ui->actionRecibos_por_alumno});
    ui->tbvCursos->addActions(actions());
    ui->tbvCursos->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(ui->tbvCursos->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CursosWidget::updateActions);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &CursosWidget::updateActions);
    connect(ui->tbvCursos, &QAbstractItemView::doubleClicked, this, &CursosWidget::updateCurso);
    connect(ui->leFiltro, &QLineEdit::textChanged, m_proxy, &ASortFilterProxyModel::setFilterText);
    connect(ui->pushButton_2, &QAbstractButton::clicked, ui->leFiltro, &QLineEdit::clear);
    connect(ui->actionNuevo_curso, &QAction::triggered, this, &CursosWidget::showCursoDialog);
    connect(ui->actionBorrar_curso, &QAction::triggered, this, &CursosWidget::deleteTurnoCurso);
    connect(ui->actionEditar_curso, &QAction::triggered, this, &CursosWidget::updateCurso);
    connect(ui->actionRecibos_por_alumno, &QAction::triggered, this, &CursosWidget::slotHtmlListAlumno);
    connect(ui->actionExportar_listado, &QAction::triggered, this, &CursosWidget::saveListAs);
    connect(ui->actionImprimir_listado, &QAction::triggered, this, &CursosWidget::printList);

    auto* menu = new QMenu(ui->tbExportarListado);
    menu->addAction(ui->actionExportar_listado);
    menu->addAction(ui->actionImprimir_listado);
    ui->tbExportarListado->setDefaultAction(ui->actionExportar_listado);
    ui->tbExportarListado->setMenu(menu);
    updateActions();
}

CursosWidget::~CursosWidget()
{
    delete ui;
}

QList<int> CursosWidget::selectedIds() const
{
    QList<int> ids;
    const QModelIndexList filas = ui->tbvCursos->selectionModel()->selectedRows();
    for (const QModelIndex& fila : filas)
        ids << fila.data(ARole::Id).toInt();
    return ids;
}

void CursosWidget::updateActions()
{
    const int n = ui->tbvCursos->selectionModel()->selectedRows().size();
    ui->actionEditar_curso->setEnabled(n == 1);
    ui->actionBorrar_curso->setEnabled(n >= 1);
    ui->actionRecibos_por_alumno->setEnabled(n >= 1);
}

void CursosWidget::showCursoDialog()
{
    auto* dialog = new CursoDialog(this);
    dialog->exec();
}

void CursosWidget::updateCurso()
{
    const QList<int> ids = selectedIds();
    if (ids.isEmpty())
        return;
    if (ids.size() > 1) {
        APrompter::instance()->message(QMessageBox::Warning, titulo(),
                                       tr("Only one course shift can be edited at a time"), QMessageBox::Ok,
                                       QMessageBox::NoButton, tr("Select only one course shift and try again"));
        return;
    }
    std::unique_ptr<TurnoCurso> turno(TurnoCurso::getFromDB(ids.first()));
    if (!turno)
        return;
    auto* dialog = new CursoDialog(this);
    dialog->setCurso(turno->getCurso());
    turno.reset();
    dialog->exec();
}

void CursosWidget::deleteTurnoCurso()
{
    const int n = ui->tbvCursos->selectionModel()->selectedRows().size();
    if (n < 1)
        return;
    const auto respuesta = APrompter::instance()->message(
        QMessageBox::Question, titulo(), tr("Selected course shifts will be permanently deleted."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
        tr("Are you sure you want to delete %n course shifts(s) selected?", nullptr, n));
    if (respuesta != QMessageBox::Yes)
        return;
    // Every removal resets the shared model, and with it the selection.
    const QList<int> ids = selectedIds();
    for (int id : ids) {
        if (TurnoCurso::remove(id))
            continue;
        APrompter::instance()->message(QMessageBox::Critical, titulo(), tr("Internal error deleting course shift."));
        qWarning() << "No se pudo borrar el turno de curso con id = " << id;
    }
}

void CursosWidget::printList()
{
    ASaveAsHelper::printTableView(tr("Course list"), ui->tbvCursos);
}

void CursosWidget::saveListAs()
{
    ASaveAsHelper::saveAs(this, tr("Course list"), tr("listado_cursos"), ui->tbvCursos);
}

void CursosWidget::slotHtmlListAlumno()
{
    TipoListadoPorCursoDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    switch (dialog.tipoListado()) {
    case TipoListadoPorCursoDialog::AlumnosConImportes:
        listadoAlumnos(true);
        break;
    case TipoListadoPorCursoDialog::AlumnosSinImportes:
        listadoAlumnos(false);
        break;
    case TipoListadoPorCursoDialog::Altas:
        listadoAltas(dialog.fechaDesde(), dialog.fechaHasta());
        break;
    case TipoListadoPorCursoDialog::Bajas:
        listadoBajas(dialog.fechaDesde(), dialog.fechaHasta());
        break;
    default:
        break;
    }
}

void CursosWidget::listadoAlumnos(bool conImportes)
{
    listados([conImportes](TurnoCurso* turno) { return turno->listado(conImportes, 0, QDate(), QDate()); });
}

void CursosWidget::listadoAltas(QDate desde, QDate hasta)
{
    listados([desde, hasta](TurnoCurso* turno) { return turno->listadoAltas(desde, hasta); });
}

void CursosWidget::listadoBajas(QDate desde, QDate hasta)
{
    listados([desde, hasta](TurnoCurso* turno) { return turno->listadoBajas(desde, hasta); });
}

void CursosWidget::listados(const std::function<Listado*(TurnoCurso*)>& listadoDe)
{
    const QList<int> ids = selectedIds();
    if (ids.isEmpty())
        return;
    QList<Listado*> conFilas;
    for (int id : ids) {
        std::unique_ptr<TurnoCurso> turno(TurnoCurso::getFromDB(id));
        if (!turno)
            continue;
        Listado* listado = listadoDe(turno.get());
        if (listado && listado->isValid())
            conFilas << listado;
        else
            delete listado;
    }
    showListados(conFilas);
    qDeleteAll(conFilas);
}

QString CursosWidget::htmlPage(const QString& content)
{
    return Academia::rellenarPlantilla(QStringLiteral(":/html/pageListado.html"),
                                       {{QStringLiteral("%%CONTENT%%"), content}});
}

PrintUtils* CursosWidget::documentoListados(const QList<Listado*>& listados)
{
    if (listados.isEmpty())
        return nullptr;
    QString contenido;
    for (int i = 0; i < listados.size(); ++i) {
        QString html = listados.at(i)->toHtml(true);
        // Each listing starts a page; none follows the last one.
        if (i < listados.size() - 1)
            html.replace(QLatin1String("page-break-after:auto;"), QLatin1String("page-break-after:always;"));
        contenido += html;
    }
    const QString pie = Academia::pieListado();
    return new PrintUtils(Academia::cabeceraListado(), htmlPage(contenido), pie, nullptr,
                          {{QStringLiteral("resources://logo"), Academia::logo()}});
}

void CursosWidget::showListados(QList<Listado*> listados)
{
    std::unique_ptr<PrintUtils> documento(documentoListados(listados));
    if (!documento) {
        APrompter::instance()->message(QMessageBox::Information, titulo(), tr("There is no data in selected lists."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    preview(documento.get(), &printer);
}

void CursosWidget::preview(PrintUtils* documento, QPrinter* printer)
{
    documento->preview(printer);
}
