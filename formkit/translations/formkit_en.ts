<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AMainWindow</name>
    <message>
        <source>LGPL v2.1 license</source>
        <translation>LGPL v2.1 license</translation>
    </message>
    <message>
        <source>Qt LGPL v2.1 exception</source>
        <translation>Qt LGPL v2.1 exception</translation>
    </message>
    <message>
        <source>Oxygen copyright notice</source>
        <translation>Oxygen copyright notice</translation>
    </message>
    <message>
        <source>LGPL v3 license</source>
        <translation>LGPL v3 license</translation>
    </message>
    <message>
        <source>GPL v3 license</source>
        <translation>GPL v3 license</translation>
    </message>
    <message>
        <source>About using modifiable icons</source>
        <translation>About using modifiable icons</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;p&gt;Most icons used in this application are distributed under the &lt;a href=&quot;about:license-lgplv3&quot;&gt;LGPL v3 license&lt;/a&gt; (see the related &lt;a href=&quot;about:license-gplv3&quot;&gt;GPL v3 license&lt;/a&gt; too). This allows you to use modified versions of that icons with this application.&lt;/p&gt;&lt;p&gt;To use your own version of the icon, put it with the right name and format in the folder &quot;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&quot;. If the folder or an specific icon doesn&apos;t exist, the default one will be used.&lt;/p&gt;&lt;p&gt;You can choose the option &quot;Populate external icons folder&quot; to automatically create the icons folder, and fill it with the default versions. Existing icons in that folder won&apos;t be replaced. This will allow you to access to the original icon data, and to know the names, formats and sizes you should use.&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;p&gt;Most icons used in this application are distributed under the &lt;a href=&quot;about:license-lgplv3&quot;&gt;LGPL v3 license&lt;/a&gt; (see the related &lt;a href=&quot;about:license-gplv3&quot;&gt;GPL v3 license&lt;/a&gt; too). This allows you to use modified versions of that icons with this application.&lt;/p&gt;&lt;p&gt;To use your own version of the icon, put it with the right name and format in the folder &quot;&lt;a href=&quot;%1&quot;&gt;%2&lt;/a&gt;&quot;. If the folder or an specific icon doesn&apos;t exist, the default one will be used.&lt;/p&gt;&lt;p&gt;You can choose the option &quot;Populate external icons folder&quot; to automatically create the icons folder, and fill it with the default versions. Existing icons in that folder won&apos;t be replaced. This will allow you to access to the original icon data, and to know the names, formats and sizes you should use.&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Populate external icons folder</source>
        <translation>Populate external icons folder</translation>
    </message>
    <message>
        <source>Couldn&apos;t create icon folder</source>
        <translation>Couldn&apos;t create icon folder</translation>
    </message>
    <message>
        <source>The external icon folder couldn&apos;t be created. Please check that you have the right permissions or space available: %1</source>
        <translation>The external icon folder couldn&apos;t be created. Please check that you have the right permissions or space available: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create icons in folder</source>
        <translation>Couldn&apos;t create icons in folder</translation>
    </message>
    <message>
        <source>There were no list of icons so I can not create the icons in the folder</source>
        <translation>There were no list of icons so I can not create the icons in the folder</translation>
    </message>
    <message>
        <source>Couldn&apos;t create icon</source>
        <translation>Couldn&apos;t create icon</translation>
    </message>
    <message>
        <source>The external icon &quot;%1&quot; couldn&apos;t be created. Please check that you have the right permissions or space available.</source>
        <translation>The external icon &quot;%1&quot; couldn&apos;t be created. Please check that you have the right permissions or space available.</translation>
    </message>
</context>
<context>
    <name>ATableView</name>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Select columns...</source>
        <translation>Select columns...</translation>
    </message>
    <message>
        <source>Hidden columns</source>
        <translation>Hidden columns</translation>
    </message>
    <message>
        <source>Showing columns</source>
        <translation>Showing columns</translation>
    </message>
    <message>
        <source>Select visible columns</source>
        <translation>Select visible columns</translation>
    </message>
</context>
<context>
    <name>ATextViewerBox</name>
    <message>
        <source>Text viewer</source>
        <translation>Text viewer</translation>
    </message>
</context>
<context>
    <name>SelectColumnsDialog</name>
    <message>
        <source>SelectDialog</source>
        <translation>SelectDialog</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Possible</translation>
    </message>
</context>
</TS>
