<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AlumnosWidget</name>
    <message numerus="yes">
        <source>Are you sure you want to withdraw %n student(s) selected from all their subjects?</source>
        <translation>
            <numerusform>Are you sure you want to withdraw %n student selected from all their subjects?</numerusform>
            <numerusform>Are you sure you want to withdraw %n students selected from all their subjects?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n chosen students?</source>
        <translation>
            <numerusform>Are you sure you want to delete the %n chosen student?</numerusform>
            <numerusform>Are you sure you want to delete the %n chosen students?</numerusform>
        </translation>
    </message>
</context>
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
<context>
    <name>AsignaturasWidget</name>
    <message numerus="yes">
        <source>Are you sure you want to delete %n selected shift(s)?</source>
        <translation>
            <numerusform>Are you sure you want to delete %n selected shift?</numerusform>
            <numerusform>Are you sure you want to delete %n selected shifts?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CursosWidget</name>
    <message numerus="yes">
        <source>Are you sure you want to delete %n course shifts(s) selected?</source>
        <translation>
            <numerusform>Are you sure you want to delete the selected course shift?</numerusform>
            <numerusform>Are you sure you want to delete the %n selected course shifts?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintUtils</name>
    <message numerus="yes">
        <source>The preview will have %n page(s).</source>
        <translation>
            <numerusform>The preview will have %n page.</numerusform>
            <numerusform>The preview will have %n pages.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfesoresWidget</name>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected teacher(s)?</source>
        <translation>
            <numerusform>Are you sure you want to delete the selected teacher?</numerusform>
            <numerusform>Are you sure you want to delete the %n selected teachers?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecibosWidget</name>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected bill(s)?</source>
        <translation>
            <numerusform>Are you sure you want to delete the %n selected bill?</numerusform>
            <numerusform>Are you sure you want to delete the %n selected bills?</numerusform>
        </translation>
    </message>
</context>
</TS>
