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
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>Fila %1 de %2</translation>
    </message>
    <message>
        <source>Writing the file...</source>
        <translation>Escribiendo el archivo...</translation>
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
    <message>
        <source>The consistency check could not read the database (%1): what it shows may be incomplete.</source>
        <translation>La comprobación de la academia no pudo leer la base de datos (%1): lo que muestra puede estar incompleto.</translation>
    </message>
    <message>
        <source>Page %%PAGENUM%% of %%PAGECOUNT%%</source>
        <translation>Página %%PAGENUM%% de %%PAGECOUNT%%</translation>
    </message>
</context>
<context>
    <name>AlumnoDialog</name>
    <message>
        <source>Student data</source>
        <translation>Datos del alumno</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Student name</source>
        <translation>Nombre del alumno</translation>
    </message>
    <message>
        <source>Student name. (Mandatory field)</source>
        <translation>Nombre del alumno. (Campo obligatorio)</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Student surname. (Mandatory field)</source>
        <translation>Apellidos del alumno. (Campo obligatorio)</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>Student DNI. (Must be a correctly formatted DNI)</source>
        <translation>DNI del alumno. (Debe ser un DNI con formato correcto)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Student address. (Not mandatory)</source>
        <translation>Dirección del alumno. (No obligatorio)</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>Student city. (Not mandatory)</source>
        <translation>Localidad del alumno. (No obligatorio)</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Student province. (Not mandatory)</source>
        <translation>Provincia del alumno. (No obligatorio)</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Student postal code. (Not mandatory)</source>
        <translation>Código postal del alumno. (No obligatorio)</translation>
    </message>
    <message>
        <source>email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Student email. (Must have e-mail format)</source>
        <translation>Correo electrónico del alumno. (Debe tener formato de correo)</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Colegio</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Discount applied to the student by default</source>
        <translation>Descuento que se aplica al alumno por defecto</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Student bank. (Not mandatory)</source>
        <translation>Banco del alumno. (No obligatorio)</translation>
    </message>
    <message>
        <source>Bank address</source>
        <translation>Dirección del banco</translation>
    </message>
    <message>
        <source>Student bank address. (Not mandatory)</source>
        <translation>Dirección del banco del alumno. (No obligatorio)</translation>
    </message>
    <message>
        <source>CCC</source>
        <translation>CCC</translation>
    </message>
    <message>
        <source>Student bank account. (Must have bank account format)</source>
        <translation>Cuenta bancaria del alumno. (Debe tener formato de cuenta bancaria)</translation>
    </message>
    <message>
        <source>Fotografía</source>
        <translation>Fotografía</translation>
    </message>
    <message>
        <source>Students&apos; phone numbers</source>
        <translation>Teléfonos del alumno</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Añadir teléfono</translation>
    </message>
    <message>
        <source>Delete phone number</source>
        <translation>Borrar teléfono</translation>
    </message>
    <message>
        <source>Student phones list.</source>
        <translation>Lista de teléfonos del alumno.</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Comments about the student.</source>
        <translation>Observaciones sobre el alumno.</translation>
    </message>
    <message>
        <source>This student may have brothers in the database. Brothers found: &lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>Puede que este alumno tenga hermanos en la base de datos. Hermanos encontrados: &lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Would you like to change the discount for this student?</source>
        <translation>¿Quiere cambiar el descuento de este alumno?</translation>
    </message>
    <message>
        <source>The student could not be saved.</source>
        <translation>No se ha podido guardar al alumno.</translation>
    </message>
    <message>
        <source>Nothing has been stored. Try again; if the error persists contact your provider.</source>
        <translation>No se ha guardado nada. Inténtelo de nuevo; si el error persiste, contacte con su proveedor.</translation>
    </message>
    <message>
        <source>Student school. (Not mandatory)</source>
        <translation>Colegio del alumno. (No obligatorio)</translation>
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
    <name>AlumnosWidget</name>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Filter by name, surname, school...</source>
        <translation>Filtrar por nombre, apellidos, colegio...</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Only students</source>
        <translation>Solo alumnos</translation>
    </message>
    <message>
        <source>Show only active students</source>
        <translation>Mostrar solo los alumnos activos</translation>
    </message>
    <message>
        <source>Only ex-students</source>
        <translation>Solo antiguos alumnos</translation>
    </message>
    <message>
        <source>Show only students who left all their classes</source>
        <translation>Mostrar solo los alumnos que dejaron todas sus clases</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Show all students in database</source>
        <translation>Mostrar todos los alumnos de la base de datos</translation>
    </message>
    <message>
        <source>Export list</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation>Exportar o imprimir el listado</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Add a new student</source>
        <translation>Añadir un alumno nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected student</source>
        <translation>Editar el alumno seleccionado</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Asignaturas</translation>
    </message>
    <message>
        <source>Show selected student&apos;s subjects</source>
        <translation>Mostrar las asignaturas del alumno seleccionado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete selected student</source>
        <translation>Borrar el alumno seleccionado</translation>
    </message>
    <message>
        <source>General withdraw</source>
        <translation>Baja general</translation>
    </message>
    <message>
        <source>Withdraw student from all his subjects</source>
        <translation>Dar de baja al alumno de todas sus asignaturas</translation>
    </message>
    <message>
        <source>Show timetable</source>
        <translation>Ver horario</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listado</translation>
    </message>
    <message>
        <source>Print the listing according to the filters</source>
        <translation>Imprimir el listado según los filtros</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listado</translation>
    </message>
    <message>
        <source>Save listing in different formats</source>
        <translation>Guardar el listado en distintos formatos</translation>
    </message>
    <message>
        <source>Choose only one student and try again.</source>
        <translation>Elija un solo alumno e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>You must choose only one in order to edit it.</source>
        <translation>Debe elegir uno solo para poder editarlo.</translation>
    </message>
    <message>
        <source>You must choose only one student.</source>
        <translation>Debe elegir un solo alumno.</translation>
    </message>
    <message>
        <source>%1: %2 - %3, signed up on %4</source>
        <translation>%1: %2 - %3, alta el %4</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to withdraw %n student(s) selected from all their subjects?</source>
        <translation>
            <numerusform>¿Seguro que quiere dar de baja de todas sus asignaturas al alumno seleccionado?</numerusform>
            <numerusform>¿Seguro que quiere dar de baja de todas sus asignaturas a los %n alumnos seleccionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>
If you agree choose the date to withdraw from all subjects.</source>
        <translation>
Si está de acuerdo, elija la fecha de baja de todas las asignaturas.</translation>
    </message>
    <message>
        <source>Couldn&apos;t withdraw from all subjects from the following students because assign date of any of them happens after the date chosen: </source>
        <translation>No se ha podido dar de baja de todas las asignaturas a los siguientes alumnos porque la fecha de alta de alguna de ellas es posterior a la fecha elegida: </translation>
    </message>
    <message>
        <source>These sign-ups are still open:</source>
        <translation>Estas altas siguen abiertas:</translation>
    </message>
    <message>
        <source>Student %1 has subjects assigned so if it is deleted bills won&apos;t be generated and student will be withdrawn from all courses. Subjects assigned:&lt;ul&gt;%2&lt;/ul&gt;</source>
        <translation>El alumno %1 tiene asignaturas asignadas, así que si se borra no se le generarán recibos y se le dará de baja de todos los cursos. Asignaturas asignadas:&lt;ul&gt;%2&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Would you like to delete the student anyway?</source>
        <translation>¿Quiere borrar al alumno de todos modos?</translation>
    </message>
    <message>
        <source>Error deleting student</source>
        <translation>Error al borrar al alumno</translation>
    </message>
    <message>
        <source>Error deleting student with id %1.</source>
        <translation>Error al borrar al alumno con id %1.</translation>
    </message>
    <message>
        <source>Chosen students will be deleted permanently.</source>
        <translation>Los alumnos elegidos se borrarán definitivamente.</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n chosen students?</source>
        <translation>
            <numerusform>¿Seguro que quiere borrar al alumno elegido?</numerusform>
            <numerusform>¿Seguro que quiere borrar los %n alumnos elegidos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Student list</source>
        <translation>Listado de alumnos</translation>
    </message>
    <message>
        <source>listado_alumnos</source>
        <translation>listado_alumnos</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>No se han podido guardar los cambios.</translation>
    </message>
    <message>
        <source>Nothing has been changed. Try again; if the error persists contact your provider.</source>
        <translation>No se ha cambiado nada. Inténtelo de nuevo; si el error persiste, contacte con su proveedor.</translation>
    </message>
</context>
<context>
    <name>AppStatusDialog</name>
    <message numerus="yes">
        <source>Omitted %n error(s)</source>
        <translation>
            <numerusform>Se ha omitido %n error</numerusform>
            <numerusform>Se han omitido %n errores</numerusform>
        </translation>
    </message>
    <message>
        <source>No errors</source>
        <translation>Sin errores</translation>
    </message>
    <message>
        <source>Brought by these changes</source>
        <translation>Causados por estos cambios</translation>
    </message>
    <message>
        <source>Already stored before these changes</source>
        <translation>Ya guardados antes de estos cambios</translation>
    </message>
</context>
<context>
    <name>Asignatura</name>
    <message>
        <source>Subject couldn&apos;t be removed because it has shifts.</source>
        <translation>No se pudo borrar la asignatura porque tiene turnos.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and course.</source>
        <translation>Error al borrar la relación entre la asignatura y el curso.</translation>
    </message>
    <message>
        <source>Error deleting relationship between subject and teacher.</source>
        <translation>Error al borrar la relación entre la asignatura y el profesor.</translation>
    </message>
