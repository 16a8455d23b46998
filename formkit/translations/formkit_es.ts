<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AMainWindow</name>
    <message>
        <source>LGPL v2.1 license</source>
        <translation>Licencia LGPL v2.1</translation>
    </message>
    <message>
        <source>Qt LGPL v2.1 exception</source>
        <translation>Excepción LGPL v2.1 de Qt</translation>
    </message>
    <message>
        <source>Oxygen copyright notice</source>
        <translation>Aviso de copyright de Oxygen</translation>
    </message>
    <message>
        <source>LGPL v3 license</source>
        <translation>Licencia LGPL v3</translation>
    </message>
    <message>
        <source>GPL v3 license</source>
        <translation>Licencia GPL v3</translation>
    </message>
    <message>
        <source>About using modifiable icons</source>
        <translation>Acerca del uso de iconos modificables</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;p&gt;Most icons used in this application are distributed under the &lt;a href=&quot;about:license-lgplv3&quot;&gt;LGPL v3 license&lt;/a&gt; (see the related &lt;a href=&quot;about:license-gplv3&quot;&gt;GPL v3 license&lt;/a&gt; too). This allows you to use modified versions of that icons with this application.&lt;/p&gt;&lt;p&gt;To use your own version of the icon, put it with the right name and format in the folder &quot;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&quot;. If the folder or an specific icon doesn&apos;t exist, the default one will be used.&lt;/p&gt;&lt;p&gt;You can choose the option &quot;Populate external icons folder&quot; to automatically create the icons folder, and fill it with the default versions. Existing icons in that folder won&apos;t be replaced. This will allow you to access to the original icon data, and to know the names, formats and sizes you should use.&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;p&gt;La mayoría de los iconos usados en esta aplicación se distribuyen bajo la &lt;a href=&quot;about:license-lgplv3&quot;&gt;licencia LGPL v3&lt;/a&gt; (vea también la &lt;a href=&quot;about:license-gplv3&quot;&gt;licencia GPL v3&lt;/a&gt; relacionada). Esto le permite usar versiones modificadas de esos iconos con esta aplicación.&lt;/p&gt;&lt;p&gt;Para usar su propia versión de un icono, póngala con el nombre y formato correctos en la carpeta &quot;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&quot;. Si la carpeta o un icono concreto no existen, se usará el icono predeterminado.&lt;/p&gt;&lt;p&gt;Puede elegir la opción &quot;Llenar la carpeta de iconos externos&quot; para crear automáticamente la carpeta de iconos y llenarla con las versiones predeterminadas. Los iconos que ya existan en esa carpeta no se reemplazarán. Así podrá acceder a los datos originales de los iconos y conocer los nombres, formatos y tamaños que debe usar.&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Populate external icons folder</source>
        <translation>Llenar la carpeta de iconos externos</translation>
    </message>
    <message>
        <source>Couldn&apos;t create icon folder</source>
        <translation>No se pudo crear la carpeta de iconos</translation>
    </message>
    <message>
        <source>The external icon folder couldn&apos;t be created. Please check that you have the right permissions or space available: %1</source>
        <translation>No se pudo crear la carpeta de iconos externos. Compruebe que tiene los permisos necesarios o espacio disponible: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create icons in folder</source>
        <translation>No se pudieron crear los iconos en la carpeta</translation>
    </message>
    <message>
        <source>There were no list of icons so I can not create the icons in the folder</source>
        <translation>No hay una lista de iconos, así que no se pueden crear los iconos en la carpeta</translation>
    </message>
    <message>
        <source>Couldn&apos;t create icon</source>
        <translation>No se pudo crear el icono</translation>
    </message>
    <message>
        <source>The external icon &quot;%1&quot; couldn&apos;t be created. Please check that you have the right permissions or space available.</source>
        <translation>No se pudo crear el icono externo &quot;%1&quot;. Compruebe que tiene los permisos necesarios o espacio disponible.</translation>
    </message>
</context>
<context>
    <name>ATableView</name>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Select columns...</source>
        <translation>Seleccionar columnas...</translation>
    </message>
    <message>
        <source>Hidden columns</source>
        <translation>Columnas ocultas</translation>
    </message>
    <message>
        <source>Showing columns</source>
        <translation>Columnas visibles</translation>
    </message>
    <message>
        <source>Select visible columns</source>
        <translation>Seleccionar las columnas visibles</translation>
    </message>
</context>
<context>
    <name>ATextViewerBox</name>
    <message>
        <source>Text viewer</source>
        <translation>Visor de texto</translation>
    </message>
</context>
<context>
    <name>SelectColumnsDialog</name>
    <message>
        <source>SelectDialog</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Seleccionadas</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Posibles</translation>
    </message>
</context>
</TS>
