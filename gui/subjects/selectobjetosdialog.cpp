#include "selectobjetosdialog.h"
#include "ui_selectobjetosdialog.h"

#include "atextfilter.h"

SelectObjetosDialog::SelectObjetosDialog(QWidget* parent, Qt::WindowFlags f)
    : QDialog(parent, f)
    , ui(new Ui::SelectObjetosDialog)
{
    ui->setupUi(this);
    ui->splitter->setStretchFactor(0, 3);
    ui->splitter->setStretchFactor(1, 2);
    connect(ui->lwObjetos, &QListWidget::currentRowChanged, this, &SelectObjetosDialog::showDetails);
    connect(ui->btNuevoObjeto, &QPushButton::clicked, this, &SelectObjetosDialog::addObjeto);
    connect(ui->leFiltro, &QLineEdit::textChanged, this, &SelectObjetosDialog::aplicaFiltro);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &SelectObjetosDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &SelectObjetosDialog::reject);
}

SelectObjetosDialog::~SelectObjetosDialog()
{
    delete ui;
}

// A plain text, no wildcards, found whatever its case and accents.
void SelectObjetosDialog::aplicaFiltro(const QString& filtro)
{
    const QString buscado = ATextFilter::fold(filtro);
    if (buscado == m_ultimoFiltro)
        return;
    // A filter that only narrows the last one need not look at hidden items again.
    const bool soloVisibles = buscado.contains(m_ultimoFiltro);
    for (int i = 0; i < ui->lwObjetos->count(); ++i) {
        QListWidgetItem* item = ui->lwObjetos->item(i);
        if (soloVisibles && item->isHidden())
            continue;
        item->setHidden(!m_claves.value(i).contains(buscado));
    }
    m_ultimoFiltro = buscado;
    const QList<QListWidgetItem*> seleccion = ui->lwObjetos->selectedItems();
    for (QListWidgetItem* item : seleccion) {
        if (item->isHidden())
            item->setSelected(false);
    }
}

void SelectObjetosDialog::setObjetos(const QStringList& nombres)
{
    ui->lwObjetos->clear();
    ui->leFiltro->clear();
    ui->lwObjetos->addItems(nombres);
    m_claves.clear();
    for (const QString& nombre : nombres)
        m_claves << ATextFilter::fold(nombre);
}

void SelectObjetosDialog::muestraDetalles(const QList<QPair<QString, QString>>& detalles)
{
    QString html;
    for (const auto& detalle : detalles)
        html += QStringLiteral("<h3>") + detalle.first.toHtmlEscaped() + QStringLiteral("</h3><p>")
                + detalle.second.toHtmlEscaped() + QStringLiteral("</p>");
    ui->lblObjeto->setText(html);
}

void SelectObjetosDialog::setTextoBotonNuevo(const QString& texto)
{
    ui->btNuevoObjeto->setText(texto);
}

int SelectObjetosDialog::selectedRow() const
{
    const QList<QListWidgetItem*> seleccion = ui->lwObjetos->selectedItems();
    return seleccion.isEmpty() ? -1 : ui->lwObjetos->row(seleccion.first());
}