</context>
<context>
    <name>AsignaturaAlumnoDialog</name>
    <message>
        <source>Sign up in subject</source>
        <translation>Alta en asignatura</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Subject to sign up to</source>
        <translation>Asignatura en la que dar de alta</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Shift in which to sign up</source>
        <translation>Turno en el que dar de alta</translation>
    </message>
    <message>
        <source>Base price</source>
        <translation>Precio base</translation>
    </message>
    <message>
        <source>Subject base price</source>
        <translation>Precio base de la asignatura</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>Applied discount</source>
        <translation>Descuento aplicado</translation>
    </message>
    <message>
        <source>Discount applied to this student</source>
        <translation>Descuento aplicado a este alumno</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Final price</source>
        <translation>Precio final</translation>
    </message>
    <message>
        <source>Sign up date</source>
        <translation>Fecha de alta</translation>
    </message>
    <message>
        <source>Date when the student will start receiving classes</source>
        <translation>Fecha en la que el alumno empezará a recibir clases</translation>
    </message>
    <message>
        <source>Resign date</source>
        <translation>Fecha de baja</translation>
    </message>
    <message>
        <source>When student will resign. (Not mandatory)</source>
        <translation>Cuándo se dará de baja el alumno. (No obligatorio)</translation>
    </message>
    <message>
        <source>Check for indefinite period</source>
        <translation>Marcar para un periodo indefinido</translation>
    </message>
    <message>
        <source>No resign date</source>
        <translation>Sin fecha de baja</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Comments about registration (special schedule, etc)</source>
        <translation>Observaciones sobre el alta (horario especial, etc.)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Associated shift has been erased: %1&lt;/b&gt;</source>
        <translation>&lt;b&gt;El turno asociado se ha borrado: %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>There are no subjects in the application.</source>
        <translation>No hay asignaturas en la aplicación.</translation>
    </message>
    <message>
        <source>So the next step (subscribe a student to a subject) can not be done now.
Please create at least a subject and a turn and then subscribe the student to the subject.</source>
        <translation>Así que el siguiente paso (dar de alta al alumno en una asignatura) no se puede hacer ahora.
Cree al menos una asignatura y un turno y después dé de alta al alumno en la asignatura.</translation>
    </message>
    <message>
        <source>The shift you are trying to sign up this student in has no sessions assigned</source>
        <translation>El turno en el que intenta dar de alta a este alumno no tiene sesiones asignadas</translation>
    </message>
    <message>
        <source>If you sign up this student, the classroom capacity will be exceeded in %1. </source>
        <translation>Si da de alta a este alumno, el aforo del aula se superará el %1. </translation>
    </message>
    <message>
        <source>Would you like to proceed anyway?</source>
        <translation>¿Quiere continuar de todos modos?</translation>
    </message>
    <message>
        <source>Sign up and withdraw dates are incorrect. Check them and try again. </source>
        <translation>Las fechas de alta y de baja son incorrectas. Revíselas e inténtelo de nuevo. </translation>
    </message>
    <message>
        <source>Student has already been signed up.</source>
        <translation>El alumno ya está dado de alta.</translation>
    </message>
    <message>
        <source>This information is NOT in the database</source>
        <translation>Estos datos NO están en la base de datos</translation>
    </message>
    <message>
        <source>This classroom&apos;s capacity has been exceeded.</source>
        <translation>Se ha superado el aforo del aula.</translation>
    </message>
    <message>
        <source>Unsuccessful sign up</source>
        <translation>Alta fallida</translation>
    </message>
    <message>
        <source>This student&apos;s register has not been UPDATED, because:  %1</source>
        <translation>El alta de este alumno NO se ha ACTUALIZADO porque:  %1</translation>
    </message>
    <message>
        <source>Student couldn&apos;t be signed up</source>
        <translation>No se ha podido dar de alta al alumno</translation>
    </message>
    <message>
        <source>Student couldn&apos;t be signed up because: %1</source>
        <translation>No se ha podido dar de alta al alumno porque: %1</translation>
    </message>
    <message>
        <source>There has been an unexpected error. Try again, if the error persists contact your provider. </source>
        <translation>Ha habido un error inesperado. Inténtelo de nuevo; si el error persiste, contacte con su proveedor. </translation>
    </message>
</context>
<context>
    <name>AsignaturaDialog</name>
    <message>
        <source>Subject</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Subject order</source>
        <translation>Orden de la asignatura</translation>
    </message>
    <message>
        <source>Illustrative monthly price</source>
        <translation>Precio mensual orientativo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation>Profesores</translation>
    </message>
    <message>
        <source>Add a teacher to the subject</source>
        <translation>Añadir un profesor a la asignatura</translation>
    </message>
    <message>
        <source>Detach the selected teacher</source>
        <translation>Quitar el profesor seleccionado</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>Shifts</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>Add a shift</source>
        <translation>Añadir un turno</translation>
    </message>
    <message>
        <source>Delete the selected shift</source>
        <translation>Borrar el turno seleccionado</translation>
    </message>
    <message>
        <source>Shift price</source>
        <translation>Precio del turno</translation>
    </message>
    <message>
        <source>Shift in use</source>
        <translation>Turno en uso</translation>
    </message>
    <message>
        <source>The shift you are trying to delete has sessions assigned. These sessions will be deleted.</source>
        <translation>El turno que intenta borrar tiene sesiones asignadas. Esas sesiones se borrarán.</translation>
    </message>
    <message>
        <source>Students signed up</source>
        <translation>Alumnos apuntados</translation>
    </message>
    <message>
        <source>There are students signed up in the shift you are deleting. Those students will be withdrawn from the subject.</source>
        <translation>Hay alumnos apuntados en el turno que está borrando. Esos alumnos se darán de baja de la asignatura.</translation>
    </message>
    <message>
        <source>Incomplete sessions</source>
        <translation>Sesiones incompletas</translation>
    </message>
    <message>
        <source>The teacher you are detaching from this subject has sessions assigned. The teacher will be removed from those sessions, which will have to be manually fixed.</source>
        <translation>El profesor que quita de esta asignatura tiene sesiones asignadas. Se quitará de esas sesiones, que habrá que completar a mano.</translation>
    </message>
    <message>
        <source>The subject could not be saved</source>
        <translation>No se pudo guardar la asignatura</translation>
    </message>
    <message>
        <source>Nothing of it has been stored. Check the data (another subject may have the same name) and try again.</source>
        <translation>No se ha guardado nada. Revise los datos (puede que otra asignatura tenga el mismo nombre) e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Subject without shifts</source>
        <translation>Asignatura sin turnos</translation>
    </message>
    <message>
        <source>You can&apos;t create a subject without shifts. Please, add a shift at least in order to save the subject.</source>
        <translation>No se puede crear una asignatura sin turnos. Añada al menos un turno para poder guardar la asignatura.</translation>
    </message>
</context>
<context>
    <name>AsignaturasAlumnoDialog</name>
    <message>
        <source>Subject list</source>
        <translation>Lista de asignaturas</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;p&gt;&lt;b&gt;Student:&lt;/b&gt; %1, %2&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;p&gt;&lt;b&gt;Alumno:&lt;/b&gt; %1, %2&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Current student</source>
        <translation>Alumno actual</translation>
    </message>
    <message>
        <source>Student subjects</source>
        <translation>Asignaturas del alumno</translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Sign up in subject</source>
        <translation>Alta en asignatura</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Withdraw from subject</source>
        <translation>Dar de baja de la asignatura</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete subject</source>
        <translation>Borrar la asignatura</translation>
    </message>
    <message>
        <source>Close window and save changes</source>
        <translation>Cerrar la ventana y guardar los cambios</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>%1 - %2, signed up on %3</source>
        <translation>%1 - %2, alta el %3</translation>
    </message>
    <message>
        <source>it starts after today</source>
        <translation>empieza después de hoy</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se ha podido guardar</translation>
    </message>
    <message>
        <source>These sign-ups could not be withdrawn today:</source>
        <translation>Estas altas no se han podido dar de baja hoy:</translation>
    </message>
    <message>
        <source>You are about to completely delete elements from db.</source>
        <translation>Va a borrar elementos de la base de datos por completo.</translation>
    </message>
    <message>
        <source> Probably you would prefer to withdraw the student from the subjects.Are you sure you really want to delete these elements?</source>
        <translation> Probablemente prefiera dar de baja al alumno de las asignaturas. ¿Seguro que quiere borrar estos elementos?</translation>
    </message>
    <message>
        <source>These sign-ups could not be deleted:</source>
        <translation>Estas altas no se han podido borrar:</translation>
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
    <name>AsignaturasWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Type to filter by subject, shift, description...</source>
        <translation>Escriba para filtrar por asignatura, turno, descripción...</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Vaciar el filtro</translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation>Exportar o imprimir el listado</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listado</translation>
    </message>
    <message>
        <source>Available subjects</source>
        <translation>Asignaturas disponibles</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Create new subject</source>
        <translation>Crear una asignatura nueva</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected subject</source>
        <translation>Editar la asignatura seleccionada</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete a shift</source>
        <translation>Borrar un turno</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listado</translation>
    </message>
    <message>
        <source>Print filtered listing</source>
        <translation>Imprimir el listado filtrado</translation>
    </message>
    <message>
        <source>Export listing with different formats</source>
        <translation>Exportar el listado en distintos formatos</translation>
    </message>
    <message>
        <source>You can only edit one shift at a time</source>
        <translation>Solo se puede editar un turno cada vez</translation>
    </message>
    <message>
        <source>Select only one shift and try again</source>
        <translation>Seleccione un solo turno e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>It has been impossible to delete the shift</source>
        <translation>No ha sido posible borrar el turno</translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Selected shifts will be permanently deleted</source>
        <translation>Los turnos seleccionados se borrarán definitivamente</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete %n selected shift(s)?</source>
        <translation>
            <numerusform>¿Seguro que quiere borrar %n turno seleccionado?</numerusform>
            <numerusform>¿Seguro que quiere borrar los %n turnos seleccionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>Subject list</source>
        <translation>Lista de asignaturas</translation>
    </message>
    <message>
        <source>subject_list</source>
        <translation>lista_asignaturas</translation>
    </message>
</context>
<context>
    <name>AulaDialog</name>
    <message>
        <source>Edit classroom</source>
        <translation>Editar aula</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Classroom name</source>
        <translation>Nombre del aula</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Classroom location within the academy</source>
        <translation>Ubicación del aula dentro de la academia</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Aforo</translation>
    </message>
    <message>
        <source>Maximum number of students in this classroom</source>
        <translation>Número máximo de alumnos en esta aula</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Comments about this classroom</source>
        <translation>Descripción de esta aula</translation>
    </message>
    <message>
        <source>It has been impossible to store the classroom.</source>
        <translation>Ha sido imposible guardar el aula.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The classroom is no longer stored.</source>
        <translation>El aula ya no está guardada.</translation>
    </message>
