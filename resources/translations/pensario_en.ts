<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AppStatusDialog</name>
    <message numerus="yes">
        <source>Omitted %n error(s)</source>
        <translation>
            <numerusform>Omitted %n error</numerusform>
            <numerusform>Omitted %n errors</numerusform>
        </translation>
    </message>
</context>
</TS>
