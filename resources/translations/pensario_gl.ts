<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl_ES">
<context>
    <name>ASaveAsHelper</name>
    <message>
        <source>&lt;p align=&quot;center&quot;&gt;Page %%PAGENUM%% of %%PAGECOUNT%%&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;center&quot;&gt;Páxina %%PAGENUM%% de %%PAGECOUNT%%&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Excel (*.xlsx)</source>
        <translation>Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Comma separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Páxina web (*.html)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save listing</source>
        <translation>Gardar listaxe</translation>
    </message>
    <message>
        <source>Format is not valid</source>
        <translation>O formato non é válido</translation>
    </message>
    <message>
        <source>Can&apos;t generate listings in selected format: </source>
        <translation>Non se poden xerar listaxes no formato seleccionado: </translation>
    </message>
    <message>
        <source>Error creating file</source>
        <translation>Erro ao crear o ficheiro</translation>
    </message>
    <message>
        <source>&lt;html&gt;An error happened while creating listing file</source>
        <translation>&lt;html&gt;Produciuse un erro ao crear o ficheiro da listaxe</translation>
    </message>
    <message>
        <source>Check the file&apos;s name, you have write permission and enough disk space.</source>
        <translation>Comprobe o nome do ficheiro, que ten permiso de escritura e espazo suficiente no disco.</translation>
    </message>
</context>
<context>
    <name>Academia</name>
    <message>
        <source>Student %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>O alumno %1 ten a sesión %5 solapada o %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Teacher %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>O profesor %1 ten a sesión %5 solapada o %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Subject %1 is overlapped %2s from %3:%4 to %6:%7</source>
        <translation>A materia %1 solápase o %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Classroom %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>A aula %1 ten a sesión %5 solapada o %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Student %1 has already signed up in subject %2, shift %3</source>
        <translation>O alumno %1 xa está dado de alta na materia %2, quenda %3</translation>
    </message>
    <message>
        <source>The office is open from %1 to %2 %3</source>
        <translation>O horario da secretaría é de %1 a %2 %3</translation>
    </message>
    <message>
        <source>and from %1 to %2</source>
        <translation>e de %1 a %2</translation>
    </message>
</context>
<context>
    <name>AlumnoTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apelidos</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Colexio</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observacións</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidade</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Desconto</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Teléfonos</translation>
    </message>
</context>
<context>
    <name>Asignatura</name>
    <message>
        <source>Subject couldn&apos;t be removed because it has shifts.</source>
        <translation>Non se puido eliminar a materia porque ten quendas.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and course.</source>
        <translation>Erro ao eliminar a relación entre a materia e o curso.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and teacher.</source>
        <translation>Erro ao eliminar a relación entre a materia e o profesor.</translation>
    </message>
</context>
<context>
    <name>AsignaturasAlumnoTableModel</name>
    <message>
        <source>Subject</source>
        <translation>Materia</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Quenda</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Data de alta</translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation>Data de baixa</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezo</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observacións</translation>
    </message>
</context>
<context>
    <name>DBManager</name>
    <message>
        <source>Invalid database name.
A name can&apos;t contain &quot;/&quot;, &quot;\&quot;, &quot;..&quot; or &quot;.db_&quot;, nor begin with &quot;.&quot;.</source>
        <translation>Nome de base de datos non válido.
Un nome non pode conter &quot;/&quot;, &quot;\&quot;, &quot;..&quot; nin &quot;.db_&quot;, nin comezar por &quot;.&quot;.</translation>
    </message>
    <message>
        <source>Databases without name can&apos;t be created.</source>
        <translation>Non se poden crear bases de datos sen nome.</translation>
    </message>
    <message>
        <source>There is already a database with the same name. Database can&apos;t be created.</source>
        <translation>Xa existe unha base de datos co mesmo nome. Non se pode crear a base de datos.</translation>
    </message>
    <message>
        <source>Create password - %1</source>
        <translation>Crear contrasinal - %1</translation>
    </message>
    <message>
        <source>The default database has no password.</source>
        <translation>A base de datos predeterminada non ten contrasinal.</translation>
    </message>
    <message>
        <source>Database &quot;%1&quot; has no password.</source>
        <translation>A base de datos &quot;%1&quot; non ten contrasinal.</translation>
    </message>
    <message>
        <source>All databases must have password, so you must enter a password right now for this database:</source>
        <translation>Todas as bases de datos deben ter contrasinal, así que debe introducir agora mesmo un contrasinal para esta base de datos:</translation>
    </message>
    <message>
        <source>You can&apos;t enter an empty password. Try again</source>
        <translation>Non pode introducir un contrasinal baleiro. Ténteo de novo</translation>
    </message>
    <message>
        <source>Reenter password:</source>
        <translation>Volva introducir o contrasinal:</translation>
    </message>
    <message>
        <source>Passwords don&apos;t match. Try again</source>
        <translation>Os contrasinais non coinciden. Ténteo de novo</translation>
    </message>
    <message>
        <source>Password for default database</source>
        <translation>Contrasinal da base de datos predeterminada</translation>
    </message>
    <message>
        <source>Password for database &quot;%1&quot;</source>
        <translation>Contrasinal da base de datos &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introduza o contrasinal</translation>
    </message>
