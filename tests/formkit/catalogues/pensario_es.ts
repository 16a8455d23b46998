<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TestApp</name>
    <message>
        <source>Good morning</source>
        <translation>Buenos días</translation>
    </message>
</context>
</TS>
