<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl_ES" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gardar</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Gardar todo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Si</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Si a &amp;todo</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;on a todo</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar os valores predeterminados</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Pechar</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Pechar sen gardar</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Amosar os detalles...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Agochar os detalles...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Acerca de Qt</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Introduza un valor:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages from</source>
        <translation>Páxinas desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>ata</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páxinas</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Conxunto de páxinas:</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Impresión a dobre cara</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Encadernación polo lado longo</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Encadernación polo lado curto</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Write PDF file</source>
        <translation>Escribir un ficheiro PDF</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Todas as páxinas</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Páxinas impares</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Páxinas pares</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Esquerda a dereita, arriba a abaixo</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Esquerda a dereita, abaixo a arriba</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Dereita a esquerda, abaixo a arriba</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Dereita a esquerda, arriba a abaixo</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Abaixo a arriba, esquerda a dereita</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Abaixo a arriba, dereita a esquerda</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Arriba a abaixo, esquerda a dereita</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Arriba a abaixo, dereita a esquerda</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>As opcións «Páxinas por folla» e «Conxunto de páxinas» non se poden usar á vez.
Desactive unha delas.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Definición de páxinas non válida</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 non segue a sintaxe correcta. Use «,» para separar intervalos e páxinas e «-» para definir intervalos, e comprobe que os intervalos non se solapan.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Conflitos na impresión a dobre cara</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Hai conflitos na configuración de dobre cara. Quere corrixilos?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Propiedades da impresora</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opcións do traballo</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Conflitos na configuración da páxina</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Hai conflitos nas opcións de configuración da páxina. Quere corrixilos?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Conflitos nas opcións avanzadas</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Hai conflitos nalgunhas opcións avanzadas. Quere corrixilos?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Hai conflitos nalgunhas opcións. Corríxaos.</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Deseño da páxina</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Orde das páxinas:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Páxinas por folla:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Picas (P̸)</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Traballo</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Control do traballo</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Impresión programada:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Imprimir inmediatamente</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Reter indefinidamente</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Día (06:00 a 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Noite (18:00 a 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Segunda quenda (16:00 a 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Terceira quenda (00:00 a 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Fin de semana (sábado a domingo)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Hora concreta</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Información de facturación:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioridade do traballo:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Páxinas de cabeceira</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Final:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ningunha</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Sen clasificar</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Confidencial</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Clasificado</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secreto</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Alto secreto</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Files</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Seguro que quere borrar «%1»?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista de lugares e marcadores</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Ficheiro %1</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Amosar </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Amosar os ficheiros &amp;agochados</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartafol</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Ficheiro %1</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Carta / ANSI A</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Sobre Monarca</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Arquitecto A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arquitecto B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arquitecto C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arquitecto D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arquitecto E</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Carta extra</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Carta pequena</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Carta plus</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executivo (7.5 x 10 in)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executivo (7.25 x 10.5 in)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K grande</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 pequeno</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Postal</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Postal dobre</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloide / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloide extra</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Libro maior / ANSI B</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal extra</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Declaración</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Papel continuo alemán (8.5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Papel continuo EUA (14.875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Papel continuo alemán legal (8.5 x 13 in)</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Sobre invitación</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Sobre italiano</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Sobre persoal</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Personalizado (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Personalizado (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Personalizado (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Personalizado (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Personalizado (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Personalizado (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Sobre You 4</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Sobre EUA 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Sobre EUA 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Sobre EUA 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Sobre EUA 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Sobre EUA 14</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Sobre C65</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Sobre DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Sobre B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Sobre B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Sobre B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Sobre C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Sobre C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Sobre C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Sobre C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Sobre C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Sobre C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Sobre C6</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Sobre C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Sobre Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Sobre Chou 4</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Sobre Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Sobre Kaku 3</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Sobre PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Sobre PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Sobre PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Sobre PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Sobre PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Sobre PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Sobre PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Sobre PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Sobre PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Sobre PRC 10</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa da impresión</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Amosar un resumo de todas as páxinas</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Amosar unha soa páxina</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Amosar as páxinas opostas</translation>
    </message>
</context>
<context>
    <name>QErrorMessage</name>
    <message>
        <source>&amp;Show this message again</source>
        <translation>&amp;Amosar esta mensaxe de novo</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>A&amp;pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Escoller todo</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiar o &amp;enderezo da ligazón</translation>
    </message>
</context>
</TS>
