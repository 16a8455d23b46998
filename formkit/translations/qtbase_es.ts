<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Conjunto de páginas:</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Impresión a doble cara</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Encuadernación por el lado largo</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Encuadernación por el lado corto</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Página actual</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Intercalar</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Derecha a izquierda, arriba a abajo</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Las opciones «Páginas por hoja» y «Conjunto de páginas» no se pueden usar a la vez.
Desactive una de ellas.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Definición de páginas no válida</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 no sigue la sintaxis correcta. Use «,» para separar intervalos y páginas y «-» para definir intervalos, y compruebe que los intervalos no se solapan.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Conflictos en la impresión a doble cara</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Hay conflictos en la configuración de doble cara. ¿Quiere corregirlos?</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Imprimir a archivo...</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 es una carpeta.
Elija un nombre de archivo diferente.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>No se puede escribir en el archivo %1.
Elija un nombre de archivo diferente.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Propiedades de la impresora</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opciones del trabajo</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Conflictos en la configuración de página</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Hay conflictos en las opciones de configuración de página. ¿Quiere corregirlos?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Conflictos en las opciones avanzadas</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Hay conflictos en algunas opciones avanzadas. ¿Quiere corregirlos?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Hay conflictos en algunas opciones. Corríjalos.</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job Control</source>
        <translation>Control del trabajo</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Segundo turno (16:00 a 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tercer turno (00:00 a 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Fin de semana (sábado a domingo)</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Archivo %1</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arquitecto D</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Papel continuo alemán (8.5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Papel continuo EE. UU. (14.875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Papel continuo alemán legal (8.5 x 13 in)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Personalizado (%1in x %2in)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Archivo de salida:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nombre de archivo:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Archivos de tipo:</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>El archivo %1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Archivo no encontrado.
Verifique que el nombre del archivo es correcto.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
</context>
</TS>