</context>
<context>
    <name>Dao</name>
    <message>
        <source>Unable to update de database. Unable to open file :/scripts/%1.sql</source>
        <translation>Non se pode actualizar a base de datos. Non se pode abrir o ficheiro :/scripts/%1.sql</translation>
    </message>
</context>
<context>
    <name>ListadoResEcon</name>
    <message>
        <source>DATE</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>CASHED/BANK</source>
        <translation>COBRADO/BANCO</translation>
    </message>
    <message>
        <source>CASHED/CASH</source>
        <translation>COBRADO/CAIXA</translation>
    </message>
    <message>
        <source>PAID/CASH</source>
        <translation>PAGADO/CAIXA</translation>
    </message>
    <message>
        <source>PENDING</source>
        <translation>PENDENTE</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>TOTAIS</translation>
    </message>
    <message>
        <source>TC1: </source>
        <extracomment>Do not put utf8 chars in it.</extracomment>
        <translation>TC1: </translation>
    </message>
</context>
<context>
    <name>Profesor</name>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Materia</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Student listing for teacher: %1 </source>
        <translation>Listaxe de alumnos do profesor: %1 </translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Generated income</source>
        <translation>Ingresos xerados</translation>
    </message>
    <message>
        <source>Withholdings</source>
        <translation>Retencións</translation>
    </message>
    <message>
        <source>Ready cash perceived</source>
        <translation>Efectivo percibido</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>TOTAIS</translation>
    </message>
    <message>
        <source>Economic summary</source>
        <translation>Resumo económico</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>€/month</source>
        <translation>€/mes</translation>
    </message>
    <message>
        <source>€ for teacher</source>
        <translation>€ para o profesor</translation>
    </message>
    <message>
        <source>Fixed salary</source>
        <translation>Soldo fixo</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>€/hour</source>
        <translation>€/hora</translation>
    </message>
    <message>
        <source>Fixed salary an hour</source>
        <translation>Soldo fixo por hora</translation>
    </message>
    <message>
        <source>Amount raised</source>
        <translation>Importe recadado</translation>
    </message>
    <message>
        <source>% for teacher</source>
        <translation>% para o profesor</translation>
    </message>
    <message>
        <source>Of salary by percentage</source>
        <translation>Soldo por porcentaxe</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Withholding</source>
        <translation>Retención</translation>
    </message>
    <message>
        <source>Total received</source>
        <translation>Total percibido</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>ProfesorTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apelidos</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Alcume</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidade</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Salary %</source>
        <translation>% de soldo</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Desconto</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Data de alta</translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation>Data de baixa</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Teléfonos</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The capacity of classroom %1 is surpassed by %2 students on %3 at %4:%5</source>
        <translation>O aforo da aula %1 supérase en %2 alumnos o %3 ás %4:%5</translation>
    </message>
    <message>
        <source>Student %1 is signed up in two shifts of subject %2</source>
        <translation>O alumno %1 está dado de alta en dúas quendas da materia %2</translation>
    </message>
    <message>
        <source>Session shouldn&apos;t begin %3 at %1:%2, because the configured opening hours are from %4 to %5</source>
        <translation>A sesión non debería comezar o %3 ás %1:%2, porque o horario de apertura configurado é de %4 a %5</translation>
    </message>
    <message>
        <source>In classroom %1 there is no professor %2s at %3:%4</source>
        <translation>Na aula %1 non hai profesor o %2 ás %3:%4</translation>
    </message>
    <message>
        <source>Subject %1 of course %2 has no shifts assigned</source>
        <translation>A materia %1 do curso %2 non ten quendas asignadas</translation>
    </message>
    <message>
        <source>The shift %2 of subject %1 has no sessions assigned</source>
        <translation>A quenda %2 da materia %1 non ten sesións asignadas</translation>
    </message>
</context>
<context>
    <name>Recibo</name>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Desconto</translation>
    </message>
</context>
<context>
    <name>ReciboTableModel</name>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Concept</source>
        <translation>Concepto</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Desconto</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apelidos</translation>
    </message>
</context>
<context>
    <name>TurnoAsignatura</name>
    <message>
        <source>The selected shift has assigned sessions</source>
        <translation>A quenda seleccionada ten sesións asignadas</translation>
    </message>
    <message>
        <source>The %1 shift of the %2 subject has one or more assigned sessions, these sessions will also be deleted</source>
        <translation>A quenda %1 da materia %2 ten unha ou máis sesións asignadas, que tamén se eliminarán</translation>
    </message>
</context>
<context>
    <name>TurnoAsignaturaTableModel</name>
    <message>
        <source>Subject</source>
        <translation>Materia</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Quenda</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrición</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezo</translation>
    </message>
    <message>
        <source>Courses</source>
        <translation>Cursos</translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation>Profesores</translation>
    </message>
    <message>
        <source>Number of students</source>
        <translation>Número de alumnos</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Orde</translation>
    </message>
</context>
<context>
    <name>TurnoCurso</name>
    <message>
        <source>Registrations from %1 to %2</source>
        <translation>Altas do %1 ao %2</translation>
    </message>
    <message>
        <source>Withdraw from %1 to %2</source>
        <translation>Baixas do %1 ao %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>COMMENTS</source>
        <translation>OBSERVACIÓNS</translation>
    </message>
</context>
<context>
    <name>TurnoCursoTableModel</name>
    <message>
        <source>Course</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Quenda</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrición</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezo</translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation>Número de materias</translation>
    </message>
</context>
</TS>
