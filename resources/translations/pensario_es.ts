<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ASaveAsHelper</name>
    <message>
        <source>&lt;p align=&quot;center&quot;&gt;Page %%PAGENUM%% of %%PAGECOUNT%%&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;</source>
        <translation>&lt;p align=&quot;center&quot;&gt;Página %%PAGENUM%% de %%PAGECOUNT%%&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;</translation>
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
        <translation>Página web (*.html)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save listing</source>
        <translation>Guardar listado</translation>
    </message>
    <message>
        <source>Format is not valid</source>
        <translation>El formato no es válido</translation>
    </message>
    <message>
        <source>Can&apos;t generate listings in selected format: </source>
        <translation>No se pueden generar listados en el formato seleccionado: </translation>
    </message>
    <message>
        <source>Error creating file</source>
        <translation>Error al crear el archivo</translation>
    </message>
    <message>
        <source>&lt;html&gt;An error happened while creating listing file</source>
        <translation>&lt;html&gt;Se produjo un error al crear el archivo del listado</translation>
    </message>
    <message>
        <source>Check the file&apos;s name, you have write permission and enough disk space.</source>
        <translation>Compruebe el nombre del archivo, que tiene permiso de escritura y suficiente espacio en disco.</translation>
    </message>
</context>
<context>
    <name>Academia</name>
    <message>
        <source>Student %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>El alumno %1 tiene la sesión %5 solapada el %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Teacher %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>El profesor %1 tiene la sesión %5 solapada el %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Subject %1 is overlapped %2s from %3:%4 to %6:%7</source>
        <translation>La asignatura %1 se solapa el %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Classroom %1 has session %5 overlapped %2s from %3:%4 to %6:%7</source>
        <translation>El aula %1 tiene la sesión %5 solapada el %2 de %3:%4 a %6:%7</translation>
    </message>
    <message>
        <source>Student %1 has already signed up in subject %2, shift %3</source>
        <translation>El alumno %1 ya está dado de alta en la asignatura %2, turno %3</translation>
    </message>
    <message>
        <source>The office is open from %1 to %2 %3</source>
        <translation>El horario de secretaría es de %1 a %2 %3</translation>
    </message>
    <message>
        <source>and from %1 to %2</source>
        <translation>y de %1 a %2</translation>
    </message>
</context>
<context>
    <name>AlumnoTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Colegio</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidad</translation>
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
        <translation>Descuento</translation>
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
        <translation>No se pudo eliminar la asignatura porque tiene turnos.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and course.</source>
        <translation>Error al eliminar la relación entre la asignatura y el curso.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and teacher.</source>
        <translation>Error al eliminar la relación entre la asignatura y el profesor.</translation>
    </message>
</context>
<context>
    <name>AsignaturasAlumnoTableModel</name>
    <message>
        <source>Subject</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Fecha de alta</translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation>Fecha de baja</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observaciones</translation>
    </message>
</context>
<context>
    <name>DBManager</name>
    <message>
        <source>Invalid database name.
A name can&apos;t contain &quot;/&quot;, &quot;\&quot;, &quot;..&quot; or &quot;.db_&quot;, nor begin with &quot;.&quot;.</source>
        <translation>Nombre de base de datos no válido.
Un nombre no puede contener &quot;/&quot;, &quot;\&quot;, &quot;..&quot; ni &quot;.db_&quot;, ni empezar por &quot;.&quot;.</translation>
    </message>
    <message>
        <source>Databases without name can&apos;t be created.</source>
        <translation>No se pueden crear bases de datos sin nombre.</translation>
    </message>
    <message>
        <source>There is already a database with the same name. Database can&apos;t be created.</source>
        <translation>Ya existe una base de datos con el mismo nombre. No se puede crear la base de datos.</translation>
    </message>
    <message>
        <source>Create password - %1</source>
        <translation>Crear contraseña - %1</translation>
    </message>
    <message>
        <source>The default database has no password.</source>
        <translation>La base de datos predeterminada no tiene contraseña.</translation>
    </message>
    <message>
        <source>Database &quot;%1&quot; has no password.</source>
        <translation>La base de datos &quot;%1&quot; no tiene contraseña.</translation>
    </message>
    <message>
        <source>All databases must have password, so you must enter a password right now for this database:</source>
        <translation>Todas las bases de datos deben tener contraseña, así que debe introducir ahora mismo una contraseña para esta base de datos:</translation>
    </message>
    <message>
        <source>You can&apos;t enter an empty password. Try again</source>
        <translation>No puede introducir una contraseña vacía. Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Reenter password:</source>
        <translation>Vuelva a introducir la contraseña:</translation>
    </message>
    <message>
        <source>Passwords don&apos;t match. Try again</source>
        <translation>Las contraseñas no coinciden. Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Password for default database</source>
        <translation>Contraseña de la base de datos predeterminada</translation>
    </message>
    <message>
        <source>Password for database &quot;%1&quot;</source>
        <translation>Contraseña de la base de datos &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
