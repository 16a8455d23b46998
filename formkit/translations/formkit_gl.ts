<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl">
<context>
    <name>AMainWindow</name>
    <message>
        <source>LGPL v2.1 license</source>
        <translation>Licenza LGPL v2.1</translation>
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
        <translation>Licenza LGPL v3</translation>
    </message>
    <message>
        <source>GPL v3 license</source>
        <translation>Licenza GPL v3</translation>
    </message>
    <message>
        <source>About using modifiable icons</source>
        <translation>Acerca do uso de iconas modificables</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;p&gt;Most icons used in this application are distributed under the &lt;a href=&quot;about:license-lgplv3&quot;&gt;LGPL v3 license&lt;/a&gt; (see the related &lt;a href=&quot;about:license-gplv3&quot;&gt;GPL v3 license&lt;/a&gt; too). This allows you to use modified versions of that icons with this application.&lt;/p&gt;&lt;p&gt;To use your own version of the icon, put it with the right name and format in the folder &quot;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&quot;. If the folder or an specific icon doesn&apos;t exist, the default one will be used.&lt;/p&gt;&lt;p&gt;You can choose the option &quot;Populate external icons folder&quot; to automatically create the icons folder, and fill it with the default versions. Existing icons in that folder won&apos;t be replaced. This will allow you to access to the original icon data, and to know the names, formats and sizes you should use.&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;p&gt;A maioría das iconas empregadas nesta aplicación distribúense baixo a &lt;a href=&quot;about:license-lgplv3&quot;&gt;licenza LGPL v3&lt;/a&gt; (vexa tamén a &lt;a href=&quot;about:license-gplv3&quot;&gt;licenza GPL v3&lt;/a&gt; relacionada). Isto permítelle empregar versións modificadas desas iconas con esta aplicación.&lt;/p&gt;&lt;p&gt;Para empregar a súa propia versión dunha icona, póñaa co nome e formato correctos no cartafol &quot;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&quot;. Se o cartafol ou unha icona concreta non existen, empregarase a icona predeterminada.&lt;/p&gt;&lt;p&gt;Pode escoller a opción &quot;Encher o cartafol de iconas externas&quot; para crear automaticamente o cartafol de iconas e enchelo coas versións predeterminadas. As iconas que xa existan nese cartafol non se substituirán. Así poderá acceder aos datos orixinais das iconas e coñecer os nomes, formatos e tamaños que debe empregar.&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Populate external icons folder</source>
        <translation>Encher o cartafol de iconas externas</translation>
    </message>
    <message>
        <source>Couldn&apos;t create icon folder</source>
        <translation>Non se puido crear o cartafol de iconas</translation>
    </message>
    <message>
        <source>The external icon folder couldn&apos;t be created. Please check that you have the right permissions or space available: %1</source>
        <translation>Non se puido crear o cartafol de iconas externas. Comprobe que ten os permisos necesarios ou espazo dispoñible: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create icons in folder</source>
        <translation>Non se puideron crear as iconas no cartafol</translation>
    </message>
    <message>
        <source>There were no list of icons so I can not create the icons in the folder</source>
        <translation>Non hai unha lista de iconas, así que non se poden crear as iconas no cartafol</translation>
    </message>
    <message>
        <source>Couldn&apos;t create icon</source>
        <translation>Non se puido crear a icona</translation>
    </message>
    <message>
        <source>The external icon &quot;%1&quot; couldn&apos;t be created. Please check that you have the right permissions or space available.</source>
        <translation>Non se puido crear a icona externa &quot;%1&quot;. Comprobe que ten os permisos necesarios ou espazo dispoñible.</translation>
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
        <translation>Ningunha</translation>
    </message>
    <message>
        <source>Select columns...</source>
        <translation>Seleccionar columnas...</translation>
    </message>
    <message>
        <source>Hidden columns</source>
        <translation>Columnas agochadas</translation>
    </message>
    <message>
        <source>Showing columns</source>
        <translation>Columnas visibles</translation>
    </message>
    <message>
        <source>Select visible columns</source>
        <translation>Seleccionar as columnas visibles</translation>
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