</context>
<context>
    <name>ConfigurationDialog</name>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>School data</source>
        <translation>Datos de la academia</translation>
    </message>
    <message>
        <source>General school data</source>
        <translation>Datos generales de la academia</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Address of the school. It will be shown in generated documents.</source>
        <translation>Dirección de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Web page of the school. It will be shown in generated documents.</source>
        <translation>Página web de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Phone number of the school. It will be shown in generated documents.</source>
        <translation>Teléfono de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Contact e-mail of the school. It will be shown in generated documents.</source>
        <translation>Correo electrónico de contacto de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>Commercial name</source>
        <translation>Nombre comercial</translation>
    </message>
    <message>
        <source>Commercial name of the school. It will be shown in generated documents.</source>
        <translation>Nombre comercial de la academia. Se mostrará en los documentos generados.</translation>
    </message>
    <message>
        <source>Firm name</source>
        <translation>Razón social</translation>
    </message>
    <message>
        <source>Firm name of the school. It will be shown in generated documents like bills.</source>
        <translation>Razón social de la academia. Se mostrará en documentos generados como los recibos.</translation>
    </message>
    <message>
        <source>NIF/CIF</source>
        <translation>NIF/CIF</translation>
    </message>
    <message>
        <source>NIF/CIF of the school. It will be shown in generated documents like bills.</source>
        <translation>NIF/CIF de la academia. Se mostrará en documentos generados como los recibos.</translation>
    </message>
    <message>
        <source>Office opening hours</source>
        <translation>Horario de secretaría</translation>
    </message>
    <message>
        <source>Opening hour in the morning</source>
        <translation>Hora de apertura por la mañana</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Closing hour in the morning (or in the afternoon if next two fields are equal)</source>
        <translation>Hora de cierre por la mañana (o por la tarde si los dos campos siguientes son iguales)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Opening hour in the afternoon (if this field is equal to the next one, a non break working time is assumed)</source>
        <translation>Hora de apertura por la tarde (si este campo es igual al siguiente, se entiende que el horario es continuo)</translation>
    </message>
    <message>
        <source> - </source>
        <translation> - </translation>
    </message>
    <message>
        <source>Closing hour in the afternoon (if this field is equal to the previous one, a non break working time is assumed)</source>
        <translation>Hora de cierre por la tarde (si este campo es igual al anterior, se entiende que el horario es continuo)</translation>
    </message>
    <message>
        <source>Opening hours</source>
        <translation>Horario de apertura</translation>
    </message>
    <message>
        <source>Hour from which the school can have classes</source>
        <translation>Hora a partir de la cual la academia puede tener clases</translation>
    </message>
    <message>
        <source>Hour until the school can have classes</source>
        <translation>Hora hasta la que la academia puede tener clases</translation>
    </message>
    <message>
        <source>To change the logo (It is used in the generated documents and in the background of the application)</source>
        <translation>Para cambiar el logotipo (se usa en los documentos generados y en el fondo de la aplicación)</translation>
    </message>
    <message>
        <source>Change logo</source>
        <translation>Cambiar logotipo</translation>
    </message>
    <message>
        <source>Classrooms</source>
        <translation>Aulas</translation>
    </message>
    <message>
        <source>Classrooms in the school</source>
        <translation>Aulas de la academia</translation>
    </message>
    <message>
        <source>Classrooms in academy</source>
        <translation>Aulas de la academia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Aforo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>To add a new classroom</source>
        <translation>Para añadir un aula nueva</translation>
    </message>
    <message>
        <source>To delete selected classrooms</source>
        <translation>Para borrar las aulas seleccionadas</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Recibos</translation>
    </message>
    <message>
        <source>Billing information</source>
        <translation>Datos de facturación</translation>
    </message>
    <message>
        <source>Issued in:</source>
        <translation>Expedido en:</translation>
    </message>
    <message>
        <source>Place to set the bills issued in</source>
        <translation>Lugar de expedición que figurará en los recibos</translation>
    </message>
    <message>
        <source>Falling due in (days)</source>
        <translation>Vencimiento (días)</translation>
    </message>
    <message>
        <source>Days until falling due from the generated bill day</source>
        <translation>Días hasta el vencimiento a partir de la fecha en que se genera el recibo</translation>
    </message>
    <message>
        <source>Showing or not the subject shift name in the bills</source>
        <translation>Mostrar o no el nombre del turno de la asignatura en los recibos</translation>
    </message>
    <message>
        <source>Show subject shift</source>
        <translation>Mostrar el turno de la asignatura</translation>
    </message>
    <message>
        <source>Force next bill number</source>
        <translation>Forzar el número del siguiente recibo</translation>
    </message>
    <message>
        <source>Force next bill number. Useful in case there were bill numbers previous the use of this application</source>
        <translation>Forzar el número del siguiente recibo. Útil si había números de recibo anteriores al uso de esta aplicación.</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forzar</translation>
    </message>
    <message>
        <source>Current bill series</source>
        <translation>Serie actual de recibos</translation>
    </message>
    <message>
        <source>Create a new bill series</source>
        <translation>Crear una serie de recibos nueva</translation>
    </message>
    <message>
        <source>New series</source>
        <translation>Nueva serie</translation>
    </message>
    <message>
        <source>Delete empty series</source>
        <translation>Borrar series vacías</translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation>Profesores</translation>
    </message>
    <message>
        <source>Teachers configuration</source>
        <translation>Configuración de los profesores</translation>
    </message>
    <message>
        <source>Payment method</source>
        <translation>Forma de pago</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Payment method for the teachers:&lt;/p&gt;&lt;p&gt; - Month: Teachers can earn a fixed amount of money each month.&lt;/p&gt;&lt;p&gt; - Hour: Teachers can earn a fixed amount of money for each teaching hour they give.&lt;/p&gt;&lt;p&gt; - Percentage: Teachers can earn a percentage of the money their students pay to the school.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Several payment methods can be used at a time.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Forma de pago de los profesores:&lt;/p&gt;&lt;p&gt; - Mes: los profesores pueden cobrar una cantidad fija cada mes.&lt;/p&gt;&lt;p&gt; - Hora: los profesores pueden cobrar una cantidad fija por cada hora de clase que impartan.&lt;/p&gt;&lt;p&gt; - Porcentaje: los profesores pueden cobrar un porcentaje del dinero que sus alumnos pagan a la academia.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Se pueden usar varias formas de pago a la vez.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de datos</translation>
    </message>
    <message>
        <source>Database configuration</source>
        <translation>Configuración de la base de datos</translation>
    </message>
    <message>
        <source>Choose a new password</source>
        <translation>Elegir una contraseña nueva</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Add classroom</source>
        <translation>Añadir aula</translation>
    </message>
    <message>
        <source>Delete classroom</source>
        <translation>Borrar aula</translation>
    </message>
    <message>
        <source>There are some sessions outside opening times.</source>
        <translation>Hay sesiones fuera del horario de apertura.</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Contraseña actual</translation>
    </message>
    <message>
        <source>Input password is not right</source>
        <translation>La contraseña introducida no es correcta</translation>
    </message>
    <message>
        <source>Input desired password.</source>
        <translation>Introduzca la contraseña deseada.</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nueva contraseña</translation>
    </message>
    <message>
        <source>Retype password.</source>
        <translation>Vuelva a escribir la contraseña.</translation>
    </message>
    <message>
        <source>Entered passwords don&apos;t match.</source>
        <translation>Las contraseñas introducidas no coinciden.</translation>
    </message>
    <message>
        <source>Input a password again</source>
        <translation>Introduzca de nuevo una contraseña</translation>
    </message>
    <message>
        <source>The password can&apos;t be empty.</source>
        <translation>La contraseña no puede estar vacía.</translation>
    </message>
    <message>
        <source>The password has been changed.</source>
        <translation>Se ha cambiado la contraseña.</translation>
    </message>
    <message>
        <source>It has been impossible to change the password.</source>
        <translation>No ha sido posible cambiar la contraseña.</translation>
    </message>
    <message>
        <source>The previous password is still in use.</source>
        <translation>Se sigue usando la contraseña anterior.</translation>
    </message>
    <message>
        <source>Select logo</source>
        <translation>Seleccionar logotipo</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Archivos de imagen (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>New series&apos; name:</source>
        <translation>Nombre de la nueva serie:</translation>
    </message>
    <message>
        <source>Classroom </source>
        <translation>Aula </translation>
    </message>
    <message>
        <source>&lt;li&gt;%1 at %2:%3&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1 a las %2:%3&lt;/li&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;It is not possible to delete a classroom with sessions. &lt;br/&gt;</source>
        <translation>&lt;html&gt;No se puede borrar un aula que tiene sesiones. &lt;br/&gt;</translation>
    </message>
    <message>
        <source>Classroom %1, which you are trying to delete, has the following sessions: &lt;br/&gt;%2&lt;br/&gt; Edit them before deleting the classroom.</source>
        <translation>El aula %1, que intenta borrar, tiene las siguientes sesiones: &lt;br/&gt;%2&lt;br/&gt; Modifíquelas antes de borrar el aula.</translation>
    </message>
    <message>
        <source>There is a nameless classroom</source>
        <translation>Hay un aula sin nombre</translation>
    </message>
    <message>
        <source>The classroom won&apos;t be saved. Do you want to save other changes or cancel and go back to put it a name?</source>
        <translation>El aula no se guardará. ¿Desea guardar los demás cambios o cancelar y volver para ponerle un nombre?</translation>
    </message>
    <message>
        <source>It has been impossible to save the classrooms.</source>
        <translation>No ha sido posible guardar las aulas.</translation>
    </message>
    <message>
        <source>No classroom has been changed.</source>
        <translation>No se ha modificado ninguna aula.</translation>
    </message>
    <message>
        <source>It has been impossible to save the configuration.</source>
        <translation>No ha sido posible guardar la configuración.</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The configuration cannot be stored while other changes are pending.</source>
        <translation>No se puede guardar la configuración mientras haya otros cambios pendientes.</translation>
    </message>
    <message>
        <source>Save or revert them first. Nothing has been changed.</source>
        <translation>Guárdelos o deshágalos antes. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>CrearSesionDeClaseDialog</name>
    <message>
        <source>Create sessions</source>
        <translation>Crear sesiones</translation>
    </message>
    <message>
        <source>Classroom</source>
        <translation>Aula</translation>
    </message>
    <message>
        <source>Select classroom for the new session</source>
        <translation>Seleccione el aula para la nueva sesión</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Session subject</source>
        <translation>Asignatura de la sesión</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Session shift</source>
        <translation>Turno de la sesión</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Teacher who will give the lesson</source>
        <translation>Profesor que impartirá la clase</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>All days will start and finish at the same time</source>
        <translation>Todos los días empezarán y terminarán a la misma hora</translation>
    </message>
    <message>
        <source>Same hour</source>
        <translation>Misma hora</translation>
    </message>
    <message>
        <source>&lt;b&gt;You must choose a subject. &lt;/b&gt;</source>
        <translation>&lt;b&gt;Debe elegir una asignatura. &lt;/b&gt;</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>No weekday has been chosen, sessions can&apos;t be created.</source>
        <translation>No se ha elegido ningún día de la semana, no se pueden crear las sesiones.</translation>
    </message>
    <message>
        <source>It has been impossible to store the sessions.
None of them has been created.</source>
        <translation>Ha sido imposible guardar las sesiones.
No se ha creado ninguna.</translation>
    </message>
    <message>
        <source>Invalid range</source>
        <translation>Intervalo no válido</translation>
    </message>
    <message>
        <source>%1 end hour is less or equal than begin hour</source>
        <translation>%1: la hora de fin es menor o igual que la hora de inicio</translation>
    </message>
    <message>
        <source>%1 session duration is too short. Sessions must be at least 10 minutes long.</source>
        <translation>%1: la sesión es demasiado corta. Las sesiones deben durar al menos 10 minutos.</translation>
    </message>
</context>
<context>
    <name>CursoDialog</name>
    <message>
        <source>Course</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Course name</source>
        <translation>Nombre del curso</translation>
    </message>
    <message>
        <source>Monthly fee (illustrative)</source>
        <translation>Cuota mensual (orientativa)</translation>
    </message>
    <message>
        <source>Illustrative fee of the whole course</source>
        <translation>Cuota orientativa del curso completo</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Notes about the course</source>
        <translation>Notas sobre el curso</translation>
    </message>
    <message>
        <source>Subjects:</source>
        <translation>Asignaturas:</translation>
    </message>
    <message>
        <source>Subjects available in the course</source>
        <translation>Asignaturas del curso</translation>
    </message>
    <message>
        <source>Remove selected subject</source>
        <translation>Quitar la asignatura seleccionada</translation>
    </message>
    <message>
        <source>Add subject</source>
        <translation>Añadir asignatura</translation>
    </message>
    <message>
        <source>Shifts:</source>
        <translation>Turnos:</translation>
    </message>
    <message>
        <source>Shifts available</source>
        <translation>Turnos disponibles</translation>
    </message>
    <message>
        <source>Remove selected shift</source>
        <translation>Quitar el turno seleccionado</translation>
    </message>
    <message>
        <source>Add new shift</source>
        <translation>Añadir un turno nuevo</translation>
    </message>
    <message>
        <source>The course name already exists</source>
        <translation>El nombre del curso ya existe</translation>
    </message>
    <message>
        <source>There is already a course with the same name. Please edit the course name.</source>
        <translation>Ya existe un curso con el mismo nombre. Cambie el nombre del curso.</translation>
    </message>
    <message>
        <source>There is already another course shift with this name</source>
        <translation>Ya existe otro turno de curso con este nombre</translation>
    </message>
    <message>
        <source>Rename the course shift %1 before saving the course.</source>
        <translation>Cambie el nombre del turno de curso %1 antes de guardar el curso.</translation>
    </message>
    <message>
        <source>Every course subject must have a shift selected</source>
        <translation>Cada asignatura del curso debe tener un turno elegido</translation>
    </message>
    <message>
        <source>The course shift %1 has no shift of %2. Double-click it to choose one.</source>
        <translation>El turno de curso %1 no tiene turno de %2. Haga doble clic sobre él para elegir uno.</translation>
    </message>
    <message>
        <source>Course without shifts</source>
        <translation>Curso sin turnos</translation>
    </message>
    <message>
        <source>You can&apos;t create a course without shifts. Please add at least a shift in order to create the course.</source>
        <translation>No se puede crear un curso sin turnos. Añada al menos un turno para crear el curso.</translation>
    </message>
    <message>
        <source>Course without subjects</source>
        <translation>Curso sin asignaturas</translation>
    </message>
    <message>
        <source>You can&apos;t create a course without subjects. Please add at least a subject in order to create the course.</source>
        <translation>No se puede crear un curso sin asignaturas. Añada al menos una asignatura para crear el curso.</translation>
    </message>
    <message>
        <source>The course could not be saved</source>
        <translation>No se pudo guardar el curso</translation>
    </message>
    <message>
        <source>The database refused to store it and nothing of it was kept. Check the data and try again, or cancel.</source>
        <translation>La base de datos no lo admitió y no se guardó nada de él. Revise los datos y vuelva a intentarlo, o cancele.</translation>
    </message>
</context>
<context>
    <name>CursosWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Type to filter by course, shift, description...</source>
        <translation>Escriba para filtrar por curso, turno, descripción...</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Vaciar el filtro</translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation>Exportar o imprimir el listado</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listado</translation>
    </message>
    <message>
        <source>Available courses</source>
        <translation>Cursos disponibles</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Create new course</source>
        <translation>Crear un curso nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit course</source>
        <translation>Editar curso</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete course</source>
        <translation>Borrar curso</translation>
    </message>
    <message>
        <source>Student list</source>
        <translation>Listado de alumnos</translation>
    </message>
    <message>
        <source>Get listing by selected course and student</source>
        <translation>Obtener el listado de alumnos de los cursos seleccionados</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listado</translation>
    </message>
    <message>
        <source>Print listing that matches filters</source>
        <translation>Imprimir el listado que cumple los filtros</translation>
    </message>
    <message>
        <source>Save listing in different formats</source>
        <translation>Guardar el listado en distintos formatos</translation>
    </message>
    <message>
        <source>Only one course shift can be edited at a time</source>
        <translation>Solo se puede editar un turno de curso a la vez</translation>
    </message>
    <message>
        <source>Select only one course shift and try again</source>
        <translation>Seleccione un solo turno de curso y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>Selected course shifts will be permanently deleted.</source>
        <translation>Los turnos de curso seleccionados se borrarán definitivamente.</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete %n course shifts(s) selected?</source>
        <translation>
            <numerusform>¿Seguro que quiere borrar el turno de curso seleccionado?</numerusform>
            <numerusform>¿Seguro que quiere borrar los %n turnos de curso seleccionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>Internal error deleting course shift.</source>
        <translation>Error interno al borrar el turno de curso.</translation>
    </message>
    <message>
        <source>Course list</source>
        <translation>Lista de cursos</translation>
    </message>
    <message>
        <source>listado_cursos</source>
        <translation>listado_cursos</translation>
    </message>
    <message>
        <source>There is no data in selected lists.</source>
        <translation>No hay datos en los listados seleccionados.</translation>
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
        <translation>No puede introducir una contraseña vacía. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Reenter password:</source>
        <translation>Vuelva a introducir la contraseña:</translation>
    </message>
    <message>
        <source>Passwords don&apos;t match. Try again</source>
        <translation>Las contraseñas no coinciden. Inténtelo de nuevo.</translation>
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
    <message>
        <source>the file does not exist and cannot be created in the folder %1</source>
        <translation>el archivo no existe y no se puede crear en la carpeta %1</translation>
    </message>
    <message>
        <source>this user is not allowed to read the file</source>
        <translation>este usuario no tiene permiso para leer el archivo</translation>
    </message>
    <message>
        <source>the disk that holds it can only be read</source>
        <translation>el disco que lo contiene es de solo lectura</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la carpeta %1 es de solo lectura</translation>
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
    <name>DateSelectDialog</name>
    <message>
        <source>Select date</source>
        <translation>Elegir fecha</translation>
    </message>
    <message>
        <source>Select the date when you want to withdraw students from courses</source>
        <translation>Elija la fecha en la que quiere dar de baja a los alumnos de los cursos</translation>
    </message>
    <message>
        <source>Selected date</source>
        <translation>Fecha elegida</translation>
    </message>
</context>
<context>
    <name>DocumentosRecibos</name>
    <message>
        <source>Printing bill %1 of %2</source>
        <translation>Imprimiendo el recibo %1 de %2</translation>
    </message>
    <message>
        <source>A bill chosen for printing can no longer be read; it may have been deleted meanwhile.</source>
        <translation>Ya no se puede leer un recibo elegido para imprimir; puede que se haya borrado entretanto.</translation>
    </message>
    <message>
        <source>Printing letter %1 of %2</source>
        <translation>Imprimiendo la carta %1 de %2</translation>
    </message>
</context>
<context>
    <name>EditSesionDeClaseDialog</name>
    <message>
        <source>Edit class session</source>
        <translation>Editar sesión de clase</translation>
    </message>
    <message>
        <source>Classroom</source>
        <translation>Aula</translation>
    </message>
    <message>
        <source>Session classroom</source>
        <translation>Aula de la sesión</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asignatura</translation>
    </message>
    <message>
        <source>Session subject</source>
        <translation>Asignatura de la sesión</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Session shift</source>
        <translation>Turno de la sesión</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Profesor</translation>
    </message>
    <message>
        <source>Session teacher</source>
        <translation>Profesor de la sesión</translation>
    </message>
    <message>
        <source>Week day</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>Session week day</source>
        <translation>Día de la semana de la sesión</translation>
    </message>
    <message>
        <source>Begin hour</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Session begin hour</source>
        <translation>Hora de inicio de la sesión</translation>
    </message>
    <message>
        <source>End hour</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Session end hour</source>
        <translation>Hora de fin de la sesión</translation>
    </message>
    <message>
        <source>It has been impossible to store the session.
It keeps its former data.</source>
        <translation>Ha sido imposible guardar la sesión.
Conserva sus datos anteriores.</translation>
    </message>
    <message>
        <source>Invalid range</source>
        <translation>Intervalo no válido</translation>
    </message>
    <message>
        <source>End time is less or equal than begin time</source>
        <translation>La hora de fin es menor o igual que la hora de inicio</translation>
    </message>
    <message>
        <source>Session duration is too short. Sessions must be at least 10 minutes long.</source>
        <translation>La sesión es demasiado corta. Las sesiones deben durar al menos 10 minutos.</translation>
    </message>
    <message>
        <source>It has been impossible to store the session.
It is no longer stored: it has been removed meanwhile.</source>
        <translation>Ha sido imposible guardar la sesión.
Ya no está guardada: se ha eliminado mientras tanto.</translation>
    </message>
    <message>
        <source>The session has been changed elsewhere since this window opened.
Close this window and edit the session again.</source>
        <translation>La sesión se ha cambiado en otro lugar desde que se abrió esta ventana.
Cierre esta ventana y vuelva a editar la sesión.</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Errors in academy status</source>
        <translation>Errores en el estado de la academia</translation>
    </message>
    <message>
        <source>Omit ignored warnings</source>
        <translation>Omitir los avisos ignorados</translation>
    </message>
    <message>
        <source>Omit ignored</source>
        <translation>Omitir ignorados</translation>
    </message>
    <message>
        <source>Reload status</source>
        <translation>Volver a cargar el estado</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Save as is and ignore shown errors</source>
        <translation>Guardar tal como está e ignorar los errores mostrados</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>Revert to a previous state</source>
        <translation>Volver a un estado anterior</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Close window and try to fix by hand</source>
        <translation>Cerrar la ventana e intentar corregirlo a mano</translation>
    </message>
    <message>
        <source>Fix manually</source>
        <translation>Corregir a mano</translation>
    </message>
    <message>
        <source>Problems in the academy</source>
        <translation>Problemas de la academia</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>HorarioAlumnosWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the student&lt;/b&gt;</source>
        <translation>&lt;b&gt;Horario del alumno&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Day/hour</source>
        <translation>Día/hora</translation>
    </message>
    <message>
        <source>&lt;b&gt;NO TEACHER ASSIGNED&lt;/b&gt;&lt;br/&gt;</source>
        <translation>&lt;b&gt;SIN PROFESOR ASIGNADO&lt;/b&gt;&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Asignatura:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation>&lt;b&gt;Turno: &lt;/b&gt; %3&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4 &lt;br/&gt;</source>
        <translation>&lt;b&gt;Número de alumnos:&lt;/b&gt; %4 &lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classroom:&lt;/b&gt; %5</source>
        <translation>&lt;b&gt;Aula:&lt;/b&gt; %5</translation>
    </message>
    <message>
        <source>Timetable for student %1</source>
        <translation>Horario del alumno %1</translation>
    </message>
</context>
<context>
    <name>HorarioAulasWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the classroom&lt;/b&gt;</source>
        <translation>&lt;b&gt;Horario del aula&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Day/hour</source>
        <translation>Día/hora</translation>
    </message>
    <message>
        <source>&lt;b&gt;NO TEACHER ASSIGNED&lt;/b&gt;&lt;br/&gt;</source>
        <translation>&lt;b&gt;SIN PROFESOR ASIGNADO&lt;/b&gt;&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Asignatura:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation>&lt;b&gt;Turno: &lt;/b&gt; %3&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4 &lt;br/&gt;</source>
        <translation>&lt;b&gt;Número de alumnos:&lt;/b&gt; %4 &lt;br/&gt;</translation>
    </message>
    <message>
        <source>Timetable for %1</source>
        <translation>Horario de %1</translation>
    </message>
</context>
<context>
    <name>HorarioDiasWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the day&lt;/b&gt;</source>
        <translation>&lt;b&gt;Horario del día&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Classroom/hour</source>
        <translation>Aula/hora</translation>
    </message>
    <message>
        <source>Timetable for %1</source>
        <translation>Horario de %1</translation>
    </message>
    <message>
        <source>Please, add a classroom in order to add sessions</source>
        <translation>Por favor, añada un aula para poder añadir sesiones</translation>
    </message>
    <message>
        <source>&lt;b&gt;NO TEACHER ASSIGNED&lt;/b&gt;&lt;br/&gt;</source>
        <translation>&lt;b&gt;SIN PROFESOR ASIGNADO&lt;/b&gt;&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Teacher:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Profesor:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Asignatura:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation>&lt;b&gt;Turno: &lt;/b&gt; %3&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4</source>
        <translation>&lt;b&gt;Número de alumnos:&lt;/b&gt; %4</translation>
    </message>
    <message>
        <source>&lt;html&gt;It is not possible to delete a classroom with classes. &lt;br/&gt;</source>
        <translation>&lt;html&gt;No es posible borrar un aula con clases. &lt;br/&gt;</translation>
    </message>
    <message>
        <source>The room you are trying to delete has the following sessions assigned: &lt;br/&gt;%1&lt;br/&gt; Edit them before deleting the classroom.</source>
        <translation>El aula que intenta borrar tiene asignadas las siguientes sesiones: &lt;br/&gt;%1&lt;br/&gt; Edítelas antes de borrar el aula.</translation>
    </message>
    <message>
        <source>It has been impossible to remove the classroom.
It is still stored.</source>
        <translation>Ha sido imposible borrar el aula.
Sigue guardada.</translation>
    </message>
    <message>
        <source>&lt;li&gt;%1 at %2:%3&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1 a las %2:%3&lt;/li&gt;</translation>
    </message>
</context>
<context>
    <name>HorarioProfesoresWidget</name>
    <message>
        <source>&lt;b&gt;Schedule of the teacher&lt;/b&gt;</source>
        <translation>&lt;b&gt;Horario del profesor&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Day/hour</source>
        <translation>Día/hora</translation>
    </message>
    <message>
        <source>&lt;b&gt;Subject:&lt;/b&gt; %1&lt;br/&gt;</source>
        <translation>&lt;b&gt;Asignatura:&lt;/b&gt; %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Shift: &lt;/b&gt; %3&lt;br/&gt;</source>
        <translation>&lt;b&gt;Turno: &lt;/b&gt; %3&lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Number of students:&lt;/b&gt; %4 &lt;br/&gt;</source>
        <translation>&lt;b&gt;Número de alumnos:&lt;/b&gt; %4 &lt;br/&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Classroom:&lt;/b&gt; %5</source>
        <translation>&lt;b&gt;Aula:&lt;/b&gt; %5</translation>
    </message>
    <message>
        <source>Timetable for teacher %1</source>
        <translation>Horario del profesor %1</translation>
    </message>
</context>
<context>
    <name>HorariosWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>There are classes outside shown range</source>
        <translation>Hay clases fuera del intervalo mostrado</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#ff0000;&quot;&gt;Not all classes are being shown&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#ff0000;&quot;&gt;No se están mostrando todas las clases&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Ignore opening hours and show whole day</source>
        <translation>Ignorar el horario de apertura y mostrar el día entero</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Print timetable</source>
        <translation>Imprimir horario</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Add session</source>
        <translation>Añadir sesión</translation>
    </message>
    <message>
        <source>Edit session</source>
        <translation>Editar sesión</translation>
    </message>
    <message>
        <source>Remove session</source>
        <translation>Borrar sesión</translation>
    </message>
    <message>
        <source>Add classroom</source>
        <translation>Añadir aula</translation>
    </message>
    <message>
        <source>Edit classroom</source>
        <translation>Editar aula</translation>
    </message>
    <message>
        <source>Remove classroom</source>
        <translation>Borrar aula</translation>
    </message>
    <message>
        <source>There are classrooms outside hour range</source>
        <translation>Hay aulas fuera del horario</translation>
    </message>
    <message>
        <source>Not all classes will be shown</source>
        <translation>No se mostrarán todas las clases</translation>
    </message>
    <message>
        <source>There are no classrooms available.</source>
        <translation>No hay aulas disponibles.</translation>
    </message>
    <message>
        <source>Please create a classroom before trying to add a session</source>
        <translation>Por favor, cree un aula antes de intentar añadir una sesión</translation>
    </message>
    <message>
        <source>It has been impossible to remove the session.
It is still stored.</source>
        <translation>Ha sido imposible borrar la sesión.
Sigue guardada.</translation>
    </message>
</context>
<context>
    <name>HorariosWindowWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Teacher schedules</source>
        <translation>Horarios de profesores</translation>
    </message>
    <message>
        <source>Classroom schedules</source>
        <translation>Horarios de aulas</translation>
    </message>
    <message>
        <source>Student schedules</source>
        <translation>Horarios de alumnos</translation>
    </message>
    <message>
        <source>Day schedules</source>
        <translation>Horarios por días</translation>
    </message>
    <message>
        <source>Some class session windows hold changes that have not been stored.</source>
        <translation>Algunas ventanas de sesiones de clase tienen cambios que no se han guardado.</translation>
    </message>
    <message>
        <source>Save stores them with the other changes of this visit; Discard closes those windows without them; Cancel goes back to them.</source>
        <translation>Guardar los guarda con los demás cambios de esta visita; Descartar cierra esas ventanas sin ellos; Cancelar vuelve a ellas.</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Pensario</source>
        <translation>Pensario</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Secciones</translation>
    </message>
    <message>
        <source>Section tools</source>
        <translation>Herramientas de la sección</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Students main page</source>
        <translation>Página principal de alumnos</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Asignaturas</translation>
    </message>
    <message>
        <source>Courses</source>
        <translation>Cursos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>About &amp;Velbrook...</source>
        <translation>Acerca de &amp;Velbrook...</translation>
    </message>
    <message>
        <source>Teachers</source>
        <translation>Profesores</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Recibos</translation>
    </message>
    <message>
        <source>Timetables</source>
        <translation>Horarios</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Pensario &amp;manual</source>
        <translation>&amp;Manual de Pensario</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;What&apos;s this?</source>
        <translation>¿&amp;Qué es esto?</translation>
    </message>
    <message>
        <source>&amp;Errors</source>
        <translation>&amp;Errores</translation>
    </message>
    <message>
        <source>First run</source>
        <translation>Primera ejecución</translation>
    </message>
    <message>
        <source>&lt;b&gt;First run&lt;/b&gt;&lt;br/&gt;A configuration window will be shown where you&apos;ll be able to personalize the appearance of this application.
This will only happen the first time you run the application.
In order to show the configuration window again you can go to &lt;nobr&gt;File-&gt;Configuration&lt;/nobr&gt;</source>
        <translation>&lt;b&gt;Primera ejecución&lt;/b&gt;&lt;br/&gt;Se mostrará una ventana de configuración en la que podrá personalizar el aspecto de esta aplicación.
Esto solo ocurrirá la primera vez que ejecute la aplicación.
Para volver a mostrar la ventana de configuración puede ir a &lt;nobr&gt;Archivo-&gt;Configuración&lt;/nobr&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;p&gt;&lt;b&gt;Pensario&lt;/b&gt; is a management application for small academies developed with simplicity and agility in mind.&lt;/p&gt;&lt;p&gt;This application uses several icons from the &lt;b&gt;&lt;a href=&quot;about:copyright-oxygen&quot;&gt;oxygen iconset&lt;/a&gt;&lt;/b&gt;, under the terms of the &lt;a href=&quot;about:license-lgplv3&quot;&gt;LGPLv3 license&lt;/a&gt; (which extends the &lt;a href=&quot;about:license-gplv3&quot;&gt; GPLv3 license&lt;/a&gt;). You are therefore free to use a modified version of the icons with this application. To do so read the instructions &lt;a href=&quot;about:use-modified-icons&quot;&gt;here&lt;/a&gt;. You can get the source of the iconset &lt;a href=&quot;https://download.kde.org/stable/frameworks/5.103/oxygen-icons5-5.103.0.tar.xz&quot;&gt;here&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;This application uses the &lt;b&gt;&lt;a href=&quot;about:qt&quot;&gt;Qt Toolkit&lt;/a&gt;&lt;/b&gt; under the terms of the &lt;a href=&quot;about:license-lgplv21&quot;&gt;LGPLv2.1&lt;/a&gt; license with a &lt;a href=&quot;about:license-qt-lgpl-exception&quot;&gt;LGPL exception &lt;/a&gt;. You are therefore free to use a modified version of the Qt libraries with this application. To facilitate this the Qt libraries are dynamically linked. You can get the Qt source code from &lt;a href=&quot;https://download.qt.io/archive/qt/6.4/&quot;&gt;here&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;h1&gt;Versión %1&lt;/h1&gt;&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;p&gt;&lt;b&gt;Pensario&lt;/b&gt; es una aplicación de gestión para pequeñas academias desarrollada pensando en la sencillez y la agilidad.&lt;/p&gt;&lt;p&gt;Esta aplicación usa varios iconos del &lt;b&gt;&lt;a href=&quot;about:copyright-oxygen&quot;&gt;conjunto de iconos oxygen&lt;/a&gt;&lt;/b&gt;, bajo los términos de la &lt;a href=&quot;about:license-lgplv3&quot;&gt;licencia LGPLv3&lt;/a&gt; (que extiende la &lt;a href=&quot;about:license-gplv3&quot;&gt; licencia GPLv3&lt;/a&gt;). Por tanto puede usar libremente una versión modificada de los iconos con esta aplicación. Para hacerlo lea las instrucciones &lt;a href=&quot;about:use-modified-icons&quot;&gt;aquí&lt;/a&gt;. Puede obtener las fuentes del conjunto de iconos &lt;a href=&quot;https://download.kde.org/stable/frameworks/5.103/oxygen-icons5-5.103.0.tar.xz&quot;&gt;aquí&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Esta aplicación usa el &lt;b&gt;&lt;a href=&quot;about:qt&quot;&gt;Qt Toolkit&lt;/a&gt;&lt;/b&gt; bajo los términos de la licencia &lt;a href=&quot;about:license-lgplv21&quot;&gt;LGPLv2.1&lt;/a&gt; con una &lt;a href=&quot;about:license-qt-lgpl-exception&quot;&gt;excepción LGPL &lt;/a&gt;. Por tanto puede usar libremente una versión modificada de las bibliotecas Qt con esta aplicación. Para facilitarlo, las bibliotecas Qt se enlazan dinámicamente. Puede obtener el código fuente de Qt &lt;a href=&quot;https://download.qt.io/archive/qt/6.4/&quot;&gt;aquí&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;&lt;h1&gt;Versión %1&lt;/h1&gt;&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>About Velbrook</source>
        <translation>Acerca de Velbrook</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;img src=&quot;:/icons/logovelbrook.png&quot; width=&quot;180&quot; height=&quot;60&quot; style=&quot;float:left&quot;/&gt;&lt;h2&gt;Velbrook&lt;/h2&gt;&lt;p&gt;Velbrook is an imaginary software workshop that stands for the makers of this program. It builds small, plain tools for the day-to-day work of teaching academies and other small offices.&lt;/p&gt;&lt;p&gt;Questions and suggestions: &lt;a href=&quot;mailto:info@velbrook.example&quot;&gt;info@velbrook.example&lt;/a&gt;&lt;br/&gt;Web: &lt;a href=&quot;https://velbrook.example&quot;&gt;velbrook.example&lt;/a&gt;&lt;/p&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;img src=&quot;:/icons/logovelbrook.png&quot; width=&quot;180&quot; height=&quot;60&quot; style=&quot;float:left&quot;/&gt;&lt;h2&gt;Velbrook&lt;/h2&gt;&lt;p&gt;Velbrook es un taller de software imaginario que representa a los autores de este programa. Hace herramientas pequeñas y sencillas para el trabajo diario de academias y otras oficinas pequeñas.&lt;/p&gt;&lt;p&gt;Preguntas y sugerencias: &lt;a href=&quot;mailto:info@velbrook.example&quot;&gt;info@velbrook.example&lt;/a&gt;&lt;br/&gt;Web: &lt;a href=&quot;https://velbrook.example&quot;&gt;velbrook.example&lt;/a&gt;&lt;/p&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>PageSession</name>
    <message>
        <source>The changes cannot be started.
Another change is still pending, or the database refuses to start one.</source>
        <translation>Los cambios no se pueden empezar.
Hay otro cambio pendiente, o la base de datos se niega a empezar uno.</translation>
    </message>
    <message>
        <source>The changes could not be saved.
They are still pending: try again, or revert them.</source>
        <translation>No se pudieron guardar los cambios.
Siguen pendientes: inténtelo de nuevo o reviértalos.</translation>
    </message>
    <message>
        <source>The changes could not be saved.
The database took them back.</source>
        <translation>No se pudieron guardar los cambios.
La base de datos los ha deshecho.</translation>
    </message>
</context>
<context>
    <name>PrintUtils</name>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message numerus="yes">
        <source>The preview will have %n page(s).</source>
        <translation>
            <numerusform>La vista previa tendrá %n página.</numerusform>
            <numerusform>La vista previa tendrá %n páginas.</numerusform>
        </translation>
    </message>
    <message>
        <source>A preview holds every page in memory, which can take more than this computer has. Do you want to print directly to a printer or a PDF file instead?</source>
        <translation>Una vista previa guarda todas las páginas en memoria, y puede necesitar más de la que tiene este ordenador. ¿Quiere imprimir directamente en una impresora o en un archivo PDF?</translation>
    </message>
    <message>
        <source>Print directly</source>
        <translation>Imprimir directamente</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Preparing the pages...</source>
        <translation>Preparando las páginas...</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The print could not be completed.</source>
        <translation>No se pudo completar la impresión.</translation>
    </message>
    <message>
        <source>The file %1 could not be written whole; an earlier file of that name is left as it was.</source>
        <translation>No se pudo escribir el archivo %1 completo; el archivo anterior con ese nombre queda como estaba.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
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
    <message>
        <source>Settlement of %1: %2</source>
        <translation>Liquidación de %1: %2</translation>
    </message>
</context>
<context>
    <name>ProfesorDialog</name>
    <message>
        <source>Teacher data</source>
        <translation>Datos del profesor</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Teacher name. (Mandatory)</source>
        <translation>Nombre del profesor. (Obligatorio)</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Teacher surname. (Mandatory)</source>
        <translation>Apellidos del profesor. (Obligatorio)</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>Teacher nickname. Default is teacher name</source>
        <translation>Apodo del profesor. Si se deja vacío, el nombre.</translation>
    </message>
    <message>
        <source>DNI</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>Teacher identity card number</source>
        <translation>Número del DNI del profesor</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Teacher address</source>
        <translation>Dirección del profesor</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>Teacher city</source>
        <translation>Localidad del profesor</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Teacher province</source>
        <translation>Provincia del profesor</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Teacher postal code</source>
        <translation>Código postal del profesor</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Teacher e-mail</source>
        <translation>Correo electrónico del profesor</translation>
    </message>
    <message>
        <source>Fixed month salary</source>
        <translation>Sueldo fijo al mes</translation>
    </message>
    <message>
        <source>Salary teacher will perceive every month</source>
        <translation>Sueldo que cobrará el profesor cada mes</translation>
    </message>
    <message>
        <source>Salary in %</source>
        <translation>Sueldo en %</translation>
    </message>
    <message>
        <source>Percentage of salary teacher will perceive according to earnings</source>
        <translation>Porcentaje de lo que pagan sus alumnos que cobrará el profesor</translation>
    </message>
    <message>
        <source>Fixed hour salary</source>
        <translation>Sueldo fijo por hora</translation>
    </message>
    <message>
        <source>Salary teacher will perceive for every hour of work</source>
        <translation>Sueldo que cobrará el profesor por cada hora de clase</translation>
    </message>
    <message>
        <source>Withholdings</source>
        <translation>Retenciones</translation>
    </message>
    <message>
        <source>Amount of money withheld</source>
        <translation>Cantidad que se retiene</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Teacher bank</source>
        <translation>Banco del profesor</translation>
    </message>
    <message>
        <source>Bank address</source>
        <translation>Dirección del banco</translation>
    </message>
    <message>
        <source>Teacher bank address</source>
        <translation>Dirección del banco del profesor</translation>
    </message>
    <message>
        <source>CCC</source>
        <translation>CCC</translation>
    </message>
    <message>
        <source>Teacher bank account</source>
        <translation>Cuenta bancaria del profesor</translation>
    </message>
    <message>
        <source>Register date</source>
        <translation>Fecha de alta</translation>
    </message>
    <message>
        <source>Withdrawal date</source>
        <translation>Fecha de baja</translation>
    </message>
    <message>
        <source>Check for indefinite period</source>
        <translation>Marque si no tiene fecha de baja</translation>
    </message>
    <message>
        <source>No withdrawal</source>
        <translation>Sin baja</translation>
    </message>
    <message>
        <source>Teacher phone numbers</source>
        <translation>Teléfonos del profesor</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Add a new phone number</source>
        <translation>Añadir un teléfono</translation>
    </message>
    <message>
        <source>Delete selected phone number</source>
        <translation>Borrar el teléfono seleccionado</translation>
    </message>
    <message>
        <source>Saving will set pay rates to 0</source>
        <translation>Al guardar, algunos pagos pasarán a 0</translation>
    </message>
    <message>
        <source>The academy&apos;s billing options no longer offer these pay kinds, but this teacher has them stored:
%1
Do you want to save the teacher with them set to 0?</source>
        <translation>Las opciones de cobro de la academia ya no ofrecen estas formas de pago, pero este profesor las tiene guardadas:
%1
¿Quiere guardar al profesor con ellas a 0?</translation>
    </message>
    <message>
        <source>The teacher could not be saved</source>
        <translation>No se pudo guardar al profesor</translation>
    </message>
    <message>
        <source>Nothing has been stored. Check the data and try again.</source>
        <translation>No se ha guardado nada. Revise los datos e inténtelo de nuevo.</translation>
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
        <translation>Apodo</translation>
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
    <name>ProfesoresWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Vaciar el filtro</translation>
    </message>
    <message>
        <source>Export or print listing</source>
        <translation>Exportar o imprimir el listado</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listado</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Add new teacher</source>
        <translation>Añadir un profesor nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected teacher</source>
        <translation>Editar el profesor seleccionado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete selected teacher</source>
        <translation>Borrar el profesor seleccionado</translation>
    </message>
    <message>
        <source>Liquidation</source>
        <translation>Liquidación</translation>
    </message>
    <message>
        <source>Selected teacher liquidation</source>
        <translation>Liquidación del profesor seleccionado</translation>
    </message>
    <message>
        <source>Student list</source>
        <translation>Listado de alumnos</translation>
    </message>
    <message>
        <source>Get student list for this teacher</source>
        <translation>Listado de alumnos de este profesor</translation>
    </message>
    <message>
        <source>Show timetable</source>
        <translation>Ver horario</translation>
    </message>
    <message>
        <source>Shows timetable</source>
        <translation>Muestra el horario</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listado</translation>
    </message>
    <message>
        <source>Print listing that matches filters</source>
        <translation>Imprimir el listado que cumple los filtros</translation>
    </message>
    <message>
        <source>Prints listing with different formats</source>
        <translation>Exportar el listado en distintos formatos</translation>
    </message>
    <message>
        <source>You must choose just one teacher in order to edit.</source>
        <translation>Hay que elegir un solo profesor para editarlo.</translation>
    </message>
    <message>
        <source>Select only one teacher and try again</source>
        <translation>Seleccione un solo profesor e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Error deleting teacher</source>
        <translation>Error al borrar al profesor</translation>
    </message>
    <message>
        <source>Internal error deleting teacher with id %1.</source>
        <translation>Error interno al borrar al profesor con id %1.</translation>
    </message>
    <message>
        <source>%1 has not been deleted; the other selected teachers are.</source>
        <translation>%1 no se ha borrado; los demás profesores seleccionados, sí.</translation>
    </message>
    <message>
        <source>Selected teachers will be permanently deleted</source>
        <translation>Los profesores seleccionados se borrarán definitivamente</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected teacher(s)?</source>
        <translation>
            <numerusform>¿Seguro que quiere borrar al profesor seleccionado?</numerusform>
            <numerusform>¿Seguro que quiere borrar los %n profesores seleccionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>Teacher listing</source>
        <translation>Lista de profesores</translation>
    </message>
    <message>
        <source>teacher_listing</source>
        <translation>lista_profesores</translation>
    </message>
    <message>
        <source>The settlement is incomplete</source>
        <translation>La liquidación está incompleta</translation>
    </message>
    <message>
        <source>The income of some shifts could not be read, so the percentage part counts them as 0. Do not pay it out as shown.</source>
        <translation>No se pudieron leer los ingresos de algunos turnos, así que la parte del porcentaje los cuenta como 0. No la pague tal como se muestra.</translation>
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
    <message>
        <source>What to do?</source>
        <translation>¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Looks like selected database is being used by another application instance.
</source>
        <translation>Parece que la base de datos seleccionada la está usando otra instancia de la aplicación.
</translation>
    </message>
    <message>
        <source>If you are sure no other instance is using the database click Force (In case another instance were using the database this could corrupt it).
If you prefer using another database for this instance click Change database.
If you prefer to stop execution click Stop execution.</source>
        <translation>Si está seguro de que ninguna otra instancia está usando la base de datos pulse Forzar base de datos (si otra instancia estuviese usando la base de datos, esto podría corromperla).
Si prefiere usar otra base de datos para esta instancia pulse Cambiar base de datos.
Si prefiere detener la ejecución pulse Detener la ejecución.</translation>
    </message>
    <message>
        <source>Force database</source>
        <translation>Forzar base de datos</translation>
    </message>
    <message>
        <source>Change database</source>
        <translation>Cambiar base de datos</translation>
    </message>
    <message>
        <source>Stop execution</source>
        <translation>Detener la ejecución</translation>
    </message>
    <message>
        <source>Entered password is not correct.</source>
        <translation>La contraseña introducida no es correcta.</translation>
    </message>
    <message>
        <source>Looks like selected database is corrupted.

But not everything is lost!!.
This smart application makes a database backup each time it starts so now you can select another database or restore last automatic backup of this database.</source>
        <translation>Parece que la base de datos seleccionada está dañada.

¡Pero no todo está perdido!
Esta aplicación hace una copia de seguridad de la base de datos cada vez que se inicia, así que ahora puede seleccionar otra base de datos o restaurar la última copia automática de esta base de datos.</translation>
    </message>
    <message>
        <source>Restore last backup</source>
        <translation>Restaurar la última copia</translation>
    </message>
    <message>
        <source>Change database (or create new one)</source>
        <translation>Cambiar base de datos (o crear una nueva)</translation>
    </message>
    <message>
        <source>Unable to restore last backup you have to select another database or create a new one.
</source>
        <translation>No se ha podido restaurar la última copia de seguridad; tiene que seleccionar otra base de datos o crear una nueva.
</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be opened: %2.

Nothing was changed and no backup was restored.</source>
        <translation>La base de datos &quot;%1&quot; no se puede abrir: %2.

No se ha cambiado nada ni se ha restaurado ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be changed: %2.

Nothing you do could be saved in it. Choose another database, or make it writable and start the program again.</source>
        <translation>La base de datos &quot;%1&quot; no se puede modificar: %2.

Nada de lo que haga se podría guardar en ella. Elija otra base de datos, o permita escribir en ella y vuelva a iniciar el programa.</translation>
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
    <name>ReciboDialog</name>
    <message>
        <source>Bill</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Bill number</source>
        <translation>Número de recibo</translation>
    </message>
    <message>
        <source>Edit number</source>
        <translation>Editar número</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Bill expedition date</source>
        <translation>Fecha de expedición del recibo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Bill amount</source>
        <translation>Importe del recibo</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Bill discount</source>
        <translation>Descuento del recibo</translation>
    </message>
    <message>
        <source>To pay in:</source>
        <translation>Pagadero en:</translation>
    </message>
    <message>
        <source>Account where to pay the money</source>
        <translation>Cuenta en la que pagar el importe</translation>
    </message>
    <message>
        <source>Paid amount</source>
        <translation>Importe pagado</translation>
    </message>
    <message>
        <source>Amount paid</source>
        <translation>Importe pagado</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>Check if bill has been paid</source>
        <translation>Marque si el recibo está pagado</translation>
    </message>
    <message>
        <source>Concept</source>
        <translation>Concepto</translation>
    </message>
    <message>
        <source>Payer name and address</source>
        <translation>Nombre y domicilio del pagador</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Check if you want to edit the bill</source>
        <translation>Marque si quiere editar el recibo</translation>
    </message>
    <message>
        <source>Edition allowed</source>
        <translation>Permitir edición</translation>
    </message>
    <message>
        <source>Incorrect amount paid</source>
        <translation>Importe pagado incorrecto</translation>
    </message>
    <message>
        <source>The paid amount can&apos;t exceed the total bill amount</source>
        <translation>El importe pagado no puede superar el importe total del recibo</translation>
    </message>
    <message>
        <source>It has been impossible to make bill update. Check no bills with the same bill number exist</source>
        <translation>No ha sido posible actualizar el recibo. Compruebe que no existen recibos con el mismo número.</translation>
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
    <name>RecibosWidget</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Date from</source>
        <translation>Fecha desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Only paid</source>
        <translation>Solo pagados</translation>
    </message>
    <message>
        <source>Only not paid</source>
        <translation>Solo no pagados</translation>
    </message>
    <message>
        <source>Export listing</source>
        <translation>Exportar listado</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Print selected bill&lt;span style=&quot; font-weight:600;&quot;&gt; or current month&apos;s if there is none selected&lt;/span&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Imprimir el recibo seleccionado&lt;span style=&quot; font-weight:600;&quot;&gt; o los del mes actual si no hay ninguno seleccionado&lt;/span&gt;.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Print bills</source>
        <translation>Imprimir recibos</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Generate bills for current month</source>
        <translation>Generar los recibos del mes actual</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected bill</source>
        <translation>Editar el recibo seleccionado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete selected bill</source>
        <translation>Borrar el recibo seleccionado</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>Regenerar</translation>
    </message>
    <message>
        <source>Regenerate selected bills</source>
        <translation>Regenerar los recibos seleccionados</translation>
    </message>
    <message>
        <source>Economic summary</source>
        <translation>Resumen económico</translation>
    </message>
    <message>
        <source>Get economic summary</source>
        <translation>Obtener el resumen económico</translation>
    </message>
    <message>
        <source>Generate unpaid list</source>
        <translation>Generar escrito de impagos</translation>
    </message>
    <message>
        <source>Generate unpaid bills document</source>
        <translation>Generar el escrito de recibos impagados</translation>
    </message>
    <message>
        <source>Print listing</source>
        <translation>Imprimir listado</translation>
    </message>
    <message>
        <source>Print bill listing that matches current filters</source>
        <translation>Imprimir el listado de recibos que cumplen los filtros actuales</translation>
    </message>
    <message>
        <source>Export listing in different formats</source>
        <translation>Exportar el listado en distintos formatos</translation>
    </message>
    <message>
        <source>There are bills already generated for this month.</source>
        <translation>Ya hay recibos generados para este mes.</translation>
    </message>
    <message>
        <source>As well as creating nonexistent bills , Do you want to overwrite selected ones?</source>
        <translation>Además de crear los recibos que no existen, ¿quiere sobrescribir los seleccionados?</translation>
    </message>
    <message>
        <source>Only bills with no manual changes</source>
        <translation>Solo los recibos sin cambios manuales</translation>
    </message>
    <message>
        <source>All bills</source>
        <translation>Todos los recibos</translation>
    </message>
    <message>
        <source>Don&apos;t overwrite. Just generate new ones</source>
        <translation>No sobrescribir. Solo generar los nuevos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Generating the bills of the month...</source>
        <translation>Generando los recibos del mes...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>The bills could not be generated; nothing was changed.</source>
        <translation>No se pudieron generar los recibos; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 bills created.
%2 bills modified.
%3 bills unchanged.</source>
        <translation>%1 recibos creados.
%2 recibos modificados.
%3 recibos sin cambios.</translation>
    </message>
    <message>
        <source>Do you want to go on?</source>
        <translation>¿Quiere continuar?</translation>
    </message>
    <message>
        <source>Regenerating the selected bills...</source>
        <translation>Regenerando los recibos seleccionados...</translation>
    </message>
    <message>
        <source>The bills could not be regenerated; nothing was changed.</source>
        <translation>No se pudieron regenerar los recibos; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 bills regenerated.</source>
        <translation>%1 recibos regenerados.</translation>
    </message>
    <message>
        <source>You must select just one bill in order to edit it.</source>
        <translation>Debe seleccionar un solo recibo para editarlo.</translation>
    </message>
    <message>
        <source>Select just one bill and try again.</source>
        <translation>Seleccione un solo recibo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Selected bills will be permanently deleted</source>
        <translation>Los recibos seleccionados se borrarán definitivamente</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n selected bill(s)?</source>
        <translation>
            <numerusform>¿Seguro que quiere borrar el recibo seleccionado?</numerusform>
            <numerusform>¿Seguro que quiere borrar los %n recibos seleccionados?</numerusform>
        </translation>
    </message>
    <message>
        <source>Error deleting bill</source>
        <translation>Error al borrar el recibo</translation>
    </message>
    <message>
        <source>Internal error deleting some bills in selected list.</source>
        <translation>Error interno al borrar algunos recibos de la lista seleccionada.</translation>
    </message>
    <message>
        <source>In which language do you want to get the unpaid document?</source>
        <translation>¿En qué idioma quiere obtener el escrito de impagos?</translation>
    </message>
    <message>
        <source>Galician</source>
        <translation>Gallego</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Castellano</translation>
    </message>
    <message>
        <source>Do you want to get economic summary in excel format or do you want to preview it in screen and be able to print it?</source>
        <translation>¿Quiere obtener el resumen económico en formato Excel o prefiere verlo en pantalla y poder imprimirlo?</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Preview and print</source>
        <translation>Vista previa e imprimir</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>The economic summary workbook could not be written.</source>
        <translation>No se pudo escribir el libro del resumen económico.</translation>
    </message>
    <message>
        <source>Excel (*.xlsx)</source>
        <translation>Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>No se pudo guardar el informe como %1.</translation>
    </message>
    <message>
        <source>Bill listing</source>
        <translation>Listado de recibos</translation>
    </message>
    <message>
        <source>This tool will regenerate selected bills, overwriting all their data.</source>
        <translation>Esta herramienta regenerará los recibos seleccionados, sobrescribiendo todos sus datos.</translation>
    </message>
    <message>
        <source>Reading the bills of the period...</source>
        <translation>Leyendo los recibos del periodo...</translation>
    </message>
</context>
<context>
    <name>SelectAsignaturasDialog</name>
    <message>
        <source>Add new subject</source>
        <translation>Añadir nueva asignatura</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Illustrative price:</source>
        <translation>Precio orientativo:</translation>
    </message>
    <message>
        <source>Assigned teachers</source>
        <translation>Profesores asignados</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>No subject has been selected</source>
        <translation>No se ha seleccionado ninguna asignatura</translation>
    </message>
    <message>
        <source>Either select one in order to accept or cancel</source>
        <translation>Seleccione una para aceptar, o cancele</translation>
    </message>
</context>
<context>
    <name>SelectDBDialog</name>
    <message>
        <source>Choose database</source>
        <translation>Elegir base de datos</translation>
    </message>
    <message>
        <source>Choose the database to use:</source>
        <translation>Elija la base de datos que quiere usar:</translation>
    </message>
    <message>
        <source>Available database. Choose one</source>
        <translation>Bases de datos disponibles. Elija una</translation>
    </message>
    <message>
        <source>Create new database</source>
        <translation>Crear una base de datos nueva</translation>
    </message>
    <message>
        <source>Delete database</source>
        <translation>Borrar base de datos</translation>
    </message>
    <message>
        <source>Choose selected database</source>
        <translation>Usar la base de datos seleccionada</translation>
    </message>
    <message>
        <source>New database</source>
        <translation>Nueva base de datos</translation>
    </message>
    <message>
        <source>New database name:</source>
        <translation>Nombre de la nueva base de datos:</translation>
    </message>
    <message>
        <source>The database you are trying to delete is currently selected. Select another and try again to delete the database.</source>
        <translation>La base de datos que intenta borrar es la que está seleccionada. Seleccione otra y vuelva a intentar borrarla.</translation>
    </message>
    <message>
        <source>The database you are trying to delete is currently in use by another instance of the application. It is not possible to delete it</source>
        <translation>La base de datos que intenta borrar la está usando otra instancia de la aplicación. No es posible borrarla.</translation>
    </message>
    <message>
        <source>Do you really want to delete the database %1?
All its data will be lost.</source>
        <translation>¿Realmente desea borrar la base de datos %1?
Se perderán todos sus datos.</translation>
    </message>
    <message>
        <source>It has been impossible to delete the database %1.</source>
        <translation>No ha sido posible borrar la base de datos %1.</translation>
    </message>
    <message>
        <source>The database %1 can&apos;t be opened.</source>
        <translation>No se puede abrir la base de datos %1.</translation>
    </message>
</context>
<context>
    <name>SelectObjetosDialog</name>
    <message>
        <source>Make your selection</source>
        <translation>Haga su selección</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Add new object</source>
        <translation>Añadir nuevo</translation>
    </message>
    <message>
        <source>Object description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>SelectProfesorDialog</name>
    <message>
        <source>Create new teacher</source>
        <translation>Crear nuevo profesor</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Surname:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>Nickname: </source>
        <translation>Apodo: </translation>
    </message>
    <message>
        <source>Retentions: </source>
        <translation>Retenciones: </translation>
    </message>
    <message>
        <source>Salary in %:</source>
        <translation>Sueldo en %:</translation>
    </message>
    <message>
        <source>Salary/hour:</source>
        <translation>Sueldo/hora:</translation>
    </message>
    <message>
        <source>Salary/month:</source>
        <translation>Sueldo/mes:</translation>
    </message>
    <message>
        <source>No teacher selected</source>
        <translation>No se ha seleccionado ningún profesor</translation>
    </message>
    <message>
        <source>Select a teacher to be able to accept</source>
        <translation>Seleccione un profesor para poder aceptar</translation>
    </message>
</context>
<context>
    <name>TipoListadoPorCursoDialog</name>
    <message>
        <source>List format</source>
        <translation>Tipo de listado</translation>
    </message>
    <message>
        <source>Students by course with €</source>
        <translation>Alumnos por curso con €</translation>
    </message>
    <message>
        <source>Students by course without €</source>
        <translation>Alumnos por curso sin €</translation>
    </message>
    <message>
        <source>Registrations by course between</source>
        <translation>Altas por curso entre</translation>
    </message>
    <message>
        <source>Withdraws by course between</source>
        <translation>Bajas por curso entre</translation>
    </message>
    <message>
        <source>Begin date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Fecha de fin</translation>
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
        <translation>El turno %1 de la asignatura %2 tiene una o más sesiones asignadas, que también se borrarán</translation>
    </message>
</context>
<context>
    <name>TurnoAsignaturaDialog</name>
    <message>
        <source>Subject shift</source>
        <translation>Turno de asignatura</translation>
    </message>
    <message>
        <source>Shift name</source>
        <translation>Nombre del turno</translation>
    </message>
    <message>
        <source>Type shift name</source>
        <translation>Escriba el nombre del turno</translation>
    </message>
    <message>
        <source>Illustrative price</source>
        <translation>Precio orientativo</translation>
    </message>
    <message>
        <source>Illustrative price, only for reference</source>
        <translation>Precio orientativo, solo como referencia</translation>
    </message>
    <message>
        <source>There is already a shift of this subject with the same name</source>
        <translation>Ya hay un turno de esta asignatura con el mismo nombre</translation>
    </message>
    <message>
        <source>It is not possible to create more than a single subject shift with the same name. Please, select a different shift name.</source>
        <translation>No se puede crear más de un turno de una asignatura con el mismo nombre. Elija otro nombre para el turno.</translation>
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
    <name>TurnoCursoDialog</name>
    <message>
        <source>Course shift</source>
        <translation>Turno de curso</translation>
    </message>
    <message>
        <source>Shift name</source>
        <translation>Nombre del turno</translation>
    </message>
    <message>
        <source>Type shift name</source>
        <translation>Escriba el nombre del turno</translation>
    </message>
    <message>
        <source>Illustrative price</source>
        <translation>Precio orientativo</translation>
    </message>
    <message>
        <source>Illustrative price, only for reference</source>
        <translation>Precio orientativo, solo como referencia</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>If there is no desired subject shift, you can create a new one</source>
        <translation>Si no existe el turno de asignatura deseado, puede crear uno nuevo</translation>
    </message>
    <message>
        <source>Every course subject must have a shift selected</source>
        <translation>Cada asignatura del curso debe tener un turno elegido</translation>
    </message>
    <message>
        <source>Please select a shift for each subject to continue. </source>
        <translation>Elija un turno para cada asignatura para continuar. </translation>
    </message>
    <message>
        <source>There is already another course shift with this name</source>
        <translation>Ya existe otro turno de curso con este nombre</translation>
    </message>
    <message>
        <source>It is not possible to create more than a single course shift with the same name.Please select a different course shift name to continue.</source>
        <translation>No se puede crear más de un turno de curso con el mismo nombre. Elija otro nombre para el turno de curso para continuar.</translation>
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