</context>
<context>
    <name>Dao</name>
    <message>
        <source>Unable to update de database. Unable to open file :/scripts/%1.sql</source>
        <translation>No se puede actualizar la base de datos. No se puede abrir el archivo :/scripts/%1.sql</translation>
    </message>
</context>
<context>
    <name>ListadoResEcon</name>
    <message>
        <source>DATE</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>CASHED/BANK</source>
        <translation>COBRADO/BANCO</translation>
    </message>
    <message>
        <source>CASHED/CASH</source>
        <translation>COBRADO/CAJA</translation>
    </message>
    <message>
        <source>PAID/CASH</source>
        <translation>PAGADO/CAJA</translation>
    </message>
    <message>
        <source>PENDING</source>
        <translation>PENDIENTE</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>TOTALES</translation>
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
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Student listing for teacher: %1 </source>
        <translation>Listado de alumnos del profesor: %1 </translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Generated income</source>
        <translation>Ingresos generados</translation>
    </message>
    <message>
        <source>Withholdings</source>
        <translation>Retenciones</translation>
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
        <translation>TOTALES</translation>
    </message>
    <message>
        <source>Economic summary</source>
        <translation>Resumen económico</translation>
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
        <translation>€ para el profesor</translation>
    </message>
    <message>
        <source>Fixed salary</source>
        <translation>Sueldo fijo</translation>
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
        <translation>Sueldo fijo por hora</translation>
    </message>
    <message>
        <source>Amount raised</source>
        <translation>Importe recaudado</translation>
    </message>
    <message>
        <source>% for teacher</source>
        <translation>% para el profesor</translation>
    </message>
    <message>
        <source>Of salary by percentage</source>
        <translation>Sueldo por porcentaje</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidad</translation>
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
        <translation>% de sueldo</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Fecha de alta</translation>
    </message>
    <message>
        <source>Withdraw date</source>
        <translation>Fecha de baja</translation>
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
        <translation>El aforo del aula %1 se supera en %2 alumnos el %3 a las %4:%5</translation>
    </message>
    <message>
        <source>Student %1 is signed up in two shifts of subject %2</source>
        <translation>El alumno %1 está dado de alta en dos turnos de la asignatura %2</translation>
    </message>
    <message>
        <source>Session shouldn&apos;t begin %3 at %1:%2, because the configured opening hours are from %4 to %5</source>
        <translation>La sesión no debería empezar el %3 a las %1:%2, porque el horario de apertura configurado es de %4 a %5</translation>
    </message>
    <message>
        <source>In classroom %1 there is no professor %2s at %3:%4</source>
        <translation>En el aula %1 no hay profesor el %2 a las %3:%4</translation>
    </message>
    <message>
        <source>Subject %1 of course %2 has no shifts assigned</source>
        <translation>La asignatura %1 del curso %2 no tiene turnos asignados</translation>
    </message>
    <message>
        <source>The shift %2 of subject %1 has no sessions assigned</source>
        <translation>El turno %2 de la asignatura %1 no tiene sesiones asignadas</translation>
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
        <translation>Descuento</translation>
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
        <translation>Fecha</translation>
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
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellidos</translation>
    </message>
</context>
<context>
    <name>TurnoAsignatura</name>
    <message>
        <source>The selected shift has assigned sessions</source>
        <translation>El turno seleccionado tiene sesiones asignadas</translation>
    </message>
    <message>
        <source>The %1 shift of the %2 subject has one or more assigned sessions, these sessions will also be deleted</source>
        <translation>El turno %1 de la asignatura %2 tiene una o más sesiones asignadas, que también se eliminarán</translation>
    </message>
</context>
<context>
    <name>TurnoAsignaturaTableModel</name>
    <message>
        <source>Subject</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
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
        <translation>Orden</translation>
    </message>
</context>
<context>
    <name>TurnoCurso</name>
    <message>
        <source>Registrations from %1 to %2</source>
        <translation>Altas del %1 al %2</translation>
    </message>
    <message>
        <source>Withdraw from %1 to %2</source>
        <translation>Bajas del %1 al %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation>OBSERVACIONES</translation>
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
        <translation>Turno</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Number of subjects</source>
        <translation>Número de asignaturas</translation>
    </message>
</context>
</TS>
